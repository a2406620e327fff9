// Publishing a project of 10,000 topics as a web site: the project is read
// into the help model once, then every iteration writes the whole site
// (pages, contents, keyword index, search index) in memory, or in memory
// and to disk. Counters give the site's size and the search index's share.
#include <benchmark/benchmark.h>

#include "hc_bench_project.h"

#include <cstdlib>
#include <filesystem>

#include "cli/publish_source.h"
#include "help/html/publisher.h"

namespace {

namespace fs = std::filesystem;
using namespace scrivlet;

const cli::PublishSource& BigSource() {
    static const cli::PublishSource source = [] {
        Project project;
        project.ProjectFileName = (fs::temp_directory_path() / "bench_publish.scw").string();
        for (int id = 1; id <= bench::kTopics; ++id) {
            project.Topics.Add(bench::MakeTopic(id));
        }
        return cli::SourceFromProject(project);
    }();
    return source;
}

void Report(benchmark::State& state, const help::html::Site& site) {
    std::size_t index = 0;
    for (const help::html::SiteFile& file : site.files) {
        if (file.path == "search-index.js") {
            index = file.bytes.size();
        }
    }
    const std::size_t total = help::html::SiteSize(site);
    state.counters["pages"] = site.report.pages;
    state.counters["site_MB"] = static_cast<double>(total) / 1e6;
    state.counters["index_MB"] = static_cast<double>(index) / 1e6;
    state.counters["index_share_%"] =
        100.0 * static_cast<double>(index) / static_cast<double>(total);
}

void BM_Publish10000TopicsInMemory(benchmark::State& state) {
    const cli::PublishSource& source = BigSource();
    help::html::Site site;
    for (auto _ : state) {
        site = help::html::Publish(source.document, source.input);
        benchmark::DoNotOptimize(site);
    }
    Report(state, site);
}
BENCHMARK(BM_Publish10000TopicsInMemory)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_Publish10000TopicsToDisk(benchmark::State& state) {
    const cli::PublishSource& source = BigSource();
    // SCRIVLET_BENCH_DIR picks the disk (a tmpfs shows the publisher, not
    // the file system).
    const char* dir = std::getenv("SCRIVLET_BENCH_DIR");
    const fs::path folder =
        (dir != nullptr && *dir != '\0' ? fs::path(dir) : fs::temp_directory_path()) /
        "bench_publish_site";
    help::html::Site site;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
        site = help::html::Publish(source.document, source.input);
        help::html::WriteSite(site, folder);
    }
    Report(state, site);
    fs::remove_all(folder);
}
BENCHMARK(BM_Publish10000TopicsToDisk)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
