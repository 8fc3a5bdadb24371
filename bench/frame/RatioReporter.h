// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Google Benchmark's console table, followed by a summary that divides the time of every
// benchmark named ".../game" by that of its ".../sdl" partner from the same run: the cost
// of the game's frame over the same picture drawn by SDL. Above 1 the game is slower.
// CPU time, not real time: the frame runs on one thread, and the machines it is measured
// on are shared, so that waiting for a core would otherwise count as drawing.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> m_times;  // microseconds of CPU time per iteration, by name
};
