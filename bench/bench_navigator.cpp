// The navigator's core over a large project: the checker and find in
// project, 3 KB of text per topic.
#include <benchmark/benchmark.h>

#include "build_bench_project.h"
#include "core/navigator/project_check.h"
#include "core/search/project_find.h"

namespace scrivlet {
namespace {

void BM_CheckProject(benchmark::State& state) {
    const Project project = bench::MakeProject(static_cast<int>(state.range(0)));
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = CheckProject(project, {}).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckProject)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FindInProject(benchmark::State& state) {
    const Project project = bench::MakeProject(static_cast<int>(state.range(0)));
    ProjectFindOptions options;
    options.pattern = "words that are nowhere";  // so every paragraph is read
    options.inTitles = true;
    options.inKeywords = true;
    std::size_t found = 0;
    for (auto _ : state) {
        found = FindInProject(project, options).matches.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["results"] = static_cast<double>(found);
}
BENCHMARK(BM_FindInProject)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scrivlet

BENCHMARK_MAIN();
