// Replace in all topics on a large project: 10,000 topics of about 3 KB of
// formatted text each, where the pattern is also a control word ("par") and
// so is met far more often in the RTF than in the text.
#include <benchmark/benchmark.h>

#include <string>

#include "core/model/project.h"
#include "core/search/replace_in_project.h"
#include "core/search/search_text.h"

namespace scrivlet {
namespace {

Project MakeProject(int topics) {
    Project project;
    for (int i = 0; i < topics; ++i) {
        TTopic topic;
        topic.TopicID = i + 1;
        topic.Text.push_back(
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times "
            "New Roman;}}");
        topic.Text.push_back("{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;}");
        std::string first =
            "\\deflang1033\\pard\\plain\\f0\\fs22 Opening paragraph of topic " + std::to_string(i);
        topic.Text.push_back(first);
        for (int p = 0; p < 30; ++p) {
            topic.Text.push_back(
                "\\par \\pard\\plain\\f0\\fs22 A paragraph with a \\plain\\f0\\fs22\\strike\\cf1 "
                "jump\\plain\\f0\\fs22  and some caf\\'e9 text, part " +
                std::to_string(p) + ".");
        }
        topic.Text.push_back("\\par }");
        project.Topics.Add(topic);
    }
    return project;
}

void BM_ReplaceAllInProject(benchmark::State& state) {
    const Project source = MakeProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Project project = source;
        state.ResumeTiming();
        benchmark::DoNotOptimize(ReplaceAllInProject(project, "par", "section", false));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReplaceAllInProject)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReplaceInString(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "a word and another word; ";
    }
    for (auto _ : state) {
        std::string copy = text;
        benchmark::DoNotOptimize(ReplaceInString("WORD", "term", copy, false));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceInString)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scrivlet
BENCHMARK_MAIN();
