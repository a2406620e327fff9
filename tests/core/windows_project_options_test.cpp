#include <gtest/gtest.h>

#include "core/windows/option_paths.h"
#include "core/windows/project_options.h"
#include "core/windows/string_lists.h"

namespace scrivlet {
namespace {

Project ProjectWithTags(std::initializer_list<const char*> tags) {
    Project project;
    int id = 10;
    for (const char* tag : tags) {
        TTopic topic;
        topic.TopicID = id;
        topic.ContextString = "scrv" + std::to_string(id);
        topic.BuildTag = tag;
        project.Topics.Add(topic);
        id += 10;
    }
    return project;
}

TEST(BuildTagChoices, FirstSpellingOnceRegardlessOfCase) {
    const Project project = ProjectWithTags({"beta", "Beta", "alpha"});
    EXPECT_EQ(BuildTagChoices(project.Topics), (StringList{"beta", "alpha"}));
}

TEST(BuildTagChoices, EmptyTagsAreLeftOut) {
    const Project project = ProjectWithTags({"", "x", "", "X", "y"});
    EXPECT_EQ(BuildTagChoices(project.Topics), (StringList{"x", "y"}));
}

TEST(BuildTagChoices, CaseMeansLettersAToZOnly) {
    // "\xE9" and "\xC9" (e acute in both cases) are different bytes.
    const Project project = ProjectWithTags({"caf\xE9", "CAF\xC9", "CAF\xE9"});
    EXPECT_EQ(BuildTagChoices(project.Topics), (StringList{"caf\xE9", "CAF\xC9"}));
}

TEST(FillProjectOptions, BothTagListsAndContextStrings) {
    Project project = ProjectWithTags({"beta", "Beta", "alpha"});
    project.Topics[2].ContextString = "scrv10";
    project.IncludeTag = "gamma";
    project.DefaultTopic = "nowhere";
    const ProjectOptions options = FillProjectOptions(project);
    EXPECT_EQ(options.BuildTags, (StringList{"beta", "alpha"}));
    EXPECT_EQ(options.IncludeTag, "gamma");
    EXPECT_EQ(options.DefaultTopic, "nowhere");
    // Duplicates included, in topic order.
    EXPECT_EQ(options.ContextStrings, (StringList{"scrv10", "scrv20", "scrv10"}));
}

TEST(ProposedHelpFileName, UntitledShowsTheStoredName) {
    Project project;
    EXPECT_EQ(ProposedHelpFileName(project), "");
    project.HelpFileName = ".\\x.hlp";
    EXPECT_EQ(ProposedHelpFileName(project), ".\\x.hlp");
}

TEST(ProposedHelpFileName, SavedProjectWithoutHelpFile) {
    Project project;
    project.ProjectFileName = "/home/author/docs/manual.scw";
    EXPECT_EQ(ProposedHelpFileName(project), "manual.hlp");
    project.ProjectFileName = "C:\\Docs\\manual.scw";
    EXPECT_EQ(ProposedHelpFileName(project), "manual.hlp");
    project.ProjectFileName = "/a/b.c";
    EXPECT_EQ(ProposedHelpFileName(project), ".hlp");
    project.HelpFileName = "other.hlp";
    EXPECT_EQ(ProposedHelpFileName(project), "other.hlp");
}

TEST(StoreProjectOptions, OkStoresTheProposedName) {
    Project project;
    project.ProjectFileName = "/home/author/manual.scw";
    ProjectOptions options = FillProjectOptions(project);
    StoreProjectOptions(options, project);
    EXPECT_EQ(project.HelpFileName, "manual.hlp");
    EXPECT_TRUE(project.Modified());
}

TEST(StoreProjectOptions, MacrosLoseEmptyLinesInOrder) {
    Project project;
    ProjectOptions options = FillProjectOptions(project);
    options.ConfigMacros = {
        "", "BrowseButtons()", "", "", "CreateButton(\"b\",\"&B\",\"x()\")", " ", ""};
    StoreProjectOptions(options, project);
    EXPECT_EQ(project.ConfigMacros,
              (StringList{"BrowseButtons()", "CreateButton(\"b\",\"&B\",\"x()\")", " "}));
}

TEST(StoreProjectOptions, UnchangedOptionsStillMarkModified) {
    Project project = ProjectWithTags({"a"});
    project.HelpTitle = "Title";
    project.ShowErrorLog = false;
    project.Compress = false;
    const Project before = project;
    StoreProjectOptions(FillProjectOptions(project), project);
    EXPECT_TRUE(project.Modified());
    EXPECT_TRUE(static_cast<const ProjectSettings&>(project) ==
                static_cast<const ProjectSettings&>(before));
}

TEST(StoreProjectOptions, EverySettingIsStoredAndCut) {
    Project project;
    ProjectOptions options = FillProjectOptions(project);
    options.HelpTitle = std::string(300, 't');
    options.HelpFileName = "h.hlp";
    options.ContentsFileName = "h.cnt";
    options.IncludeTag = "in";
    options.ExcludeTag = "out";
    options.DefaultTopic = "scrv10";
    options.Copyright = "(c)";
    options.Citation = "cite";
    options.ShowErrorLog = false;
    options.ShowHelpAfterCompile = false;
    options.Compress = false;
    options.BitmapRoots = {"/a"};
    options.RtfFiles = {"/b.rtf"};
    options.TemplateFile = "/t.rtf";
    StoreProjectOptions(options, project);
    EXPECT_EQ(project.HelpTitle.size(), 255u);
    EXPECT_EQ(project.HelpFileName, "h.hlp");
    EXPECT_EQ(project.ContentsFileName, "h.cnt");
    EXPECT_EQ(project.IncludeTag, "in");
    EXPECT_EQ(project.ExcludeTag, "out");
    EXPECT_EQ(project.DefaultTopic, "scrv10");
    EXPECT_EQ(project.Copyright, "(c)");
    EXPECT_EQ(project.Citation, "cite");
    EXPECT_FALSE(project.ShowErrorLog);
    EXPECT_FALSE(project.ShowHelpAfterCompile);
    EXPECT_FALSE(project.Compress);
    EXPECT_EQ(project.BitmapRoots, (StringList{"/a"}));
    EXPECT_EQ(project.RtfFiles, (StringList{"/b.rtf"}));
    EXPECT_EQ(project.TemplateFile, "/t.rtf");
}

TEST(ContentsFileReference, DotHelpFileUsesTheProjectFolder) {
    const std::string helpFile = ".\\manual.hlp";
    EXPECT_EQ(ContentsFileReference(helpFile, "/home/a/proj/", "/home/a/proj/manual.cnt"),
              "manual.cnt");
    EXPECT_EQ(ContentsFileReference(helpFile, "/home/a/proj/", "/home/a/other/manual.cnt"),
              "/home/a/other/manual.cnt");
    // A subfolder of the project's folder is another folder.
    EXPECT_EQ(ContentsFileReference(helpFile, "/home/a/proj/", "/home/a/proj/sub/m.cnt"),
              "/home/a/proj/sub/m.cnt");
}

TEST(ContentsFileReference, AbsoluteHelpFileInAnotherFolder) {
    EXPECT_EQ(ContentsFileReference("/srv/help/manual.hlp", "/home/a/proj/", "/srv/help/m.cnt"),
              "m.cnt");
    EXPECT_EQ(ContentsFileReference("/srv/help/manual.hlp", "/home/a/proj/", "/home/a/proj/m.cnt"),
              "/home/a/proj/m.cnt");
    EXPECT_EQ(ContentsFileReference("C:\\help\\manual.hlp", "C:\\proj\\", "C:\\help\\m.cnt"),
              "m.cnt");
}

TEST(ContentsFileReference, PlainHelpFileNameUsesTheProjectFolder) {
    EXPECT_EQ(ContentsFileReference("manual.hlp", "/p/", "/p/m.cnt"), "m.cnt");
    EXPECT_EQ(ContentsFileReference("", "/p/", "/q/m.cnt"), "/q/m.cnt");
}

TEST(ContentsFileReference, UnsavedProjectKeepsTheFullPath) {
    EXPECT_EQ(ContentsFileReference("", "", "/p/m.cnt"), "/p/m.cnt");
}

TEST(OptionPaths, Folders) {
    EXPECT_EQ(ProjectFolder("Untitled"), "");
    EXPECT_EQ(ProjectFolder("/home/a/m.scw"), "/home/a/");
    EXPECT_EQ(FolderOf("C:\\x\\y.hlp"), "C:\\x\\");
    EXPECT_EQ(FolderOf("y.hlp"), "");
    EXPECT_EQ(FileNameOf("/a/b/c.cnt"), "c.cnt");
    EXPECT_EQ(FileNameOf("c.cnt"), "c.cnt");
}

TEST(RemoveEmptyLines, KeepsOrder) {
    StringList lines{"", "a", "", "b", ""};
    RemoveEmptyLines(lines);
    EXPECT_EQ(lines, (StringList{"a", "b"}));
    StringList none;
    RemoveEmptyLines(none);
    EXPECT_TRUE(none.empty());
}

TEST(OptionEntries, AddSelectsTheLastEvenWhenListed) {
    StringList list{"/a", "/b"};
    EXPECT_EQ(AddOptionEntry(list, "/A", true, -2), 1);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(AddOptionEntry(list, "", true, -2), 1);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(AddOptionEntry(list, "/c", true, -2), 2);
    EXPECT_EQ(list, (StringList{"/a", "/b", "/c"}));
    StringList empty;
    EXPECT_EQ(AddOptionEntry(empty, "", true, -2), -1);
}

TEST(OptionEntries, TenEntriesAtMost) {
    StringList list;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(AddOptionEntry(list, "/f" + std::to_string(i), true, -2), i);
    }
    EXPECT_EQ(AddOptionEntry(list, "/f10", true, -2), -2);
    EXPECT_EQ(list.size(), 10u);
}

TEST(OptionEntries, Replace) {
    StringList list{"/a", "/b"};
    EXPECT_EQ(ReplaceOptionEntry(list, 0, "/B", true), 0);
    EXPECT_EQ(list, (StringList{"/a", "/b"}));
    EXPECT_EQ(ReplaceOptionEntry(list, 0, "", true), 0);
    EXPECT_EQ(list, (StringList{"/a", "/b"}));
    EXPECT_EQ(ReplaceOptionEntry(list, 1, "/c", true), 1);
    EXPECT_EQ(list, (StringList{"/a", "/c"}));
}

TEST(OptionEntries, DeleteSelection) {
    StringList list{"a", "b", "c"};
    EXPECT_EQ(DeleteOptionEntry(list, 1), 1);
    EXPECT_EQ(list, (StringList{"a", "c"}));
    EXPECT_EQ(DeleteOptionEntry(list, 1), 0);
    EXPECT_EQ(list, (StringList{"a"}));
    EXPECT_EQ(DeleteOptionEntry(list, 0), -1);
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace scrivlet
