// The help-file reader on a help file of 10,000 topics (the generated
// project compiled by hcrtf's library, packed and not): the whole document
// read from the file's bytes, as the viewer opens a file.
#include <benchmark/benchmark.h>

#include "hc_bench_project.h"

#include <filesystem>

#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "help/hlp/hlp_reader.h"

namespace {

namespace fs = std::filesystem;
using namespace scrivlet;

std::string HelpFileBytes(bool compress) {
    const fs::path folder = bench::WriteBuildOutput("bench_help_reader");
    hc::CompileResult result = hc::CompileHelpProject(folder / "scrv1.hpj");
    result.project.compress = compress ? 1 : 0;
    std::string bytes = hc::hlp::BuildHelpFileBytes(result, 0);
    fs::remove_all(folder);
    return bytes;
}

void BM_ReadHlp10000Topics(benchmark::State& state) {
    const std::string bytes = HelpFileBytes(state.range(0) != 0);
    std::size_t topics = 0;
    for (auto _ : state) {
        const help::HelpDocument document = help::ReadHelpFileBytes(bytes);
        topics = document.help.topics.size();
        benchmark::DoNotOptimize(document.help.topics.data());
    }
    state.counters["topics"] = static_cast<double>(topics);
    state.counters["hlp_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadHlp10000Topics)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
