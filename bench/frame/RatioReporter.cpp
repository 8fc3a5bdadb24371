// SPDX-License-Identifier: MIT
#include "bench/frame/RatioReporter.h"

#include "bench/RepresentativeRun.h"

#include <cstdio>

namespace {

const std::string kGame = "/game";
const std::string kSdl = "/sdl";

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (IsRepresentative(run))
            m_times[run.run_name.function_name] =
                run.GetAdjustedCPUTime() * 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf(
        "\nGame over SDL-drawn (CPU time per frame, the median if repeated; above 1 the"
        " game is slower):\n");
    for (const auto& [name, gameTime] : m_times) {
        if (!EndsWith(name, kGame))
            continue;
        const std::string stem = name.substr(0, name.size() - kGame.size());
        const auto sdl = m_times.find(stem + kSdl);
        if (sdl == m_times.end() || sdl->second <= 0)
            continue;
        std::printf("  %-24s game %9.1f us   sdl %9.1f us   ratio %5.2f\n", stem.c_str(), gameTime,
                    sdl->second, gameTime / sdl->second);
    }
}
