// The help compiler writing the .HLP file of a project of 10,000 topics: the
// build output is generated and read once; every iteration writes the help
// file, and the whole run (read, check, write) is measured too.
#include <benchmark/benchmark.h>

#include "hc_bench_project.h"

#include <filesystem>

#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/model/project.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace scrivlet;

using bench::kTopics;
using bench::WriteBuildOutput;

void BM_WriteHlp10000Topics(benchmark::State& state) {
    const fs::path folder = WriteBuildOutput("bench_hc_hlp");
    hc::CompileResult result = hc::CompileHelpProject(folder / "scrv1.hpj");
    result.project.compress = static_cast<int>(state.range(0));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = hc::hlp::BuildHelpFileBytes(result, 0);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["hlp_bytes"] = static_cast<double>(size);
    fs::remove_all(folder);
}
BENCHMARK(BM_WriteHlp10000Topics)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_CompileAndWriteHlp10000Topics(benchmark::State& state) {
    const fs::path folder = WriteBuildOutput("bench_hc_hlp");
    for (auto _ : state) {
        hc::CompileResult result = hc::CompileHelpProject(folder / "scrv1.hpj");
        const std::vector<std::string> lines = hc::hlp::WriteHelpFileAndLog(result);
        benchmark::DoNotOptimize(lines.data());
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().extension() == ".hlp" || entry.path().extension() == ".HLP") {
            state.counters["hlp_bytes"] = static_cast<double>(entry.file_size());
        }
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_CompileAndWriteHlp10000Topics)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
