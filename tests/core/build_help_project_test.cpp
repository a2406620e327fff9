#include <gtest/gtest.h>

#include "core/build/build_paths.h"
#include "core/build/help_project.h"

namespace scrivlet {
namespace {

Project SavedProject() {
    Project project;
    project.ProjectFileName = "/home/ann/help/manual.scw";
    TTopic topic;
    topic.ContextString = "intro";
    topic.TopicID = 10;
    project.Topics.Add(topic);
    return project;
}

TEST(BuildHelpProject, NewProjectGivesTheShortestFile) {
    Project project = SavedProject();
    const auto lines = BuildHelpProject(project, "scrv3", "/home/ann/help/");
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "[OPTIONS]", "COMPRESS=12", "ERRORLOG=.\\scrv3.txt", "REPORT=Yes",
                         "HLP=.\\manual.hlp", "", "[MAP]", "intro  10", "", "[FILES]",
                         "/home/ann/help/scrv3.rtf", "", "[CONFIG]", "BrowseButtons()"}));
    EXPECT_EQ(project.HelpFileName, ".\\manual.hlp");
}

TEST(BuildHelpProject, NoConfigSectionWithoutMacros) {
    Project project = SavedProject();
    project.ConfigMacros.clear();
    const auto lines = BuildHelpProject(project, "scrv3", "/p/");
    EXPECT_EQ(lines.back(), "/p/scrv3.rtf");
}

TEST(BuildHelpProject, ExcludeTagMatchesCaseExactly) {
    Project project = SavedProject();
    project.ConfigMacros.clear();
    project.ExcludeTag = "beta";
    for (const char* tag : {"beta", "Beta", ""}) {
        TTopic topic;
        topic.TopicID = 20;
        topic.ContextString = std::string("t") + tag;
        topic.BuildTag = tag;
        project.Topics.Add(topic);
    }
    const auto lines = BuildHelpProject(project, "scrv3", "/p/");
    const std::vector<std::string> map(lines.begin() + 6, lines.begin() + 10);
    EXPECT_EQ(map, (std::vector<std::string>{"[MAP]", "intro  10", "tBeta  20", "t  20"}));
    EXPECT_EQ(lines[lines.size() - 2], "[EXCLUDE]");
}

TEST(DefaultHelpFileName, DropsTheLastFourCharacters) {
    EXPECT_EQ(DefaultHelpFileName("C:\\Help\\guide.scw"), ".\\guide.hlp");
    EXPECT_EQ(DefaultHelpFileName("/x/a.b"), ".\\.hlp");
    EXPECT_EQ(DefaultHelpFileName("/x/project"), ".\\pro.hlp");
}

TEST(HelpFilePath, AbsoluteNamesStayOthersAreInTheProjectFolder) {
    EXPECT_EQ(ProjectFolder("/home/ann/manual.scw"), "/home/ann/");
    EXPECT_EQ(ProjectFolder("Untitled"), "");
    EXPECT_EQ(HelpFilePath(".\\manual.hlp", "/p/"), "/p/./manual.hlp");
    EXPECT_EQ(HelpFilePath("C:\\x.hlp", "/p/"), "C:/x.hlp");
    EXPECT_EQ(HelpFilePath("Z:\\h\\x.hlp", "/p/"), "/h/x.hlp");
    EXPECT_EQ(HelpFilePath("\\x.hlp", "/p/"), "/x.hlp");
    EXPECT_EQ(HelpFilePath("/abs/x.hlp", "/p/"), "/abs/x.hlp");
}

}  // namespace
}  // namespace scrivlet
