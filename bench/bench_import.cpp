// Importing a help project of 10,000 topics (the build output of the
// generated benchmark project): reading the .hpj and the RTF, making the
// project and writing its file. Target: under 2 s.
#include <benchmark/benchmark.h>

#include "hc_bench_project.h"

#include <filesystem>
#include <sstream>

#include "cli/import_command.h"
#include "hc/compile.h"
#include "help/import/import_project.h"

namespace {

namespace fs = std::filesystem;
using namespace scrivlet;

using bench::kTopics;
using bench::WriteBuildOutput;

// The whole command: read, import, write the project file.
void BM_Import10000TopicProject(benchmark::State& state) {
    const fs::path folder = WriteBuildOutput("bench_import");
    const cli::ImportArguments arguments{(folder / "scrv1.hpj").string(),
                                         (folder / "imported.scw").string(), true};
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (cli::RunImport(arguments, out, err) != 0) {
            state.SkipWithError("the import failed");
            break;
        }
        benchmark::DoNotOptimize(out);
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_Import10000TopicProject)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The import alone, from the document the compiler's readers made.
void BM_ImportDocument10000Topics(benchmark::State& state) {
    const fs::path folder = WriteBuildOutput("bench_import_document");
    hc::CompileResult compiled = hc::CompileHelpProject(folder / "scrv1.hpj");
    help::HelpDocument document;
    document.project = std::move(compiled.project);
    document.help = std::move(compiled.help);
    help::ImportOptions options;
    options.sourceFolder = folder;
    options.outFolder = folder;
    for (auto _ : state) {
        help::ImportResult result = help::ImportHelpDocument(document, options);
        if (result.report.topics != kTopics) {
            state.SkipWithError("topics were lost");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_ImportDocument10000Topics)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
