#include <gtest/gtest.h>

#include <string>

#include "core/contents/contents_entry.h"
#include "core/contents/contents_item.h"

namespace scrivlet {
namespace {

TEST(ParseEntry, TopicLineGivesAllFiveFields) {
    const ContentsEntry e = ParseEntry("2 Install=install_id@setup.hlp>main");
    EXPECT_EQ(e.EntryLevel, 2);
    EXPECT_EQ(e.EntryTitle, "Install");
    EXPECT_EQ(e.EntryTarget, "install_id");
    EXPECT_EQ(e.EntryFile, "setup.hlp");
    EXPECT_EQ(e.EntryWindow, "main");
    EXPECT_TRUE(IsPage(e));
    EXPECT_FALSE(IsBook(e));
    EXPECT_FALSE(IsMacro(e));
}

TEST(ParseEntry, WindowWithoutFile) {
    const ContentsEntry e = ParseEntry("3 T=ctx>win");
    EXPECT_EQ(e.EntryLevel, 3);
    EXPECT_EQ(e.EntryTarget, "ctx");
    EXPECT_EQ(e.EntryFile, "");
    EXPECT_EQ(e.EntryWindow, "win");
}

TEST(ParseEntry, MacroTargetKeepsTheBang) {
    const ContentsEntry e = ParseEntry("1 Run=!ExecFile(a.exe)@x>y");
    EXPECT_EQ(e.EntryTarget, "!ExecFile(a.exe)@x>y");
    EXPECT_EQ(e.EntryFile, "");
    EXPECT_TRUE(IsPage(e));
    EXPECT_TRUE(IsMacro(e));
}

TEST(ParseEntry, LevelAndTitleOnlyIsAHeading) {
    const ContentsEntry e = ParseEntry("1 Getting started");
    EXPECT_EQ(e.EntryLevel, 1);
    EXPECT_EQ(e.EntryTitle, "Getting started");
    EXPECT_TRUE(IsBook(e));
    EXPECT_FALSE(IsPage(e));
}

TEST(ParseEntry, WindowWithoutEqualsStaysInTheTitle) {
    const ContentsEntry e = ParseEntry("2 Title>main");
    EXPECT_EQ(e.EntryTitle, "Title>main");
    EXPECT_EQ(e.EntryWindow, "");
    EXPECT_TRUE(IsBook(e));
}

TEST(ParseEntry, RemarkIsStrippedFromTheParsedForm) {
    const ContentsEntry e = ParseEntry("2 Commands=commands \t ; check; the wording");
    EXPECT_EQ(e.EntryTitle, "Commands");
    EXPECT_EQ(e.EntryTarget, "commands \t ; check");
    const ContentsEntry last = ParseEntry("2 Commands=commands \t ; the wording");
    EXPECT_EQ(last.EntryTarget, "commands");
}

TEST(ParseEntry, CommentAndCommandLinesAreWholeTitles) {
    const ContentsEntry comment = ParseEntry("; 1 not=an entry");
    EXPECT_EQ(comment.EntryLevel, 0);
    EXPECT_EQ(comment.EntryTitle, "; 1 not=an entry");
    EXPECT_FALSE(IsBook(comment));
    EXPECT_FALSE(IsPage(comment));
    EXPECT_FALSE(IsInclude(comment));

    const ContentsEntry include = ParseEntry(":include more.cnt ; note");
    EXPECT_EQ(include.EntryLevel, 0);
    EXPECT_EQ(include.EntryTitle, ":include more.cnt");
    EXPECT_TRUE(IsInclude(include));
    EXPECT_FALSE(IsBook(include));
    EXPECT_TRUE(IsInclude(ParseEntry(":INCLUDE X")));
    EXPECT_TRUE(IsInclude(ParseEntry(":IncludeX")));
    EXPECT_FALSE(IsInclude(ParseEntry(":includ")));
}

TEST(ParseEntry, FirstCharacterOfEachFieldIsAlwaysTaken) {
    EXPECT_EQ(ParseEntry("1 =x").EntryTitle, "=x");
    const ContentsEntry e = ParseEntry("1 T=@f>w");
    EXPECT_EQ(e.EntryTarget, "@f");
    EXPECT_EQ(e.EntryWindow, "w");
    EXPECT_EQ(ParseEntry("1 T=c@>w").EntryFile, ">w");
}

TEST(ParseEntry, CharacterAfterTheLevelIsSkippedWhateverItIs) {
    EXPECT_EQ(ParseEntry("12xTitle").EntryTitle, "Title");
    EXPECT_EQ(ParseEntry("12xTitle").EntryLevel, 12);
    // Without digits the first character is skipped all the same.
    const ContentsEntry e = ParseEntry("Title=t");
    EXPECT_EQ(e.EntryLevel, 0);
    EXPECT_EQ(e.EntryTitle, "itle");
}

TEST(ParseEntry, DegenerateLinesGiveDefinedEntries) {
    const ContentsEntry empty = ParseEntry("");
    EXPECT_EQ(empty.EntryLevel, 0);
    EXPECT_EQ(empty.EntryTitle, "");
    EXPECT_EQ(ParseEntry("7").EntryLevel, 7);
    EXPECT_EQ(ParseEntry("7").EntryTitle, "");
    EXPECT_EQ(ParseEntry("1 T=").EntryTarget, "");
    EXPECT_EQ(ParseEntry("1 T=c@").EntryFile, "");
    EXPECT_EQ(ParseEntry("1 T=c>").EntryWindow, "");
    EXPECT_EQ(ParseEntry("  ;x").EntryTitle, "");
    EXPECT_EQ(ParseEntry(std::string(300, '9') + " T").EntryLevel, 2147483647);
}

TEST(ParseEntry, EveryFieldIsCutAt255) {
    const std::string big(400, 'a');
    const ContentsEntry e = ParseEntry("1 " + big + "=" + big + "@" + big + ">" + big);
    EXPECT_EQ(e.EntryTitle.size(), 255u);
    EXPECT_EQ(e.EntryTarget.size(), 255u);
    EXPECT_EQ(e.EntryFile.size(), 255u);
    EXPECT_EQ(e.EntryWindow.size(), 255u);
}

TEST(StripComment, CutsAtTheLastSemicolon) {
    EXPECT_EQ(StripComment("a=b ; remark"), "a=b");
    EXPECT_EQ(StripComment("a;b;c"), "a;b");
    EXPECT_EQ(StripComment("a \t\x01;"), "a");
    EXPECT_EQ(StripComment("no remark  "), "no remark  ");
    EXPECT_EQ(StripComment(";all"), "");
    EXPECT_EQ(StripComment(""), "");
}

TEST(WithLevel, ReplacesTheWholeDigitRun) {
    EXPECT_EQ(WithLevel("9 T", 10), "10 T");
    EXPECT_EQ(WithLevel("10 T", 9), "9 T");
    EXPECT_EQ(WithLevel("001 T", 2), "2 T");
    EXPECT_EQ(LevelDigitCount(":include x"), 0u);
}

TEST(ContentsItem, FieldsOfEachKind) {
    ContentsItemFields topic = ItemFieldsFromLine("3 Install=inst@setup.hlp>main ; old");
    EXPECT_EQ(topic, (ContentsItemFields{ContentsItemType::Topic, "3", "Install", "inst", "",
                                         "setup.hlp", "main"}));
    EXPECT_EQ(ItemFieldsFromLine("2 Run=!Macro(1)"),
              (ContentsItemFields{ContentsItemType::Macro, "2", "Run", "", "Macro(1)", "", ""}));
    EXPECT_EQ(ItemFieldsFromLine("1 Book"),
              (ContentsItemFields{ContentsItemType::Heading, "1", "Book", "", "", "", ""}));
    EXPECT_EQ(ItemFieldsFromLine(":include more.cnt"),
              (ContentsItemFields{ContentsItemType::Include, "1", "more.cnt", "", "", "", ""}));
    EXPECT_EQ(ItemFieldsFromLine(""), ContentsItemFields{});
}

TEST(ContentsItem, LinesBuiltFromFields) {
    ContentsItemFields f{ContentsItemType::Topic, "3", "Install", "inst", "", "setup.hlp", "main"};
    EXPECT_EQ(LineFromItemFields(f), "3 Install=inst@setup.hlp>main");
    f.File.clear();
    EXPECT_EQ(LineFromItemFields(f), "3 Install=inst>main");
    f.Topic.clear();
    f.Window.clear();
    EXPECT_EQ(LineFromItemFields(f), "3 Install");
    EXPECT_EQ(LineFromItemFields({ContentsItemType::Macro, "2", "Run", "", "M()", "", ""}),
              "2 Run=!M()");
    EXPECT_EQ(LineFromItemFields({ContentsItemType::Heading, "4", "Book", "x", "", "f", "w"}),
              "4 Book");
    EXPECT_EQ(LineFromItemFields({ContentsItemType::Include, "1", "new.cnt", "", "", "", ""}),
              ":include new.cnt");
    EXPECT_EQ(LineFromItemFields({ContentsItemType::Topic, "1", "", "t", "", "", ""}),
              std::nullopt);
}

TEST(ContentsItem, EditingDropsTheRemark) {
    const auto fields = ItemFieldsFromLine("2 Commands=commands ; check the wording");
    EXPECT_EQ(LineFromItemFields(fields), "2 Commands=commands");
}

TEST(ContentsItem, EditingAnIncludeShowsOnlyTheFileName) {
    auto fields = ItemFieldsFromLine(":INCLUDE old.cnt");
    EXPECT_EQ(fields.Title, "old.cnt");
    fields.Title = "new.cnt";
    EXPECT_EQ(LineFromItemFields(fields), ":include new.cnt");
}

TEST(HeaderPair, SplitStripsTheRemarkAndTrims) {
    EXPECT_EQ(SplitHeaderPair("Tools Help = tools.hlp ;remark"),
              (HeaderPair{"Tools Help", "tools.hlp"}));
    EXPECT_EQ(SplitHeaderPair("  only.hlp "), (HeaderPair{"", "only.hlp"}));
    EXPECT_EQ(SplitHeaderPair("a=b=c"), (HeaderPair{"a", "b=c"}));
    EXPECT_EQ(SplitHeaderPair(""), (HeaderPair{"", ""}));
}

TEST(HeaderPair, JoinNeedsAFile) {
    EXPECT_EQ(JoinHeaderPair("Tools", "tools.hlp"), "Tools=tools.hlp");
    EXPECT_EQ(JoinHeaderPair("", "x.dll"), "=x.dll");
    EXPECT_EQ(JoinHeaderPair("Tools", ""), std::nullopt);
}

}  // namespace
}  // namespace scrivlet
