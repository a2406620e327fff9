// What keeps a project from being lost through its file: files that are not
// projects are refused, cut-off files are read and flagged, every list reads
// back by its count, and a killed save leaves nothing behind for long.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/check_command.h"
#include "core/projectfile/project_file.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

using projectfile_test::FullProject;
using projectfile_test::ReadBytes;
using projectfile_test::TempFolder;
using projectfile_test::WriteBytes;

std::string RefusalOf(std::string_view bytes) {
    try {
        ParseProject(bytes, "f.scw");
    } catch (const NotAProjectError& e) {
        return e.what();
    }
    return "read";
}

TEST(NotAProject, AnyFirstLineButProjectIsRefused) {
    const std::string refused = "f.scw is not a Scrivlet project: its first line is not [PROJECT].";
    EXPECT_EQ(RefusalOf("root:x:0:0:root:/root:/bin/bash\n"), refused);
    EXPECT_EQ(RefusalOf(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), refused);
    EXPECT_EQ(RefusalOf(""), refused);
    EXPECT_EQ(RefusalOf("[project]\r\n[TOPICS]\r\n"), refused);
    EXPECT_EQ(RefusalOf("\xEF\xBB\xBF[PROJECT]\r\n12\r\nTITLE=t\r\n[TOPICS]\r\nC=1\r\n~\r\n"),
              "read");
}

TEST(NotAProject, OpenKeepsTheOpenProjectAndCheckFails) {
    TempFolder folder;
    const auto path = folder / "passwd";
    WriteBytes(path, "root:x:0:0:root:/root:/bin/bash\n");
    Project open = FullProject();
    open.ProjectFileName = "/x/open.scw";
    EXPECT_THROW(OpenProject(open, path), NotAProjectError);
    EXPECT_EQ(open.ProjectFileName, "/x/open.scw");
    EXPECT_EQ(open.HelpTitle, "My Help");

    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCheck(path.string(), out, err), 1);
    EXPECT_EQ(err.str(), "scrivlet: " + NotAProjectMessage(path.string()) + "\n");
    EXPECT_EQ(ReadBytes(path), "root:x:0:0:root:/root:/bin/bash\n");
}

TEST(CutOff, AFileThatEndsEarlySaysWhereAndAfterHowManyTopics) {
    const std::string whole = SerializeProject(FullProject());
    EXPECT_FALSE(ParseProject(whole, "f.scw").CutOff);
    // Inside the third topic's text, which starts at line 69.
    const std::string inText = whole.substr(0, whole.find("\\par", whole.find("C=2147483647")));
    const Project cut = ParseProject(inText, "f.scw");
    ASSERT_TRUE(cut.CutOff);
    EXPECT_EQ(*cut.CutOff, (CutOffRead{3, 72}));
    EXPECT_EQ(cut.Topics.Count(), 3u);
    EXPECT_EQ(CutOffWarning("f.scw", *cut.CutOff),
              "f.scw ends early, at line 72: 3 topics were read, the last of them incomplete.\n"
              "Save asks before it replaces the longer original; Save As keeps it.");

    const Project inHeader = ParseProject(whole.substr(0, whole.find("[FILES]")), "f.scw");
    ASSERT_TRUE(inHeader.CutOff);
    EXPECT_EQ(CutOffWarning("f.scw", *inHeader.CutOff),
              "f.scw ends early, at line 27, before its topics: no topic was read.\n"
              "Save asks before it replaces the longer original; Save As keeps it.");
    EXPECT_EQ(CutOffWarning("f.scw", CutOffRead{1, 30}).substr(0, 63),
              "f.scw ends early, at line 30: 1 topic was read, and it is incom");

    std::ostringstream out, err;
    TempFolder folder;
    WriteBytes(folder / "cut.scw", inText);
    EXPECT_EQ(cli::RunCheck((folder / "cut.scw").string(), out, err), 1);
    EXPECT_NE(err.str().find("ends early, at line 72: 3 topics"), std::string::npos);
}

TEST(ListSections, EntriesThatLookLikeHeaderLinesReadBackAsEntries) {
    Project p = FullProject();
    p.WindowDefs = {"[CONFIG]", "[files]"};
    p.ConfigMacros = {"[FILES]", "[TOPICS]", "TITLE=not the title"};
    p.BitmapRoots = {"", "[BMPROOTS]"};
    p.RtfFiles = {"[WINDOWS]"};
    const std::string bytes = SerializeProject(p);
    const Project read = ParseProject(bytes, "f.scw");
    EXPECT_TRUE(static_cast<const ProjectSettings&>(read) ==
                static_cast<const ProjectSettings&>(p));
    EXPECT_TRUE(read.Topics == p.Topics);
    EXPECT_FALSE(read.CutOff);
    EXPECT_EQ(SerializeProject(read), bytes);
    // Without a "[TOPICS]" after the lists, that entry shows a count too large.
    EXPECT_THROW(ParseProject(bytes.substr(0, bytes.find("[TOPICS]\r\nC=")), "f.scw"),
                 ListIndexError);
}

TEST(AtomicSave, ATemporaryFileLeftByAKilledSaveIsReusedAndGone) {
    TempFolder folder;
    const auto path = folder / "p.scw";
    EXPECT_EQ(AtomicTempPath(path), folder / ".p.scw.tmp");
    WriteBytes(AtomicTempPath(path), std::string(5000, 'x'));
    WriteProjectFile(FullProject(), path);
    EXPECT_FALSE(std::filesystem::exists(AtomicTempPath(path)));
    EXPECT_EQ(ReadBytes(path), SerializeProject(FullProject()));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u);
}

}  // namespace
}  // namespace scrivlet
