#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/util/file_io.h"
#include "hc/command_line.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

TEST(HcrtfArguments, AcceptsTheBuildsCommandLine) {
    const HcrtfArguments a = ParseHcrtfArguments({"-x", "scrv12.hpj"});
    EXPECT_EQ(a.error, "");
    EXPECT_EQ(a.projectFile, "scrv12.hpj");
    EXPECT_FALSE(a.quiet);
    EXPECT_EQ(ParseHcrtfArguments({"scrv12.hpj"}).projectFile, "scrv12.hpj");
    EXPECT_EQ(ParseHcrtfArguments({"/X", "p.hpj"}).error, "");
    // A path from the root is a file, not a switch.
    EXPECT_EQ(ParseHcrtfArguments({"/x", "/tmp/p.hpj"}).projectFile, "/tmp/p.hpj");
}

TEST(HcrtfArguments, CombinedLettersAndOutputFile) {
    const HcrtfArguments a = ParseHcrtfArguments({"-xn", "-o", "out.hlp", "p.hpj"});
    EXPECT_EQ(a.error, "");
    EXPECT_TRUE(a.quiet);
    EXPECT_EQ(a.outputFile, "out.hlp");
    EXPECT_EQ(ParseHcrtfArguments({"-oother.hlp", "p.hpj"}).outputFile, "other.hlp");
    EXPECT_TRUE(ParseHcrtfArguments({"--help"}).usage);
}

TEST(HcrtfArguments, RefusesWhatItCannotRun) {
    EXPECT_EQ(ParseHcrtfArguments({}).error, "No help project file was given.");
    EXPECT_EQ(ParseHcrtfArguments({"-x"}).error, "No help project file was given.");
    EXPECT_EQ(ParseHcrtfArguments({"-q", "p.hpj"}).error, "Unknown option \"-q\".");
    EXPECT_EQ(ParseHcrtfArguments({"a.hpj", "b.hpj"}).error,
              "Only one help project file can be compiled at a time.");
    EXPECT_EQ(ParseHcrtfArguments({"p.hpj", "-o"}).error,
              "-o needs the name of the help file to write.");
}

class HcrtfRun : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("hcrtf_run_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const std::string& bytes) {
        WriteFileBytes(folder_ / name, bytes);
    }

    fs::path folder_;
};

constexpr const char* kTopics =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
    "{\\colortbl\\red0\\green0\\blue0;}\n"
    "#{\\footnote intro} \n"
    "${\\footnote Introduction} \n"
    "\\deflang1033\\pard\\plain\\f0\\fs22 See {\\strike more}{\\v missing}.\n"
    "\\par }\n";

TEST_F(HcrtfRun, WritesTheLogNamedByErrorlogAndSetsTheExitStatus) {
    Write("p.hpj", "[OPTIONS]\r\nERRORLOG=.\\p.txt\r\nREPORT=Yes\r\n\r\n[FILES]\r\ntopics.rtf\r\n");
    Write("topics.rtf", kTopics);
    std::ostringstream out, err;
    const int status = RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err);
    EXPECT_EQ(status, 1);
    const std::string expected =
        "HC4001: Error: topics.rtf, topic #1 \"Introduction\": Jump to undefined context "
        "string \"missing\".\r\n"
        "1 topic, 1 jump, 0 pop-ups, 0 keywords, 0 bitmaps compiled.\r\n"
        "1 error, 0 warnings.\r\n";
    EXPECT_EQ(ReadFileBytes(folder_ / "p.txt").value_or("(none)"), expected);
    std::string plain = expected;
    for (std::size_t at; (at = plain.find('\r')) != std::string::npos;) {
        plain.erase(at, 1);
    }
    EXPECT_EQ(out.str(), plain);
    EXPECT_EQ(err.str(), "");
}

TEST_F(HcrtfRun, CleanProjectExitsWithZeroAndQuietWritesOnlyTheLog) {
    Write("p.hpj", "[OPTIONS]\nERRORLOG=log.txt\n[FILES]\ntopics.rtf\n");
    std::string clean = kTopics;
    clean.replace(clean.find("missing"), 7, "intro");
    Write("topics.rtf", clean);
    std::ostringstream out, err;
    EXPECT_EQ(RunHcrtf({"-xn", (folder_ / "p.hpj").string()}, out, err), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(ReadFileBytes(folder_ / "log.txt").value_or("(none)"), "");
}

TEST_F(HcrtfRun, WarningsAloneDoNotFail) {
    Write("p.hpj", "[OPTIONS]\nERRORLOG=log.txt\nFTS=1\n[FILES]\ntopics.rtf\n");
    std::string clean = kTopics;
    clean.replace(clean.find("missing"), 7, "intro");
    Write("topics.rtf", clean);
    std::ostringstream out, err;
    EXPECT_EQ(RunHcrtf({(folder_ / "p.hpj").string()}, out, err), 0);
    EXPECT_EQ(out.str(),
              "HC1003: Warning: p.hpj, line 3: The option FTS is not supported; it is ignored.\n");
}

TEST_F(HcrtfRun, MissingProjectIsAnError) {
    std::ostringstream out, err;
    const fs::path missing = folder_ / "none.hpj";
    EXPECT_EQ(RunHcrtf({"-x", missing.string()}, out, err), 1);
    EXPECT_EQ(out.str(), "HC1001: Error: The help project file \"" + missing.string() +
                             "\" cannot be read.\n");
}

TEST_F(HcrtfRun, UnwritableLogIsReportedAndFails) {
    Write("p.hpj", "[OPTIONS]\nERRORLOG=nofolder/log.txt\n[FILES]\ntopics.rtf\n");
    std::string clean = kTopics;
    clean.replace(clean.find("missing"), 7, "intro");
    Write("topics.rtf", clean);
    std::ostringstream out, err;
    EXPECT_EQ(RunHcrtf({(folder_ / "p.hpj").string()}, out, err), 1);
    EXPECT_NE(err.str().find("hcrtf: the log file cannot be written"), std::string::npos);
}

TEST_F(HcrtfRun, TheProgramRunsInTheProjectFolder) {
    Write("p.hpj", "[OPTIONS]\r\nERRORLOG=.\\p.txt\r\n[FILES]\r\ntopics.rtf\r\n");
    Write("topics.rtf", kTopics);
    const std::string command =
        "cd '" + folder_.string() + "' && '" HCRTF_PATH "' -x p.hpj > out.txt 2>&1";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_EQ(ReadFileBytes(folder_ / "p.txt").value_or("(none)"),
              "HC4001: Error: topics.rtf, topic #1 \"Introduction\": Jump to undefined context "
              "string \"missing\".\r\n");
}

}  // namespace
}  // namespace scrivlet::hc
