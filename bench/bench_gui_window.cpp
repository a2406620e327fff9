// The main window over a 10,000-topic project with about 3 KB of topic text
// each: opening it (file read, grid filled, first topic shown) must take
// under 1 s, and switching topics (store back, show) under 50 ms. Run with
// the offscreen platform (set here) and settings in a temporary folder.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCursor>
#include <filesystem>
#include <memory>
#include <string>

#include "app/editor/tsrichedit.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "core/model/project.h"
#include "core/projectfile/project_file.h"

namespace {

using scrivlet::Project;
using scrivlet::TTopic;

constexpr std::size_t kTextBytes = 3 * 1024;

std::string Paragraph(std::size_t topic, std::size_t para) {
    return "\\par \\pard\\plain\\f0\\fs22 Paragraph " + std::to_string(para) + " of topic " +
           std::to_string(topic) + " explains one step in plain words, with a " +
           "\\plain\\f0\\fs22\\strike\\cf1 jump\\plain\\f0\\fs22\\cf2 [href=" +
           std::to_string((topic % 97 + 1) * 10) + "]\\plain\\f0\\fs22  to another topic.";
}

Project MakeProject(std::size_t topics) {
    Project p;
    p.HelpTitle = "Benchmark Help";
    for (std::size_t i = 0; i < topics; ++i) {
        TTopic t = scrivlet::CreateTopic();
        t.TopicID = static_cast<int32_t>((i + 1) * 10);
        t.ContextString = scrivlet::DefaultContextString(t.TopicID);
        t.Title = "Topic number " + std::to_string(i + 1);
        t.Keywords = "bench;topic " + std::to_string(i + 1);
        t.Text.push_back(
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}"
            "{\\f1\\froman Times New Roman;}}");
        t.Text.push_back(
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green0\\blue0;}");
        t.Text.push_back("\\deflang1033\\pard\\plain\\f0\\fs28\\b " + t.Title.str());
        std::size_t size = 0;
        for (const auto& line : t.Text) {
            size += line.size() + 2;
        }
        for (std::size_t para = 1; size < kTextBytes; ++para) {
            t.Text.push_back(Paragraph(i, para));
            size += t.Text.back().size() + 2;
        }
        t.Text.push_back("\\par }");
        p.Topics.Add(std::move(t));
    }
    return p;
}

struct Fixture {
    QTemporaryDir dir;
    QString file;
    Fixture() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        file = dir.path() + "/bench10000.scw";
        scrivlet::WriteProjectFile(MakeProject(10000), file.toStdString());
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_OpenProjectInWindow(benchmark::State& state) {
    Fixture& f = Shared();
    scrivlet::app::TMainForm form;
    form.resize(800, 600);
    form.show();
    for (auto _ : state) {
        form.SetModified(false);
        const bool read = form.ProjectCmds().ReadProject(f.file);
        QApplication::processEvents();  // the grid and the editor paint
        if (!read || form.GetProject().Topics.Count() != 10000) {
            state.SkipWithError("project not read");
            break;
        }
    }
    state.counters["topics"] = 10000;
}
BENCHMARK(BM_OpenProjectInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// A switch after the author typed in the topic: the editor is stored back
// through the RTF writer, the grid refilled (the typing does not make it
// stale, a title change would), and the next topic read into the editor.
void BM_SwitchTopic(benchmark::State& state) {
    Fixture& f = Shared();
    scrivlet::app::TMainForm form;
    form.resize(800, 600);
    form.show();
    form.ProjectCmds().ReadProject(f.file);
    const bool staleGrid = state.range(0) != 0;
    int step = 0;
    for (auto _ : state) {
        form.RichEdit1()->textCursor().insertText("x");
        if (staleGrid) {
            form.GetProject().TopicGridStale = true;
        }
        form.Action(step++ % 2 == 0 ? "NextBtn" : "PrevBtn")->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchTopic)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
