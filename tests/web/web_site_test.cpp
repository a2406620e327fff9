#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "chromium_driver.h"
#include "cli/publish_source.h"
#include "help/html/html_text.h"
#include "help/html/link_target.h"
#include "help/html/publisher.h"
#include "html_site_checker.h"
#include "web_project.h"

namespace scrivlet::web {
namespace {

namespace fs = std::filesystem;
using help::html::Site;
using help::html::SiteMap;

// A word of the sample project and the pages the search finds it on.
constexpr const char* kSampleWord = "hotspot";
constexpr const char* kSampleHits = "welcome.html links.html glossary.html";

// Clicks the first pop-up link of POPUP_PAGE, searches for WORD and follows
// the first, middle and last contents entries, logging each result.
constexpr const char* kDriver = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>driver</title></head><body><pre id="log"></pre>
<iframe id="frame" width="900" height="700"></iframe>
<script>
"use strict";
var frame = document.getElementById("frame");
function log(line) { document.getElementById("log").textContent += line + "\n"; }
function settle(resolve) { frame.onload = function () { resolve(frame.contentDocument); }; }
function load(url) { return new Promise(function (r) { settle(r); frame.src = url; }); }
function follow(link) { return new Promise(function (r) { settle(r); link.click(); }); }
function later(ms) { return new Promise(function (r) { setTimeout(r, ms); }); }
async function run() {
  try {
    var doc = await load(POPUP_PAGE);
    await later(100);
    var link = doc.querySelector("a.popup-link");
    link.click();
    await later(100);
    var panel = doc.getElementById(link.dataset.popup);
    log("popup " + (panel && !panel.hidden ? "open" : "closed") + " on " +
        frame.contentWindow.location.pathname.split("/").pop() + ": " +
        (panel ? panel.textContent.trim().replace(/\s+/g, " ").slice(0, 40) : ""));
    doc = await load("search.html?q=" + encodeURIComponent(WORD));
    await later(300);
    var hits = Array.prototype.map.call(doc.querySelectorAll("#results a"),
        function (a) { return a.getAttribute("href"); });
    log("search: " + hits.join(" "));
    doc = await load("index.html");
    var count = doc.querySelectorAll("ul.contents a").length;
    log("contents entries " + count);
    var picks = [0, Math.floor(count / 2), count - 1];
    for (var i = 0; i < picks.length; i++) {
      doc = await load("index.html");
      var entry = doc.querySelectorAll("ul.contents a")[picks[i]];
      var text = entry.textContent;
      doc = await follow(entry);
      log("contents link " + (doc.title.lastIndexOf(text, 0) === 0 ? "arrives" : "lost") +
          ": " + text + " -> " + doc.title);
    }
  } catch (e) {
    log("error " + e);
  }
  log("done");
}
run();
</script></body></html>
)html";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

// The lines the driver logged, from the DOM chromium dumped.
std::vector<std::string> DriverLog(const std::string& dom) {
    const std::size_t start = dom.find("<pre id=\"log\">");
    const std::size_t end = dom.find("</pre>");
    std::vector<std::string> lines;
    if (start == std::string::npos || end == std::string::npos) {
        return lines;
    }
    std::istringstream text(dom.substr(start + 14, end - start - 14));
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

class WebSite : public ::testing::Test {
protected:
    void Publish(const cli::PublishSource& source, const std::string& name) {
        folder_ = fs::temp_directory_path() / ("scrivlet-web-" + name);
        fs::remove_all(folder_);
        site_ = help::html::Publish(source.document, source.input);
        help::html::WriteSite(site_, folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Every local link resolves; every published topic has its page; every
    // keyword of a published topic is in the index, leading to that page.
    void CheckLinks(const cli::PublishSource& source) {
        const help::html::testing::SiteFiles files = help::html::testing::ReadSiteFolder(folder_);
        EXPECT_EQ(help::html::testing::CheckSite(files), std::vector<std::string>{});
        const SiteMap map(source.document, source.input.helpFileName);
        const std::string& keywords = files.at("keywords.html");
        int built = 0;
        for (std::size_t i = 0; i < source.document.help.topics.size(); ++i) {
            const help::Topic& topic = source.document.help.topics[i];
            if (!topic.built) {
                continue;
            }
            ++built;
            const std::string& page = map.PageOf(static_cast<int>(i));
            ASSERT_TRUE(files.count(page)) << "no page for " << map.Title(static_cast<int>(i));
            for (const std::string& keyword : topic.keywords) {
                const std::string id =
                    help::html::KeywordAnchor(help::html::FoldCase(map.Text(keyword)));
                EXPECT_NE(keywords.find("<dt id=\"" + id + "\">"), std::string::npos) << keyword;
            }
            if (!topic.keywords.empty()) {
                EXPECT_NE(keywords.find("href=\"" + page + "\""), std::string::npos) << page;
            }
        }
        EXPECT_EQ(site_.report.pages, built);
        EXPECT_GT(built, 0);
    }

    // Runs the driver in chromium; empty when there is no chromium.
    std::vector<std::string> Drive(const std::string& popupPage, const std::string& word) {
        const std::string chromium = ChromiumPath();
        if (chromium.empty()) {
            return {};
        }
        std::string driver = Replace(kDriver, "POPUP_PAGE", "\"" + popupPage + "\"");
        driver = Replace(driver, "WORD", "\"" + word + "\"");
        std::ofstream(folder_ / "webtest-driver.html") << driver;
        return DriverLog(DumpDom(chromium, FileUrl(folder_ / "webtest-driver.html")));
    }

    // With SCRIVLET_WEB_SHOTS set, the start page, a topic with its pop-up
    // open, the index and a search are saved there as PNG files.
    void Shots(const std::string& name, const std::string& popupPage, const std::string& panel,
               const std::string& word) {
        const char* shots = std::getenv("SCRIVLET_WEB_SHOTS");
        const std::string chromium = ChromiumPath();
        if (shots == nullptr || chromium.empty()) {
            return;
        }
        const fs::path out(shots);
        fs::create_directories(out);
        const std::string base = FileUrl(folder_) + "/";
        EXPECT_TRUE(
            Screenshot(chromium, base + "index.html", out / (name + "-contents.png"), 1000, 760));
        EXPECT_TRUE(Screenshot(chromium, base + popupPage + "#" + panel,
                               out / (name + "-popup.png"), 1000, 760));
        EXPECT_TRUE(
            Screenshot(chromium, base + "keywords.html", out / (name + "-index.png"), 1000, 760));
        EXPECT_TRUE(Screenshot(chromium, base + "search.html?q=" + word,
                               out / (name + "-search.png"), 1000, 760));
        EXPECT_TRUE(Screenshot(chromium, base + popupPage, out / (name + "-phone.png"), 390, 760));
    }

    // The first page with a pop-up link, and that link's panel id.
    std::pair<std::string, std::string> PopupPage() const {
        for (const help::html::SiteFile& file : site_.files) {
            const auto panels = help::html::testing::AttributeValues(file.bytes, "data-popup");
            if (!panels.empty()) {
                return {file.path, panels[0]};
            }
        }
        return {};
    }

    fs::path folder_;
    Site site_;
};

void ExpectDriverLog(const std::vector<std::string>& log, const std::string& popupPage,
                     const std::string& searchHits) {
    if (ChromiumPath().empty()) {
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh installs it): the browser "
                        "checks did not run";
    }
    ASSERT_EQ(log.size(), 7U) << ::testing::PrintToString(log);
    EXPECT_EQ(log[0].rfind("popup open on " + popupPage + ": ", 0), 0U) << log[0];
    EXPECT_GT(log[0].size(), ("popup open on " + popupPage + ": ").size()) << "an empty panel";
    EXPECT_EQ(log[1], "search: " + searchHits);
    EXPECT_EQ(log[2].rfind("contents entries ", 0), 0U);
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(log[i].rfind("contents link arrives: ", 0), 0U) << log[i];
    }
    EXPECT_EQ(log[6], "done");
}

TEST_F(WebSite, SampleProjectPublishesAndWorksInABrowser) {
    const cli::PublishSource source = cli::LoadPublishSource(SCRIVLET_SAMPLE_PROJECT);
    Publish(source, "sample");
    CheckLinks(source);
    EXPECT_EQ(site_.report.broken, 0) << help::html::ReportLine(site_.report);
    const auto [page, panel] = PopupPage();
    ASSERT_FALSE(page.empty()) << "the sample has no pop-up";
    Shots("sample", page, panel, "keyword");
    ExpectDriverLog(Drive(page, kSampleWord), page, kSampleHits);
}

TEST_F(WebSite, ThousandTopicProjectPublishesAndWorksInABrowser) {
    const cli::PublishSource source = cli::SourceFromProject(GeneratedProject(1000));
    Publish(source, "generated");
    CheckLinks(source);
    EXPECT_EQ(help::html::ReportLine(site_.report), "1000 pages, 4000 links, 0 broken");
    Shots("generated", "topic1.html", "pop-topic1000", "quetzal");
    ExpectDriverLog(Drive("topic1.html", "QUETZ"), "topic1.html", "topic500.html");
}

}  // namespace
}  // namespace scrivlet::web
