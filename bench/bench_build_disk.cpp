// The batch build from a project file on disk ("--build --no-run"), beside a
// plain read of the same file, so the ratio between the two is measured on
// one machine in one run. The project has 3 KB of text per topic.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "build_bench_project.h"
#include "cli/build_command.h"
#include "core/projectfile/project_file.h"

namespace scrivlet {
namespace {

std::filesystem::path ProjectFile(int topics) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("scrivlet_bench_build_" + std::to_string(topics));
    const auto path = folder / "big.scw";
    if (!std::filesystem::exists(path)) {
        std::filesystem::create_directories(folder);
        Project project = bench::MakeProject(topics);
        WriteProjectFile(project, path);
    }
    return path;
}

// What "cat FILE > /dev/null" does: the file through a buffer, nothing kept.
void BM_ReadProjectFileBytes(benchmark::State& state) {
    const auto path = ProjectFile(static_cast<int>(state.range(0)));
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::size_t total = 0;
        std::size_t n = 0;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
            total += n;
        }
        std::fclose(file);
        benchmark::DoNotOptimize(total);
        state.counters["file_MB"] = static_cast<double>(total) / 1e6;
    }
}

void BM_BuildNoRun(benchmark::State& state) {
    const auto path = ProjectFile(static_cast<int>(state.range(0)));
    const auto folder = path.parent_path();
    cli::BuildArguments arguments;
    arguments.projectFile = path.string();
    arguments.noRun = true;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (cli::RunBuild(arguments, out, err) != 0) {
            state.SkipWithError(("the build failed: " + err.str() + out.str()).c_str());
            break;
        }
        state.PauseTiming();
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().filename().string().rfind("scrv", 0) == 0) {
                std::filesystem::remove(entry.path());
            }
        }
        state.ResumeTiming();
    }
}

BENCHMARK(BM_ReadProjectFileBytes)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildNoRun)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace scrivlet

BENCHMARK_MAIN();
