#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/check_command.h"
#include "core/projectfile/project_file.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

using projectfile_test::FullProject;
using projectfile_test::TempFolder;
using projectfile_test::WriteBytes;

TEST(DescribeProject, ListsTheSettingsTheListsAndOneLinePerTopic) {
    Project p = FullProject();
    p.ProjectFileName = "/x/help.scw";
    EXPECT_EQ(cli::DescribeProject(p),
              "Project: /x/help.scw\n"
              "Help title: My Help\n"
              "Help file: .\\out\\my.hlp\n"
              "Contents file: my.cnt\n"
              "Copyright: Copyright \xc2\xa9 2026 Somebody\n"
              "Citation: Quoted from My Help\n"
              "Default topic: intro\n"
              "Compress: no\n"
              "Show error log: no\n"
              "Show help after compile: yes\n"
              "Include tag: final\n"
              "Exclude tag: draft\n"
              "Template file: C:\\templates\\topic.rtf\n"
              "Windows: 2\n"
              "  main=\"Main\",(10,20,500,600),16384,(r16777215),(r12648447),0\n"
              "  pop=\"\",,4,(r0),(r0),1\n"
              "Config macros: 2\n"
              "  BrowseButtons()\n"
              "  CreateButton(\"x\",\"&X\",\"Exit()\")\n"
              "Bitmap folders: 3\n"
              "  C:\\pics\\\n"
              "  \n"
              "  D:\\art\\\n"
              "RTF files: 1\n"
              "  extra.rtf\n"
              "Topics: 3\n"
              "10\tintro\tIntroduction\t5 lines\n"
              "-5\t\ta=b=c\t0 lines\n"
              "2147483647\tlast\tLast\t5 lines\n");
}

TEST(DescribeProject, ShowsControlBytesAsQuestionMarks) {
    Project p;
    p.HelpTitle = "a\x1b[31mb\x9d";
    TTopic topic = CreateTopic();
    topic.Title = "t\tu";
    topic.Text = {"{x}"};
    p.Topics.Add(topic);
    const std::string out = cli::DescribeProject(p);
    EXPECT_NE(out.find("Help title: a?[31mb?\n"), std::string::npos) << out;
    // A tab in a title would break the columns of the topic line.
    EXPECT_NE(out.find("\tt?u\t1 line\n"), std::string::npos) << out;
}

TEST(RunCheck, DescribesAGoodProjectAndExitsZero) {
    TempFolder folder;
    const auto path = folder / "good.scw";
    WriteProjectFile(FullProject(), path);
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCheck(path.string(), out, err), 0);
    EXPECT_EQ(err.str(), "");
    auto expected = *ReadProjectFile(path);
    EXPECT_EQ(out.str(), cli::DescribeProject(expected));
    EXPECT_NE(out.str().find("Project: " + path.string() + "\n"), std::string::npos);
}

TEST(RunCheck, BadFilePrintsTheErrorAndExitsNonZero) {
    TempFolder folder;
    const auto path = folder / "bad.scw";
    WriteBytes(path, "[PROJECT]\r\n12\r\nERROR=no\r\n[TOPICS]\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCheck(path.string(), out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "scrivlet: 'no' is not a valid integer value. (" + path.string() + ", line 3)\n");
}

TEST(RunCheck, MissingFileIsAnError) {
    TempFolder folder;
    const auto path = (folder / "none.scw").string();
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCheck(path, out, err), 1);
    EXPECT_EQ(err.str(), "scrivlet: " + path + ": no such project file\n");
}

TEST(RunBatch, RoutesCheckHelpAndUnknownOptions) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunBatch({}, out, err), std::nullopt);
    EXPECT_EQ(cli::RunBatch({"project.scw"}, out, err), std::nullopt);
    EXPECT_EQ(cli::RunBatch({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("--check PROJECT.scw"), std::string::npos);
    EXPECT_EQ(cli::RunBatch({"--check"}, out, err), 2);
    EXPECT_EQ(cli::RunBatch({"--bogus"}, out, err), 2);
    EXPECT_NE(err.str().find("unknown option --bogus"), std::string::npos);

    TempFolder folder;
    const auto path = folder / "p.scw";
    WriteProjectFile(FullProject(), path);
    std::ostringstream checkOut;
    EXPECT_EQ(cli::RunBatch({"--check", path.string()}, checkOut, err), 0);
    EXPECT_NE(checkOut.str().find("Topics: 3\n"), std::string::npos);
}

}  // namespace
}  // namespace scrivlet
