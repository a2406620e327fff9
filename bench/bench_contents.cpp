#include <benchmark/benchmark.h>

#include <string>

#include "core/contents/contents_edit.h"
#include "core/contents/contents_file.h"
#include "core/model/topic_list.h"
#include "core/report/topic_report.h"

namespace {

// A contents file of COUNT entries: books of nine pages at levels 1 to 3.
std::string MakeContents(int count) {
    std::string text = ":Base manual.hlp>main\r\n:Title The Manual\r\n";
    for (int i = 0; i < count; ++i) {
        const int level = 1 + (i / 10) % 3;
        if (i % 10 == 0) {
            text += std::to_string(level) + " Book " + std::to_string(i) + "\r\n";
        } else {
            text += std::to_string(level + 1) + " Page " + std::to_string(i) + "=scrv" +
                    std::to_string(i) + "@manual.hlp>main ; remark\r\n";
        }
    }
    return text;
}

void BM_ReadContents(benchmark::State& state) {
    const std::string text = MakeContents(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scrivlet::ContentsFile file;
        file.ReadText(text);
        benchmark::DoNotOptimize(file.EntryLines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadContents)->Arg(1000)->Arg(20000);

// What drawing the whole list costs: every entry taken apart once.
void BM_ParseAllEntries(benchmark::State& state) {
    scrivlet::ContentsFile file;
    file.ReadText(MakeContents(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        int pages = 0;
        for (int i = 0; i < file.Count(); ++i) {
            pages += scrivlet::IsPage(file.EntryAt(i)) ? 1 : 0;
        }
        benchmark::DoNotOptimize(pages);
    }
    state.SetItemsProcessed(state.iterations() * file.Count());
}
BENCHMARK(BM_ParseAllEntries)->Arg(1000)->Arg(20000);

void BM_HtmlReport(benchmark::State& state) {
    scrivlet::TTopicList topics;
    for (int i = 0; i < state.range(0); ++i) {
        scrivlet::TTopic topic;
        topic.TopicID = i;
        topic.Title = "Topic <" + std::to_string(i) + "> & more";
        topic.ContextString = "scrv" + std::to_string(i);
        topics.Add(topic);
    }
    scrivlet::ReportOptions options;
    for (const auto field : scrivlet::AllReportFields()) {
        options.Columns.push_back(field);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(scrivlet::BuildReport(topics, options));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HtmlReport)->Arg(5000);

}  // namespace

BENCHMARK_MAIN();
