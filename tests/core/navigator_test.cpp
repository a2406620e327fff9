#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/lint_command.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"

#include "core/navigator/project_check.h"
#include "core/navigator/project_links.h"
#include "core/navigator/topic_links.h"

namespace scrivlet {
namespace {

TTopic Topic(int32_t id, const std::string& title, std::vector<std::string> body) {
    TTopic topic;
    topic.TopicID = id;
    topic.Title = title;
    topic.ContextString = "ctx" + std::to_string(id);
    topic.Keywords = "k";
    topic.Text = {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}",
                  "{\\colortbl\\red0\\green0\\blue0;}"};
    for (std::string& line : body) {
        topic.Text.push_back(std::move(line));
    }
    return topic;
}

TEST(TopicCodes, ReadsEveryCodeTheEditorInserts) {
    std::vector<TopicCode> codes;
    ScanLineCodes(
        "\\plain\\strike\\cf1 go\\plain\\cf2 [href=*20>help] \\ul see\\plain [HREF=30] "
        "[link=%ctx@other.hlp>main] [link=!Back()] [#=here] \\{bmct pic.bmp\\} "
        "\\{button Go, JumpId(`a.hlp',`b')\\} \\\\{bmc not an image\\\\} [href=5",
        3, codes);
    ASSERT_EQ(codes.size(), 7u);
    EXPECT_EQ(codes[0].kind, CodeKind::TopicLink);
    EXPECT_EQ(codes[0].topicId, 20);
    EXPECT_EQ(codes[0].window, "help");
    EXPECT_FALSE(codes[0].popup);
    EXPECT_EQ(codes[0].line, 3u);
    EXPECT_EQ(codes[0].length, std::string("[href=*20>help]").size());
    EXPECT_EQ(codes[1].topicId, 30);
    EXPECT_TRUE(codes[1].popup);
    EXPECT_EQ(codes[2].kind, CodeKind::OtherLink);
    EXPECT_EQ(codes[2].target, "ctx@other.hlp");
    EXPECT_EQ(codes[3].kind, CodeKind::MacroLink);
    EXPECT_EQ(codes[3].target, "Back()");
    EXPECT_EQ(codes[4].kind, CodeKind::Anchor);
    EXPECT_EQ(codes[4].target, "here");
    EXPECT_EQ(codes[5].kind, CodeKind::Image);
    EXPECT_EQ(codes[5].target, "pic.bmp");
    EXPECT_EQ(codes[6].kind, CodeKind::Button);
    EXPECT_EQ(codes[6].target, "JumpId(`a.hlp',`b')");
}

Project LinkedProject() {
    Project project;
    project.Topics.Clear();
    project.Topics.Add(Topic(10, "Start", {"\\deflang1033\\pard go [href=20] and [href=20>win]"}));
    project.Topics.Add(Topic(20, "Target", {"\\deflang1033\\pard back [href=10]"}));
    project.Topics.Add(Topic(30, "Browsed", {"\\deflang1033\\pard x"}));
    project.Topics.Add(Topic(40, "Browsed too", {"\\deflang1033\\pard y"}));
    project.Topics[2].BrowseSeq = "main:001";
    project.Topics[3].BrowseSeq = "main:002";
    project.WindowDefs = {"win=\"Window\",,,,"};
    project.Topics[1].Window = "main";
    return project;
}

TEST(ProjectLinks, WhatLinksHereFindsLinksContentsAndBrowsing) {
    const Project project = LinkedProject();
    const auto toTarget = WhatLinksHere(project, 1, {"1 Target=CTX20", "1 Other=ctx20@x.hlp"});
    ASSERT_EQ(toTarget.size(), 3u);
    EXPECT_EQ(toTarget[0].kind, ReferenceKind::Link);
    EXPECT_EQ(toTarget[0].fromTopic, 0u);
    EXPECT_EQ(toTarget[1].code.window, "win");
    EXPECT_EQ(toTarget[2].kind, ReferenceKind::ContentsEntry);
    const auto toBrowsed = WhatLinksHere(project, 2, {});
    ASSERT_EQ(toBrowsed.size(), 1u);
    EXPECT_EQ(toBrowsed[0].kind, ReferenceKind::BrowseNeighbour);
    EXPECT_EQ(toBrowsed[0].fromTopic, 3u);
    EXPECT_EQ(CountLinksToNumber(project, 20), 2u);
}

TEST(ProjectLinks, ContextStringReferences) {
    Project project = LinkedProject();
    project.DefaultTopic = "CTX20";
    const std::vector<std::string> contents{"1 Target=ctx20", "1 Other=ctx20@x.hlp",
                                            "2 Again=CTX20>win ; note", "1 Start=ctx10",
                                            "1 Macro=!JumpId(`a',`ctx20')"};
    const ContextReferences found = FindContextReferences(project, contents, "ctx20");
    EXPECT_TRUE(found.defaultTopic);
    EXPECT_EQ(found.contentsLines, (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(ContextQuestion(found, "ctx20", "intro"),
              "3 references lead to context string \"ctx20\", which becomes \"intro\": the "
              "project's default topic and 2 contents entries. Update them?\n\nYes updates them "
              "(the contents file is saved at once), No leaves them leading nowhere, Cancel "
              "keeps the context string \"ctx20\".");
    EXPECT_EQ(ContextQuestion({false, {3}}, "a", "b"),
              "1 reference leads to context string \"a\", which becomes \"b\": 1 contents entry. "
              "Update it?\n\nYes updates it (the contents file is saved at once), No leaves it "
              "leading nowhere, Cancel keeps the context string \"a\".");
    EXPECT_EQ(RetargetContentsEntry(contents[0], "intro"), "1 Target=intro");
    EXPECT_EQ(RetargetContentsEntry(contents[2], "intro"), "2 Again=intro>win ; note");
    EXPECT_EQ(RetargetContentsEntry("1 ctx20=ctx20", "intro"), "1 ctx20=intro");
    EXPECT_EQ(FindContextReferences(project, contents, "").Count(), 0u);
}

TEST(ProjectLinks, RenumberingKeepsPrefixAndWindow) {
    Project project = LinkedProject();
    project.Topics[1].Text.push_back("\\par [href=%20>win] [href=200]");
    EXPECT_EQ(RenumberLinks(project, 20, 7), 3u);
    EXPECT_EQ(project.Topics[0].Text[2], "\\deflang1033\\pard go [href=7] and [href=7>win]");
    EXPECT_EQ(project.Topics[1].Text[3], "\\par [href=%7>win] [href=200]");
    EXPECT_EQ(CountLinksToNumber(project, 20), 0u);
    EXPECT_EQ(RenumberQuestion(3, 20, 7),
              "3 links lead to topic number 20, which becomes 7. Update them to lead to 7?\n\n"
              "Yes updates the links, No leaves them leading nowhere, Cancel keeps the number 20.");
    EXPECT_EQ(RenumberQuestion(1, 5, 6),
              "1 link leads to topic number 5, which becomes 6. Update it to lead to 6?\n\n"
              "Yes updates the links, No leaves it leading nowhere, Cancel keeps the number 5.");
}

std::vector<std::string> Lines(const Project& project, const std::vector<CheckFinding>& findings) {
    std::vector<std::string> lines;
    for (const CheckFinding& finding : findings) {
        lines.push_back(FindingText(project, finding));
    }
    return lines;
}

TEST(ProjectCheck, AHealthyProjectHasNoFindings) {
    const Project project = LinkedProject();
    EXPECT_TRUE(CheckProject(project, {}).empty());
}

TEST(ProjectCheck, NamesEveryKindOfFault) {
    Project project = LinkedProject();
    project.Topics.Add(Topic(20, "Twin",
                             {"\\deflang1033\\pard [href=99] [href=50>nowin] "
                              "\\{bml gone.bmp\\} [link=!JumpId(`x)]"}));
    project.Topics[4].ContextString = "CTX10";
    project.Topics.Add(Topic(50, "[new topic]", {"\\deflang1033\\pard left out"}));
    project.Topics[5].BuildTag = "draft";
    project.Topics[5].Keywords = "";
    project.ExcludeTag = "draft";
    CheckInputs inputs;
    inputs.imageExists = [](const std::string& name) { return name == "here.bmp"; };
    const auto findings = CheckProject(project, inputs);
    EXPECT_EQ(Lines(project, findings),
              (std::vector<std::string>{
                  "error: topic 20 \"Twin\": topic number 20 is also used by topic \"Target\"",
                  "error: topic 20 \"Twin\": context string \"CTX10\" is also used by topic 10",
                  "warning: topic 20 \"Twin\": no link, contents entry or browse sequence leads "
                  "here",
                  "error: topic 20 \"Twin\": link to missing topic 99",
                  "warning: topic 20 \"Twin\": link to topic 50, which the build leaves out",
                  "warning: topic 20 \"Twin\": window \"nowin\" is not defined",
                  "warning: topic 20 \"Twin\": image \"gone.bmp\" is not in the bitmap folders",
                  "error: topic 20 \"Twin\": macro \"JumpId(`x)\": a quotation not closed",
                  "warning: topic 50 \"[new topic]\": no title",
                  "note: topic 50 \"[new topic]\": no keywords",
              }));
    EXPECT_EQ(FindingTotals(findings), "4 errors, 5 warnings, 1 note");
}

TEST(ProjectCheck, MacrosWithUnknownNames) {
    Project project = LinkedProject();
    project.ConfigMacros = {"RegisterRoutine(\"tools\",\"Tally\",\"U\")"};
    project.Topics[1].EntryMacro = "Tally(1);Bogus(2)";
    project.Topics[1].Text.push_back(
        "\\par [link=!jumpid(`a.hlp',`b')] [link=!IfThen(IsMark(`m'), `Nowhere()')]");
    EXPECT_EQ(Lines(project, CheckProject(project, {})),
              (std::vector<std::string>{
                  "warning: topic 20 \"Target\": macro \"Tally(1);Bogus(2)\": no macro is "
                  "named \"Bogus\"",
                  "warning: topic 20 \"Target\": macro \"IfThen(IsMark(`m'), `Nowhere()')\": no "
                  "macro is named \"Nowhere\"",
              }));
}

TEST(ProjectCheck, MacroFaultsOfQuotesAndParentheses) {
    EXPECT_EQ(QuoteAndParenthesisFault("JumpId(`a.hlp', \"b\");Back()"), "");
    EXPECT_EQ(QuoteAndParenthesisFault("Back("), "a \"(\" not closed");
    EXPECT_EQ(QuoteAndParenthesisFault("Back())"), "a \")\" without its \"(\"");
    EXPECT_EQ(QuoteAndParenthesisFault("PI(\"a)"), "a quotation not closed");
}

TEST(LintCommand, PrintsFindingsAndFailsOnErrors) {
    const auto folder = std::filesystem::temp_directory_path() / "scrivlet_lint_test";
    std::filesystem::create_directories(folder);
    Project project = LinkedProject();
    project.Topics[1].Text.push_back("\\par [href=99] \\{bmc here.bmp\\} \\{bmc gone.bmp\\}");
    WriteFileBytes(folder / "here.bmp", "BM");
    WriteProjectFile(project, folder / "p.scw");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::RunLint((folder / "p.scw").string(), out, err), 1);
    EXPECT_EQ(out.str(),
              "error: topic 20 \"Target\": link to missing topic 99\n"
              "warning: topic 20 \"Target\": image \"gone.bmp\" is not in the bitmap folders\n"
              "1 error, 1 warning, 0 notes\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(cli::RunLint((folder / "none.scw").string(), out, err), 1);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace scrivlet
