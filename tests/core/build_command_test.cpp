// "scrivlet --build" end to end: real files in a temporary folder and the
// stand-in compiler run as a child process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "build_test_support.h"
#include "cli/batch.h"
#include "cli/build_command.h"
#include "core/build/build_files.h"
#include "core/build/compile.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

namespace fs = std::filesystem;
using testing::BuildData;

class BuildCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("scrivlet_build_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path CopyCase(const char* name, const char* file) {
        fs::copy_file(BuildData(name) / file, folder / file);
        return folder / file;
    }
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return cli::RunBatch(args, out, err).value_or(-1);
    }
    std::vector<std::string> OutLines() const { return SplitTextLines(out.str()); }
    std::vector<std::string> FolderFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(BuildCommandTest, CleanProjectBuildsAndExitsZero) {
    const auto project = CopyCase("one_topic", "manual.scw");
    EXPECT_EQ(Run({"--build", project.string(), "--compiler", SCRIVLET_FAKEHC, "--base", "scrv5"}),
              0)
        << err.str();
    EXPECT_EQ(OutLines(),
              (std::vector<std::string>{"manual.scw", kHyphenLine,
                                        "scrv5.hpj: 1 context strings, 0 jumps, 0 errors"}));
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"manual.scw"}));
}

TEST_F(BuildCommandTest, KeptFilesAreTheGoldenOnesAndCompilerFindingsCount) {
    const auto project = CopyCase("markup", "markup.scw");
    EXPECT_EQ(Run({"--build", project.string(), "--compiler", SCRIVLET_FAKEHC, "--base", "scrv5",
                   "--keep"}),
              1);
    const std::string rtf = *ReadFileBytes(folder / "scrv5.rtf");
    EXPECT_EQ(rtf, *ReadFileBytes(BuildData("markup") / "expected.rtf"));
    std::string hpj = *ReadFileBytes(BuildData("markup") / "expected.hpj");
    const std::string proj = "/proj/scrv7.rtf";
    hpj.replace(hpj.find(proj), proj.size(), (folder / "scrv5.rtf").string());
    hpj.replace(hpj.find("scrv7.txt"), 9, "scrv5.txt");
    EXPECT_EQ(*ReadFileBytes(folder / "scrv5.hpj"), hpj);

    const auto lines = OutLines();
    ASSERT_EQ(lines.size(), 11u) << out.str();
    EXPECT_EQ(lines[0], "markup.scw");
    EXPECT_EQ(lines[1], "   - Topic \"Dup\" has no keywords.");
    EXPECT_EQ(lines[2], "    Topic ID 999 not found. (topic 10 \"Intro\")");
    EXPECT_EQ(lines[8], kHyphenLine);
    // Of the five jumps only "glossary" names no context string; "!" macros
    // and "@" files are not checked.
    EXPECT_EQ(lines[9], "HC1002: Error: jump to undefined context string glossary (" +
                            (folder / "scrv5.rtf").string() + ", line 8)");
    EXPECT_EQ(lines[10], "scrv5.hpj: 5 context strings, 5 jumps, 1 errors");
    EXPECT_EQ(FolderFiles(),
              (std::vector<std::string>{"markup.scw", "scrv5.hpj", "scrv5.rtf", "scrv5.txt"}));
}

TEST_F(BuildCommandTest, MissingExtraFileIsACompilerError) {
    const auto project = CopyCase("merge_tables", "merge.scw");
    EXPECT_EQ(Run({"--build", project.string(), "--compiler", SCRIVLET_FAKEHC}), 1);
    const auto lines = OutLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "HC1001: Error: file not found: extra.rtf");
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"merge.scw"}));
}

TEST_F(BuildCommandTest, NoRunWritesTheTwoFilesOnly) {
    const auto project = CopyCase("one_topic", "manual.scw");
    EXPECT_EQ(Run({"--build", project.string(), "--no-run", "--base", "out"}), 0);
    EXPECT_EQ(OutLines(), (std::vector<std::string>{"manual.scw"}));
    EXPECT_EQ(*ReadFileBytes(folder / "out.rtf"),
              *ReadFileBytes(BuildData("one_topic") / "expected.rtf"));
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"manual.scw", "out.hpj", "out.rtf"}));
}

TEST_F(BuildCommandTest, RefusalsExplainThemselves) {
    const auto project = CopyCase("one_topic", "manual.scw");
    EXPECT_EQ(Run({"--build"}), 2);
    EXPECT_EQ(Run({"--build", project.string(), "--bogus"}), 2);
    EXPECT_EQ(Run({"--build", project.string(), "--base", "../x"}), 2);
    EXPECT_EQ(Run({"--build", (folder / "none.scw").string(), "--no-run"}), 1);
    EXPECT_NE(err.str().find("no such project file"), std::string::npos);
    EXPECT_EQ(Run({"--build", project.string(), "--compiler", (folder / "HCRTF.EXE").string()}), 1);
    EXPECT_NE(err.str().find("no help compiler"), std::string::npos);
    EXPECT_EQ(Run({"--build", project.string(), "--compiler", project.string()}), 1);
    EXPECT_NE(err.str().find("is not the help compiler"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"manual.scw"}));
}

TEST_F(BuildCommandTest, BaseNameWithExistingFilesIsRefusedUnlessForced) {
    const auto project = CopyCase("one_topic", "manual.scw");
    WriteFileBytes(folder / "notes.rtf", "the author's own");
    EXPECT_EQ(Run({"--build", project.string(), "--no-run", "--base", "notes"}), 1);
    EXPECT_EQ(err.str(), "scrivlet: " + (folder / "notes.rtf").string() +
                             " already exists; --base notes would overwrite and then delete it "
                             "(add --force to allow that)\n");
    EXPECT_EQ(ReadFileBytes(folder / "notes.rtf"), "the author's own");
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"manual.scw", "notes.rtf"}));
    EXPECT_EQ(Run({"--build", project.string(), "--no-run", "--base", "notes", "--force"}), 0);
    EXPECT_NE(ReadFileBytes(folder / "notes.rtf"), "the author's own");
}

TEST_F(BuildCommandTest, HelpFileThatIsTheProjectFileIsRefused) {
    const auto project = CopyCase("one_topic", "manual.scw");
    auto read = ReadProjectFile(project);
    ASSERT_TRUE(read);
    read->HelpFileName = ".\\.\\manual.scw";
    WriteProjectFile(*read, project);
    const auto before = ReadFileBytes(project);
    EXPECT_EQ(Run({"--build", project.string(), "--compiler", SCRIVLET_FAKEHC}), 1);
    EXPECT_EQ(err.str(), "scrivlet: " + HelpIsProjectMessage(".\\.\\manual.scw") + "\n");
    EXPECT_EQ(ReadFileBytes(project), before);
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"manual.scw"}));
}

TEST_F(BuildCommandTest, CompilerComesFromTheSettingsWhenNotGiven) {
    const auto project = CopyCase("one_topic", "manual.scw");
    fs::create_directories(folder / "config" / "Scrivlet");
    WriteFileBytes(folder / "config" / "Scrivlet" / "Scrivlet.conf",
                   std::string("[General]\nCompiler=/nowhere\n[Settings]\nCompiler=\"") +
                       SCRIVLET_FAKEHC + "\"\n");
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    const int status = Run({"--build", project.string(), "--base", "scrv2"});
    if (old) {
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_EQ(OutLines().back(), "scrv2.hpj: 1 context strings, 0 jumps, 0 errors");
}

TEST_F(BuildCommandTest, SampleManualBuildsWithoutErrors) {
    const fs::path sample = fs::path(SCRIVLET_TEST_DATA).parent_path().parent_path() / "examples" /
                            "manual" / "manual.scw";
    ASSERT_TRUE(fs::exists(sample)) << sample;
    fs::copy_file(sample, folder / "manual.scw");
    EXPECT_EQ(Run({"--build", (folder / "manual.scw").string(), "--compiler", SCRIVLET_FAKEHC,
                   "--base", "scrv1"}),
              0)
        << out.str() << err.str();
    const auto lines = OutLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find(" 0 errors"), std::string::npos) << out.str();
}

TEST(IniValue, ReadsQuotedAndEscapedValuesOfItsGroup) {
    const std::string ini =
        "[Settings]\r\nInsColor=9\r\nCompiler=C:\\\\HCW\\\\HCRTF.EXE\r\nTitle=\"a, b; c\"\r\n"
        "[Tools]\nCompiler=other\n";
    EXPECT_EQ(cli::IniValue(ini, "Settings", "Compiler"), "C:\\HCW\\HCRTF.EXE");
    EXPECT_EQ(cli::IniValue(ini, "Settings", "Title"), "a, b; c");
    EXPECT_EQ(cli::IniValue(ini, "Tools", "Compiler"), "other");
    EXPECT_FALSE(cli::IniValue(ini, "Settings", "Missing").has_value());
}

}  // namespace
}  // namespace scrivlet
