// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

// Which of the runs a reporter is given stands for its benchmark: the single run, or the
// median when the benchmark is repeated; never a run that failed or was skipped, which has
// no time. Used by the benchmark programs' reporters; holds no state.
namespace representative_run {

// Google Benchmark 1.7 marks a failed run with error_occurred; 1.8 replaced that with
// skipped, which also covers a run skipped on purpose. Overloading picks the member the
// installed library has, so the programs build against either.
template <typename Run>
auto Failed(const Run& run, int) -> decltype(static_cast<bool>(run.skipped))
{
    return static_cast<bool>(run.skipped);
}
template <typename Run>
auto Failed(const Run& run, long) -> decltype(static_cast<bool>(run.error_occurred))
{
    return static_cast<bool>(run.error_occurred);
}

}  // namespace representative_run

inline bool IsRepresentative(const benchmark::BenchmarkReporter::Run& run)
{
    using Run = benchmark::BenchmarkReporter::Run;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    return (run.run_type == Run::RT_Iteration || median) && !representative_run::Failed(run, 0);
}
