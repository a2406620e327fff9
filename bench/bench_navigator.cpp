// The navigator's core over a large project: the checker, find in project
// and replace in project, 3 KB of text per topic.
#include <benchmark/benchmark.h>

#include "build_bench_project.h"
#include "core/navigator/project_check.h"
#include "core/search/project_find.h"
#include "core/search/replace_plan.h"

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

// Replace All of the search dialog: every topic read, a word of every
// paragraph replaced, the new texts put in.
void BM_ReplaceAllInProject(benchmark::State& state) {
    const Project original = bench::MakeProject(static_cast<int>(state.range(0)));
    int replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Project project = original;
        state.ResumeTiming();
        ReplacePlan plan = PlanReplaceAll(project, "ordinary", "plain", true);
        replaced = plan.occurrences;
        ApplyReplacePlan(project, plan);
        benchmark::DoNotOptimize(project);
    }
    state.counters["replaced"] = replaced;
}
BENCHMARK(BM_ReplaceAllInProject)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same word replaced from the navigator's list: the find, then the plan
// of every result (the list stops at its limit).
void BM_ReplaceFound(benchmark::State& state) {
    const Project project = bench::MakeProject(static_cast<int>(state.range(0)));
    ProjectFindOptions options;
    options.pattern = "ordinary";
    options.matchCase = true;
    const std::vector<ProjectFindResult> found = FindInProject(project, options).matches;
    int replaced = 0;
    for (auto _ : state) {
        replaced = PlanReplaceFound(project, found, "plain").occurrences;
        benchmark::DoNotOptimize(replaced);
    }
    state.counters["replaced"] = replaced;
}
BENCHMARK(BM_ReplaceFound)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scrivlet

BENCHMARK_MAIN();
