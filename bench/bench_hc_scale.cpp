// The help compiler on compressed projects of 10,000 and 40,000 topics: read,
// check and write the help file, as hcrtf does. Each run happens in a child
// process of its own, so that its CPU time and its peak memory are its own;
// the time reported is that CPU time.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "hc_bench_project.h"

#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace scrivlet;

struct ChildUse {
    double cpuSeconds = 0;
    double peakBytes = 0;
    bool ok = false;
};

// Runs WORK in a child process and returns what it used.
template <typename Work>
ChildUse InChild(Work work) {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    rusage use{};
    if (pid < 0 || wait4(pid, &status, 0, &use) != pid) {
        return {};
    }
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {seconds(use.ru_utime) + seconds(use.ru_stime), use.ru_maxrss * 1024.0,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

void BM_CompileCompressed(benchmark::State& state) {
    const int topics = static_cast<int>(state.range(0));
    const std::string name = "bench_hc_scale_" + std::to_string(topics);
    const fs::path folder = fs::temp_directory_path() / name;
    // Made in a child too, so that the project model is not part of the
    // compiler's memory.
    const ChildUse made = InChild([&] {
        bench::WriteBuildOutput(name.c_str(), topics);
        std::string hpj = ReadFileBytes(folder / "scrv1.hpj").value_or("");
        const std::size_t at = hpj.find("COMPRESS=0");
        if (at != std::string::npos) {
            hpj.replace(at, 10, "COMPRESS=12");
        }
        WriteFileBytes(folder / "scrv1.hpj", hpj);
        return true;
    });
    if (!made.ok) {
        state.SkipWithError("the project could not be made");
        return;
    }
    const double rtfBytes = static_cast<double>(fs::file_size(folder / "scrv1.rtf"));
    ChildUse run;
    for (auto _ : state) {
        run = InChild([&] {
            hc::CompileResult result = hc::CompileHelpProject(folder / "scrv1.hpj", true);
            hc::hlp::WriteHelpFileAndLog(result);
            return result.log.Fatal() == 0 && result.counts.topics == topics;
        });
        if (!run.ok) {
            state.SkipWithError("the project did not compile");
            break;
        }
        state.SetIterationTime(run.cpuSeconds);
    }
    state.counters["rtf_bytes"] = rtfBytes;
    state.counters["peak_per_rtf_byte"] = run.peakBytes / rtfBytes;
    state.counters["hlp_bytes"] = static_cast<double>(fs::file_size(folder / "big.hlp"));
    fs::remove_all(folder);
}
BENCHMARK(BM_CompileCompressed)
    ->Arg(10000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
