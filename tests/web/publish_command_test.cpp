#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/batch.h"

namespace scrivlet::cli {
namespace {

namespace fs = std::filesystem;

// What publishing the sample project reports.
constexpr const char* kSampleReport = "7 pages, 20 links, 0 broken";

struct Outcome {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Outcome Batch(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.status = RunBatch(args, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

class PublishCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / "scrivlet-publish-command-test";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(PublishCommand, PublishesTheSampleAndEndsWithTheReport) {
    const std::string site = (folder_ / "site").string();
    const Outcome first = Batch({"--publish", "html", SCRIVLET_SAMPLE_PROJECT, site});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, std::string(kSampleReport) + "\n");
    EXPECT_TRUE(fs::exists(fs::path(site) / "index.html"));

    // Again into the same folder: refused, then allowed with --force.
    const Outcome again = Batch({"--publish", "html", SCRIVLET_SAMPLE_PROJECT, site});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(again.err, "scrivlet: " + site +
                             " is not empty; choose an empty folder or add --force to write "
                             "into it\n");
    const Outcome forced = Batch({"--publish", "html", SCRIVLET_SAMPLE_PROJECT, site, "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(forced.out, first.out);
}

TEST_F(PublishCommand, BadInputGivesOneClearMessage) {
    const std::string site = (folder_ / "site").string();
    const std::string missing = (folder_ / "missing.scw").string();
    Outcome outcome = Batch({"--publish", "html", missing, site});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "scrivlet: " + missing + ": no such file\n");

    const std::string broken = (folder_ / "broken.hlp").string();
    std::ofstream(broken) << "this is no help file";
    outcome = Batch({"--publish", "html", broken, site});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err.rfind("scrivlet: " + broken + ": ", 0), 0U) << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    EXPECT_FALSE(fs::exists(site));

    const std::string file = (folder_ / "file.txt").string();
    std::ofstream(file) << "x";
    outcome = Batch({"--publish", "html", SCRIVLET_SAMPLE_PROJECT, file});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "scrivlet: " + file + " is a file, not a folder\n");
}

TEST_F(PublishCommand, WrongArgumentsShowTheUsage) {
    Outcome outcome = Batch({"--publish", "pdf", "a.scw", "out"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find("Usage")),
              "scrivlet: --publish knows one format: html\n");
    outcome = Batch({"--publish", "html", "a.scw"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find("Usage")),
              "scrivlet: --publish html needs a project or help file and an output folder\n");
    outcome = Batch({"--publish", "html", "a.scw", "out", "--fast"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find("Usage")),
              "scrivlet: unexpected argument --fast for --publish\n");
}

}  // namespace
}  // namespace scrivlet::cli
