// The help build on a large project: 3 KB of text per topic, 5 links per
// topic, 20 fonts and 16 colours spread over the topics so that every later
// topic has references to renumber.
#include <benchmark/benchmark.h>

#include <string>

#include "build_bench_project.h"
#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"

namespace scrivlet {
namespace {

void BM_BuildTopicRtfAndHelpProject(benchmark::State& state) {
    Project project = bench::MakeProject(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        LinesLog log;
        NoProgress progress;
        auto rtf = BuildTopicRtf(project, log, progress);
        auto hpj = BuildHelpProject(project, "scrv1", "/bench/");
        benchmark::DoNotOptimize(rtf.data());
        benchmark::DoNotOptimize(hpj.data());
        if (!log.lines.empty()) {
            state.SkipWithError("the build logged problems");
        }
        bytes = 0;
        for (const auto& line : rtf) {
            bytes += line.size() + 2;
        }
    }
    state.counters["rtf_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_BuildTopicRtfAndHelpProject)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace scrivlet

BENCHMARK_MAIN();
