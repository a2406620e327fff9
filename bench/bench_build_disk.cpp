// The batch build from a project file on disk ("--build --no-run"), beside
// the plain reads of the same file it is held against, measured in one run
// on one machine: the real "cat FILE > /dev/null" as a child process (its
// CPU time and its wall time, start-up included) and a buffered read in this
// process. The project has about 3.5 KB of text per topic.
//
// BM_BuildNoRun reports for one build: cpu_ms and wall_ms (means) and
// cpu_best_ms (the least); the baselines taken just before its builds, each
// the best of several runs (cat_cpu_ms, cat_wall_ms, read_cpu_ms); the ratios
// x_cat_cpu, x_cat_wall, x_read_cpu and x_cat_cpu_best (best against best);
// peak_x_file, the process's peak resident size during a build over the
// project file's size; and page_faults, its minor page faults.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "build_bench_project.h"
#include "cli/build_command.h"
#include "core/projectfile/project_file.h"

extern char** environ;

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

double WallMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

double Ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

struct Timing {
    double cpuMs = 0;
    double wallMs = 0;
};

// "cat PATH > /dev/null" as the shell runs it: the program found on PATH,
// its output to /dev/null; its CPU time (user + system) from the kernel.
Timing RunCat(const std::filesystem::path& path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = "cat";
    std::string file = path.string();
    char* argv[] = {program.data(), file.data(), nullptr};
    const double start = WallMs();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "cat", &actions, nullptr, argv, environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return {-1, -1};
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Timing timing;
    timing.wallMs = WallMs() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {-1, -1};
    }
    timing.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    return timing;
}

// The file through a 128 KB buffer, nothing kept: what cat does, in process.
std::size_t ReadThrough(const std::filesystem::path& path) {
    static std::vector<char> buffer(128 * 1024);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return 0;
    }
    std::size_t total = 0;
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        total += n;
    }
    std::fclose(file);
    return total;
}

Timing TimeReadThrough(const std::filesystem::path& path) {
    const double cpu = ProcessCpuMs();
    const double wall = WallMs();
    benchmark::DoNotOptimize(ReadThrough(path));
    return {ProcessCpuMs() - cpu, WallMs() - wall};
}

// The least of RUNS timings of each kind: the baseline at its best, so the
// ratios against it are never flattered by a slow run.
template <typename Measure>
Timing Best(int runs, Measure measure) {
    Timing best{1e300, 1e300};
    for (int i = 0; i < runs; ++i) {
        const Timing t = measure();
        best.cpuMs = std::min(best.cpuMs, t.cpuMs);
        best.wallMs = std::min(best.wallMs, t.wallMs);
    }
    return best;
}

// The peak resident size is reset before a build and read after it.
void ResetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) * 1024.0;
        }
    }
    return 0;
}

void BM_CatProjectFile(benchmark::State& state) {
    const auto path = ProjectFile(static_cast<int>(state.range(0)));
    double cpu = 0;
    for (auto _ : state) {
        const Timing t = RunCat(path);
        if (t.cpuMs < 0) {
            state.SkipWithError("cat failed");
            break;
        }
        cpu += t.cpuMs;
        state.SetIterationTime(t.wallMs / 1e3);
    }
    state.counters["child_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void BM_ReadProjectFileBytes(benchmark::State& state) {
    const auto path = ProjectFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::size_t total = ReadThrough(path);
        benchmark::DoNotOptimize(total);
        state.counters["file_MB"] = static_cast<double>(total) / 1e6;
    }
}

void BM_BuildNoRun(benchmark::State& state) {
    const auto path = ProjectFile(static_cast<int>(state.range(0)));
    const auto folder = path.parent_path();
    const auto fileBytes = static_cast<double>(std::filesystem::file_size(path));
    cli::BuildArguments arguments;
    arguments.projectFile = path.string();
    arguments.noRun = true;

    ReadThrough(path);  // the file in the page cache, as for every later read
    const Timing cat = Best(7, [&] { return RunCat(path); });
    const Timing read = Best(7, [&] { return TimeReadThrough(path); });
    if (cat.cpuMs < 0) {
        state.SkipWithError("cat failed");
        return;
    }

    double cpu = 0;
    double wall = 0;
    double peak = 0;
    double faults = 0;
    double bestCpu = 1e300;
    for (auto _ : state) {
        // Free memory goes back to the system first, so each build touches
        // fresh pages as a new "scrivlet --build" process does.
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
        ResetPeakResident();
        const long faultsStart = MinorFaults();
        const double cpuStart = ProcessCpuMs();
        const double wallStart = WallMs();
        std::ostringstream out;
        std::ostringstream err;
        if (cli::RunBuild(arguments, out, err) != 0) {
            state.SkipWithError(("the build failed: " + err.str() + out.str()).c_str());
            break;
        }
        const double buildCpu = ProcessCpuMs() - cpuStart;
        cpu += buildCpu;
        bestCpu = std::min(bestCpu, buildCpu);
        wall += WallMs() - wallStart;
        faults += static_cast<double>(MinorFaults() - faultsStart);
        peak = std::max(peak, PeakResidentBytes());
        state.PauseTiming();
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().filename().string().rfind("scrv", 0) == 0) {
                std::filesystem::remove(entry.path());
            }
        }
        state.ResumeTiming();
    }
    const auto runs = static_cast<double>(state.iterations());
    if (runs == 0) {
        return;
    }
    cpu /= runs;
    wall /= runs;
    state.counters["cpu_ms"] = cpu;
    state.counters["wall_ms"] = wall;
    state.counters["cat_cpu_ms"] = cat.cpuMs;
    state.counters["cat_wall_ms"] = cat.wallMs;
    state.counters["read_cpu_ms"] = read.cpuMs;
    state.counters["x_cat_cpu"] = cpu / cat.cpuMs;
    // The best build against the best cat: the same statistic on both sides,
    // which other work on the machine disturbs least.
    state.counters["cpu_best_ms"] = bestCpu;
    state.counters["x_cat_cpu_best"] = bestCpu / cat.cpuMs;
    state.counters["x_cat_wall"] = wall / cat.wallMs;
    state.counters["x_read_cpu"] = cpu / read.cpuMs;
    state.counters["peak_x_file"] = peak / fileBytes;
    // Pages touched for the first time: on a virtual machine each can cost
    // microseconds, which a build that reuses freed memory would hide.
    state.counters["page_faults"] = faults / runs;
}

BENCHMARK(BM_CatProjectFile)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
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
    ->Iterations(5);

}  // namespace
}  // namespace scrivlet

BENCHMARK_MAIN();
