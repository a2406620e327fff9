#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/util/file_io.h"
#include "hc/command_line.h"
#include "hc/hlp/hlp_writer.h"

namespace scrivlet::hc {
namespace {

using hlp::GroupedNumber;

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

// A jump to nowhere is worth a warning, not the help file.
TEST_F(HcrtfRun, WritesTheLogNamedByErrorlogAndTheHelpFileInSpiteOfWarnings) {
    Write("p.hpj", "[OPTIONS]\r\nERRORLOG=.\\p.txt\r\nREPORT=Yes\r\n\r\n[FILES]\r\ntopics.rtf\r\n");
    Write("topics.rtf", kTopics);
    std::ostringstream out, err;
    const int status = RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err);
    EXPECT_EQ(status, 0);
    const std::string size = GroupedNumber(fs::file_size(folder_ / "p.hlp"));
    const std::string expected =
        "HC4001: Warning: topics.rtf, topic #1 \"Introduction\": Jump to undefined context "
        "string \"missing\".\r\n"
        "1 topic, 1 jump, 0 pop-ups, 0 keywords, 0 bitmaps compiled.\r\n"
        "0 errors, 1 warning.\r\n"
        "Created p.hlp, " +
        size + " bytes.\r\n";
    EXPECT_EQ(ReadFileBytes(folder_ / "p.txt").value_or("(none)"), expected);
    std::string plain = expected;
    for (std::size_t at; (at = plain.find('\r')) != std::string::npos;) {
        plain.erase(at, 1);
    }
    EXPECT_EQ(out.str(), plain);
    EXPECT_EQ(err.str(), "");
}

TEST_F(HcrtfRun, QuietWritesOnlyTheLogAndItAlwaysHasTheTotals) {
    Write("p.hpj", "[OPTIONS]\nERRORLOG=log.txt\n[FILES]\ntopics.rtf\n");
    std::string clean = kTopics;
    clean.replace(clean.find("missing"), 7, "intro");
    Write("topics.rtf", clean);
    std::ostringstream out, err;
    EXPECT_EQ(RunHcrtf({"-xn", (folder_ / "p.hpj").string()}, out, err), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(ReadFileBytes(folder_ / "log.txt").value_or("(none)"),
              "1 topic, 1 jump, 0 pop-ups, 0 keywords, 0 bitmaps compiled.\r\n"
              "0 errors, 0 warnings.\r\n"
              "Created p.hlp, " +
                  GroupedNumber(fs::file_size(folder_ / "p.hlp")) + " bytes.\r\n");
}

// A file of the help file's name that is not a help file is someone's work.
TEST_F(HcrtfRun, RefusesToReplaceAFileThatIsNotAHelpFile) {
    Write("p.hpj", "[OPTIONS]\nHLP=p.scw\n[FILES]\ntopics.rtf\n");
    Write("topics.rtf", kTopics);
    Write("p.scw", "[PROJECT]\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err), 1);
    EXPECT_EQ(ReadFileBytes(folder_ / "p.scw"), "[PROJECT]\r\n");
    EXPECT_NE(out.str().find("HC5004: Fatal Error: \"p.scw\" is a file but not a help file; it "
                             "is not replaced. Name another help file in the HLP option.\n"),
              std::string::npos);
    EXPECT_NE(out.str().find("\nNo help file was written.\n"), std::string::npos);
    // A help file, or an empty file, is replaced.
    fs::remove(folder_ / "p.scw");
    EXPECT_EQ(RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err), 0);
    const std::string first = ReadFileBytes(folder_ / "p.scw").value_or("");
    EXPECT_EQ(first.substr(0, 4), std::string("\x3F\x5F\x03\x00", 4));
    EXPECT_EQ(RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err), 0);
    Write("p.scw", "");
    EXPECT_EQ(RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err), 0);
    EXPECT_EQ(ReadFileBytes(folder_ / "p.scw").value_or("").size(), first.size());
}

// The previous help file stays whole when the new one cannot be written.
TEST_F(HcrtfRun, AFailedWriteLeavesThePreviousHelpFile) {
    Write("p.hpj", "[OPTIONS]\n[FILES]\ntopics.rtf\n");
    Write("topics.rtf", kTopics);
    std::ostringstream out, err;
    ASSERT_EQ(RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err), 0);
    const std::optional<std::string> before = ReadFileBytes(folder_ / "p.hlp");
    Write("topics.rtf", std::string(kTopics) + "{\\page}");
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    std::ostringstream failed;
    const int status = RunHcrtf({"-x", (folder_ / "p.hpj").string()}, failed, err);
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(status, 1);
    EXPECT_NE(failed.str().find("HC5001: Fatal Error: The help file \"p.hlp\" cannot be written"),
              std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder_ / "p.hlp"), before);
}

TEST_F(HcrtfRun, AHelpFileThatCannotBeWrittenIsFatal) {
    Write("p.hpj", "[OPTIONS]\nHLP=nofolder\\p.hlp\n[FILES]\ntopics.rtf\n");
    Write("topics.rtf", kTopics);
    std::ostringstream out, err;
    EXPECT_EQ(RunHcrtf({"-x", (folder_ / "p.hpj").string()}, out, err), 1);
    EXPECT_NE(out.str().find("HC5001: Fatal Error: The help file \"nofolder\\p.hlp\" cannot be "
                             "written"),
              std::string::npos);
    EXPECT_NE(out.str().find("\nNo help file was written.\n"), std::string::npos);
}

TEST_F(HcrtfRun, WarningsAloneDoNotFail) {
    Write("p.hpj", "[OPTIONS]\nERRORLOG=log.txt\nFTS=1\n[FILES]\ntopics.rtf\n");
    std::string clean = kTopics;
    clean.replace(clean.find("missing"), 7, "intro");
    Write("topics.rtf", clean);
    std::ostringstream out, err;
    EXPECT_EQ(RunHcrtf({(folder_ / "p.hpj").string()}, out, err), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n') + 1),
              "HC1003: Warning: p.hpj, line 3: The option FTS is not supported; it is ignored.\n");
}

TEST_F(HcrtfRun, MissingProjectIsAnError) {
    std::ostringstream out, err;
    const fs::path missing = folder_ / "none.hpj";
    EXPECT_EQ(RunHcrtf({"-x", missing.string()}, out, err), 1);
    EXPECT_EQ(out.str(), "HC1001: Fatal Error: The help project file \"" + missing.string() +
                             "\" cannot be read.\n"
                             "0 topics, 0 jumps, 0 pop-ups, 0 keywords, 0 bitmaps compiled.\n"
                             "1 error, 0 warnings.\n"
                             "No help file was written.\n");
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
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_EQ(
        ReadFileBytes(folder_ / "p.txt")
            .value_or("(none)")
            .rfind("HC4001: Warning: topics.rtf, topic #1 \"Introduction\": Jump to undefined "
                   "context string \"missing\".\r\n",
                   0),
        0u);
    EXPECT_TRUE(fs::exists(folder_ / "p.hlp"));
}

}  // namespace
}  // namespace scrivlet::hc
