// The help build on a large project: 3 KB of text per topic, 5 links per
// topic, 20 fonts and 16 colours spread over the topics so that every later
// topic has references to renumber.
#include <benchmark/benchmark.h>

#include <string>

#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"

namespace scrivlet {
namespace {

const char* const kFamilies[] = {"\\fswiss", "\\froman", "\\fmodern", "\\fdecor", "\\fscript"};

std::string FontGroup(int number, int font) {
    return "{\\f" + std::to_string(number) + kFamilies[font % 5] + "\\fprq2 Font Name " +
           std::to_string(font) + ";}";
}

std::string ColorEntry(int color) {
    return "\\red" + std::to_string(color * 16) + "\\green" + std::to_string(255 - color * 8) +
           "\\blue" + std::to_string(color * 3) + ";";
}

// Topic I uses fonts I..I+3 (mod 20) and colours I..I+5 (mod 16), listed in
// its own order, so its table numbers differ from the merged ones.
TTopic MakeTopic(int i, int count) {
    TTopic topic;
    topic.TopicID = (i + 1) * 10;
    topic.ContextString = "ctx" + std::to_string(i);
    topic.Title = "Topic number " + std::to_string(i);
    topic.Keywords = "alpha;beta;topic " + std::to_string(i);
    std::string fonts = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl";
    for (int f = 0; f < 4; ++f) {
        fonts += FontGroup(f, (i + f * 7) % 20);
    }
    topic.Text.push_back(fonts + "}");
    std::string colors = "{\\colortbl";
    for (int c = 0; c < 6; ++c) {
        colors += ColorEntry((i + c * 5) % 16);
    }
    topic.Text.push_back(colors + "}");
    std::string body = "\\deflang1033\\pard\\plain\\f0\\fs22 Heading of the topic[keepn]";
    topic.Text.push_back(body);
    std::size_t size = body.size();
    int line = 0;
    while (size < 3000) {
        std::string par = "\\par \\pard\\plain\\f" + std::to_string(line % 4) +
                          "\\fs22 Some ordinary text of a paragraph, with \\plain\\f" +
                          std::to_string((line + 1) % 4) + "\\fs22\\cf" + std::to_string(line % 6) +
                          " coloured words\\plain\\f0\\fs22  in it";
        if (line < 5) {
            const int target = (i * 7 + line * 13) % count;
            par += " \\plain\\f0\\fs22\\strike\\cf1 jump\\plain\\f0\\fs22\\cf2 [href=" +
                   std::to_string((target + 1) * 10) + "]\\plain\\f0\\fs22  and on.";
        }
        size += par.size();
        topic.Text.push_back(std::move(par));
        ++line;
    }
    topic.Text.emplace_back("\\par }");
    return topic;
}

Project MakeProject(int count) {
    Project project;
    project.ProjectFileName = "/bench/manual.scw";
    project.HelpFileName = ".\\manual.hlp";
    project.Topics.Clear();
    for (int i = 0; i < count; ++i) {
        project.Topics.Add(MakeTopic(i, count));
    }
    return project;
}

void BM_BuildTopicRtfAndHelpProject(benchmark::State& state) {
    Project project = MakeProject(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        LinesLog log;
        NoProgress progress;
        auto rtf = BuildTopicRtf(project, log, progress);
        auto hpj = BuildHelpProject(project, "scrv1", "/bench/");
        benchmark::DoNotOptimize(rtf.data());
        benchmark::DoNotOptimize(hpj.data());
        if (!log.lines.empty()) {
            state.SkipWithError("the build logged problems");
        }
        bytes = 0;
        for (const auto& line : rtf) {
            bytes += line.size() + 2;
        }
    }
    state.counters["rtf_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_BuildTopicRtfAndHelpProject)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace scrivlet

BENCHMARK_MAIN();
