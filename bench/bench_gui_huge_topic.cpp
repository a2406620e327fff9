// A topic whose text is one line of RANGE(0) MB (as pasted from elsewhere),
// with the window's limit for one paragraph RANGE(1) KB (0: its own):
// showing it in the window must stay well under a second and take memory
// in proportion to the editor's load limit, not to the topic. The window
// opens the topic's beginning only (read-only, with a notice). Run with the
// offscreen platform (set here) and settings in a temporary folder.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <string>

#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "core/model/project.h"
#include "core/projectfile/project_file.h"

namespace {

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void BM_ShowOneLineTopic(benchmark::State& state) {
    const std::size_t megabytes = static_cast<std::size_t>(state.range(0));
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const QString file = dir.path() + "/huge.scw";
    {
        scrivlet::Project project;
        project.Reset();
        project.ProjectFileName = file.toStdString();
        for (int id : {10, 20}) {
            scrivlet::TTopic topic = scrivlet::CreateTopic();
            topic.TopicID = id;
            topic.Text = {"{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                          "{\\colortbl\\red0\\green0\\blue0;}",
                          "\\deflang1033\\pard\\plain\\f0\\fs22 Short", "\\par }"};
            project.Topics.Add(std::move(topic));
        }
        std::string& line = project.Topics[1].Text[2];
        line.reserve(megabytes << 20);
        while (line.size() < (megabytes << 20)) {
            line += " Some words of a long line \\b bold\\b0  and on.";
        }
        scrivlet::WriteProjectFile(project, file.toStdString());
    }
    scrivlet::app::TMainForm form;
    form.resize(800, 600);
    form.show();
    if (!form.ProjectCmds().ReadProject(file)) {
        state.SkipWithError("project not read");
        return;
    }
    if (state.range(1) > 0) {
        form.SetEditorLoadLimit(
            {form.EditorLoadLimit().total, static_cast<std::size_t>(state.range(1)) * 1024});
    }
    QApplication::processEvents();
    std::size_t heap = 0;
    double showMs = 0;
    double eventsMs = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        QElapsedTimer clock;
        clock.start();
        form.Action("NextBtn")->trigger();  // to the huge topic
        showMs = static_cast<double>(clock.elapsed());
        QApplication::processEvents();
        eventsMs = static_cast<double>(clock.elapsed()) - showMs;
        heap = HeapInUse() - before;
        state.PauseTiming();
        if (!form.EditorHoldsPart()) {
            state.SkipWithError("the whole topic was loaded");
        }
        form.Action("PrevBtn")->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["topic_MB"] = static_cast<double>(megabytes);
    state.counters["show_ms"] = showMs;
    state.counters["then_events_ms"] = eventsMs;
    state.counters["heap_MB"] = static_cast<double>(heap) / (1 << 20);
}
BENCHMARK(BM_ShowOneLineTopic)
    ->Args({100, 0})
    ->Args({100, 1024})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
