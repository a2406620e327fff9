// Project file speed and memory: write and read generated projects of
// 10,000 and 20,000 topics with about 3 KB of topic text each.
//
// Besides the timed runs, the peak memory of one save and one open is
// measured each in a forked child, so that neither the generator nor the
// other runs count: the child reports its peak resident size before and
// after the step.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "core/projectfile/project_file.h"

namespace scrivlet {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kTopicTextBytes = 3 * 1024;

// One paragraph line in the layout the editor writes, with a jump in it.
std::string Paragraph(std::size_t topic, std::size_t para) {
    std::string line = "\\par \\pard\\plain\\f0\\fs22 Paragraph " + std::to_string(para) +
                       " of topic " + std::to_string(topic) +
                       " explains one step of the task in plain words, with a ";
    line += "\\plain\\f0\\fs22\\strike\\cf1 jump\\plain\\f0\\fs22\\cf2 [href=" +
            std::to_string((topic % 97 + 1) * 10) + "]\\plain\\f0\\fs22  to a related topic.";
    return line;
}

Project MakeProject(std::size_t topics) {
    Project p;
    p.HelpTitle = "Benchmark Help";
    p.HelpFileName = "bench.hlp";
    p.WindowDefs = {"main=\"Bench\",(100,100,600,700),0,(r16777215),(r16777215),0"};
    for (std::size_t i = 0; i < topics; ++i) {
        TTopic t = CreateTopic();
        t.TopicID = static_cast<int32_t>((i + 1) * 10);
        t.ContextString = DefaultContextString(t.TopicID);
        t.Title = "Topic number " + std::to_string(i + 1);
        t.Keywords = "bench;topic " + std::to_string(i + 1);
        t.BrowseSeq = "main:" + std::to_string(i + 1);
        t.Text.push_back(
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}"
            "{\\f1\\froman Times New Roman;}}");
        t.Text.push_back(
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;"
            "\\red255\\green0\\blue0;}");
        t.Text.push_back("\\deflang1033\\pard\\plain\\f0\\fs28\\b " + t.Title.str());
        std::size_t size = 0;
        for (const auto& line : t.Text) {
            size += line.size() + 2;
        }
        for (std::size_t para = 1; size < kTopicTextBytes - 8; ++para) {
            t.Text.push_back(Paragraph(i, para));
            size += t.Text.back().size() + 2;
        }
        t.Text.push_back("\\par }");
        p.Topics.Add(std::move(t));
    }
    return p;
}

fs::path BenchFolder() {
    static const fs::path folder = [] {
        auto f = fs::temp_directory_path() / ("scrivlet-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

const Project& CachedProject(std::size_t topics) {
    static std::map<std::size_t, Project> cache;
    auto it = cache.find(topics);
    if (it == cache.end()) {
        it = cache.emplace(topics, MakeProject(topics)).first;
    }
    return it->second;
}

// A written project file of TOPICS topics, made once.
fs::path CachedFile(std::size_t topics) {
    const fs::path path = BenchFolder() / ("read-" + std::to_string(topics) + ".scw");
    if (!fs::exists(path)) {
        WriteProjectFile(CachedProject(topics), path);
    }
    return path;
}

void BM_WriteProjectFile(benchmark::State& state) {
    const auto topics = static_cast<std::size_t>(state.range(0));
    const Project& project = CachedProject(topics);
    const fs::path path = BenchFolder() / ("write-" + std::to_string(topics) + ".scw");
    for (auto _ : state) {
        WriteProjectFile(project, path);
    }
    const auto bytes = fs::file_size(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.SetComplexityN(state.range(0));
}

void BM_SerializeProject(benchmark::State& state) {
    const Project& project = CachedProject(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SerializeProject(project));
    }
    state.SetComplexityN(state.range(0));
}

void BM_ReadProjectFile(benchmark::State& state) {
    const fs::path path = CachedFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto project = ReadProjectFile(path);
        benchmark::DoNotOptimize(project);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(path)));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_WriteProjectFile)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SerializeProject)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadProjectFile)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs STEP in a child and returns the child's peak resident size before and
// after it, in kilobytes.
template <typename Prepare, typename Step>
std::pair<long, long> PeakOfStep(Prepare prepare, Step step) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return {-1, -1};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        auto state = prepare();
        long result[2] = {PeakKilobytes(), 0};
        step(state);
        result[1] = PeakKilobytes();
        const auto written = ::write(fds[1], result, sizeof result);
        ::_exit(written == static_cast<ssize_t>(sizeof result) ? 0 : 1);
    }
    ::close(fds[1]);
    long result[2] = {-1, -1};
    if (::read(fds[0], result, sizeof result) != static_cast<ssize_t>(sizeof result)) {
        result[0] = result[1] = -1;
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {result[0], result[1]};
}

// Runs before anything is cached in this process, so that the children start
// small: a first child writes the file, the others save and open.
void ReportPeakMemory(std::size_t topics) {
    const fs::path file = BenchFolder() / ("peak-" + std::to_string(topics) + ".scw");
    const fs::path target = BenchFolder() / "peak-write.scw";
    PeakOfStep([&] { return MakeProject(topics); },
               [&](const Project& p) { WriteProjectFile(p, file); });
    const double fileMb = static_cast<double>(fs::file_size(file)) / 1e6;

    const auto save = PeakOfStep([&] { return MakeProject(topics); },
                                 [&](const Project& p) { WriteProjectFile(p, target); });
    const auto open = PeakOfStep([] { return 0; },
                                 [&](int) {
                                     auto p = ReadProjectFile(file);
                                     benchmark::DoNotOptimize(p);
                                 });
    std::printf(
        "peak memory, %zu topics, file %.1f MB:\n"
        "  save: %.1f MB with the project in memory, %.1f MB at the end: the save adds "
        "%.1f MB = %.2f x file\n"
        "  open: %.1f MB before, %.1f MB at the end = %.2f x file\n",
        topics, fileMb, save.first / 1e3, save.second / 1e3, (save.second - save.first) / 1e3,
        (save.second - save.first) / 1e3 / fileMb, open.first / 1e3, open.second / 1e3,
        open.second / 1e3 / fileMb);
}

}  // namespace
}  // namespace scrivlet

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    scrivlet::ReportPeakMemory(10000);
    scrivlet::ReportPeakMemory(20000);
    std::fflush(stdout);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove_all(scrivlet::BenchFolder(), ec);
    return 0;
}
