#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "chromium_driver.h"
#include "cli/publish_source.h"
#include "core/build/build_files.h"
#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "help/html/publisher.h"
#include "html_site_checker.h"
#include "web_project.h"

namespace scrivlet::web {
namespace {

namespace fs = std::filesystem;
using help::html::ReportLine;

// A 24-bit BMP file of 4 x 2 pixels: red, green, blue, white over black,
// white, black, white (rows stored bottom-up).
std::string SmallBmp() {
    std::string bmp = "BM";
    auto put32 = [&bmp](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    auto put16 = [&bmp](uint16_t v) {
        bmp += static_cast<char>(v & 0xFF);
        bmp += static_cast<char>(v >> 8);
    };
    put32(14 + 40 + 24);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(4);
    put32(2);
    put16(1);
    put16(24);
    for (int i = 0; i < 6; ++i) {
        put32(0);
    }
    const std::string bottom("\0\0\0\xFF\xFF\xFF\0\0\0\xFF\xFF\xFF", 12);
    const std::string top("\0\0\xFF\0\xFF\0\xFF\0\0\xFF\xFF\xFF", 12);  // blue, green, red bytes
    return bmp + bottom + top;
}

class WebHelpFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / "scrivlet-web-help-file";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Publishes SOURCE into folder_/site and checks every link.
    help::html::Site PublishChecked(const cli::PublishSource& source) {
        help::html::Site site = help::html::Publish(source.document, source.input);
        help::html::WriteSite(site, folder_ / "site");
        EXPECT_EQ(
            help::html::testing::CheckSite(help::html::testing::ReadSiteFolder(folder_ / "site")),
            std::vector<std::string>{});
        return site;
    }

    fs::path folder_;
};

TEST_F(WebHelpFile, CompiledSampleGivesTheSameSiteAsItsProject) {
    // The sample built and compiled into a help file as hcrtf does it.
    std::optional<Project> project = ReadProjectFile(SCRIVLET_SAMPLE_PROJECT);
    ASSERT_TRUE(project);
    LinesLog log;
    NoProgress progress;
    const std::string stem = (folder_ / "manual").string();
    WriteFileBytes(stem + ".rtf", JoinCrLf(BuildTopicRtf(*project, log, progress)));
    project->HelpFileName = "manual.hlp";
    WriteFileBytes(stem + ".hpj",
                   JoinCrLf(BuildHelpProject(*project, "manual", folder_.string() + "/")));
    const hc::CompileResult compiled = hc::CompileHelpProject(stem + ".hpj");
    WriteFileBytes(stem + ".hlp", hc::hlp::BuildHelpFileBytes(compiled, 0));

    // The contents file beside it, whatever the letter case of its name.
    WriteFileBytes(folder_ / "MANUAL.CNT",
                   ":Base manual.hlp\r\n1 Start here\r\n2 First=welcome\r\n");

    const help::html::Site fromFile = PublishChecked(cli::LoadPublishSource(stem + ".hlp"));
    const std::string index = ReadFileBytes(folder_ / "site" / "index.html").value_or("");
    EXPECT_NE(index.find("<summary>Start here</summary>\n<ul>\n<li class=\"page\"><a "
                         "href=\"welcome.html\">First</a></li>"),
              std::string::npos)
        << index;
    const help::html::Site fromProject =
        help::html::Publish(cli::LoadPublishSource(SCRIVLET_SAMPLE_PROJECT).document, {});
    // The same pages and topic links; the contents differ (a file against browse order).
    EXPECT_EQ(fromFile.report.pages, fromProject.report.pages);
    EXPECT_EQ(ReportLine(fromFile.report), "7 pages, 14 links, 0 broken");
    EXPECT_EQ(ReportLine(fromProject.report), "7 pages, 20 links, 0 broken");
}

TEST_F(WebHelpFile, BitmapsBecomePngFilesABrowserShows) {
    Project project = GeneratedProject(3);
    project.ProjectFileName = (folder_ / "pictures.scw").string();
    std::vector<std::string>& text = project.Topics[0].Text;
    text.insert(text.end() - 1, "\\par \\pard\\plain\\f0\\fs22 A picture: \\{bmc small.bmp\\}");
    WriteFileBytes(folder_ / "small.bmp", SmallBmp());

    const cli::PublishSource source = cli::SourceFromProject(project);
    ASSERT_EQ(source.document.pictures.size(), 1U);
    EXPECT_EQ(source.document.pictures[0].pixels,
              (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000,
                                     0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}));
    const help::html::Site site = PublishChecked(source);
    EXPECT_TRUE(fs::exists(folder_ / "site" / "images" / "small.png"));

    const std::string chromium = ChromiumPath();
    if (chromium.empty()) {
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh installs it): the browser "
                        "did not decode the picture";
    }
    std::ofstream(folder_ / "site" / "webtest-picture.html")
        << "<!DOCTYPE html><html><head><title>x</title></head><body><img src=\"images/small.png\""
           " onload=\"document.title = this.naturalWidth + 'x' + this.naturalHeight\">"
           "</body></html>";
    const std::string dom =
        DumpDom(chromium, FileUrl(folder_ / "site" / "webtest-picture.html"), 3000);
    EXPECT_NE(dom.find("<title>4x2</title>"), std::string::npos) << dom;
}

}  // namespace
}  // namespace scrivlet::web
