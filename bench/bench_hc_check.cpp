// The help compiler reading and checking the build output of a project of
// 10,000 topics: the RTF topic file and help project file the build writes
// are generated once, then read and checked on every iteration.
#include <benchmark/benchmark.h>

#include "hc_bench_project.h"

#include <filesystem>

#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/model/project.h"
#include "core/util/file_io.h"
#include "hc/compile.h"

namespace {

namespace fs = std::filesystem;
using namespace scrivlet;

using bench::kTopics;
using bench::WriteBuildOutput;

void BM_ReadAndCheck10000Topics(benchmark::State& state) {
    const fs::path folder = WriteBuildOutput("bench_hc_check");
    const auto bytes = fs::file_size(folder / "scrv1.rtf");
    for (auto _ : state) {
        hc::CompileResult result = hc::CompileHelpProject(folder / "scrv1.hpj");
        if (result.counts.topics != kTopics || result.log.Errors() + result.log.Warnings() != 0) {
            state.SkipWithError("the build output did not compile clean");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    fs::remove_all(folder);
}
BENCHMARK(BM_ReadAndCheck10000Topics)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
