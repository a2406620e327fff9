// The help viewer on a help file of 10,000 topics, written by our compiler:
// opening it and showing its first topic, switching topics, and the
// full-text index of Find.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "app/viewer/help_window.h"
#include "app/viewer/topic_renderer.h"
#include "app/viewer/topic_view.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "hc_bench_project.h"
#include "help/hlp/hlp_reader.h"
#include "help/viewer_search.h"

namespace {

namespace fs = std::filesystem;
using namespace scrivlet;

// The help file, written once for every benchmark of the run.
const fs::path& BigHelpFile() {
    static const fs::path path = [] {
        const fs::path folder = bench::WriteBuildOutput("bench_viewer");
        const hc::CompileResult result = hc::CompileHelpProject(folder / "scrv1.hpj");
        const fs::path file = folder / "big.hlp";
        WriteFileBytes(file, hc::hlp::BuildHelpFileBytes(result, 0));
        return file;
    }();
    return path;
}

void BM_OpenAndShowFirstTopic(benchmark::State& state) {
    const QString path = QString::fromStdString(BigHelpFile().string());
    for (auto _ : state) {
        app::HelpWindow window(std::make_shared<app::HelpLibrary>());
        window.OpenFile(path);
        benchmark::DoNotOptimize(window.ScrollingView()->document());
    }
}
BENCHMARK(BM_OpenAndShowFirstTopic)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReadHelpFile(benchmark::State& state) {
    for (auto _ : state) {
        const help::HelpDocument document = help::ReadHelpFile(BigHelpFile());
        benchmark::DoNotOptimize(document.help.topics.data());
    }
}
BENCHMARK(BM_ReadHelpFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_TopicSwitch(benchmark::State& state) {
    app::HelpWindow window(std::make_shared<app::HelpLibrary>());
    window.OpenFile(QString::fromStdString(BigHelpFile().string()));
    window.resize(640, 560);
    window.show();
    const int topics = static_cast<int>(window.File()->document.help.topics.size());
    int next = 1;
    for (auto _ : state) {
        window.ShowTopic(next);
        // Laid out as the screen will need it.
        window.ScrollingView()->document()->setTextWidth(600);
        benchmark::DoNotOptimize(window.ScrollingView()->document()->size());
        next = (next * 7 + 1) % topics;
    }
}
BENCHMARK(BM_TopicSwitch)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FullTextIndex(benchmark::State& state) {
    const help::HelpDocument document = help::ReadHelpFile(BigHelpFile());
    for (auto _ : state) {
        const help::FullTextIndex index(document.help);
        benchmark::DoNotOptimize(index.WordCount());
    }
    const help::FullTextIndex index(document.help);
    state.counters["words"] = static_cast<double>(index.WordCount());
    state.counters["hits_topic"] = static_cast<double>(index.Search("topic").size());
}
BENCHMARK(BM_FullTextIndex)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(BigHelpFile().parent_path());
    return 0;
}
