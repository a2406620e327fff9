#include <gtest/gtest.h>

#include "core/build/keepn.h"
#include "core/build/rtf_tables.h"
#include "core/build/text_replace.h"
#include "core/build/topic_index.h"
#include "core/markup/topic_lookup.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

TEST(ReplaceAll, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceAll("\\f~", "\\f", "\\f~1\\fs22 \\f~12\\b"), "\\f1\\fs22 \\f12\\b");
    EXPECT_EQ(ReplaceAll("ab", "x", "none here"), "none here");
    EXPECT_EQ(ReplaceAll("", "x", "abc"), "abc");
}

TEST(ReplaceAll, CatchesOccurrencesThatReplacementsForm) {
    // Searching again from the start finds what an earlier replacement made.
    EXPECT_EQ(ReplaceAll("\\f~", "\\f", "\\f~~~3"), "\\f3");
    EXPECT_EQ(ReplaceAll("(-1,-1,-1,-1)", "", "a((-1,-1,-1,-1)-1,-1,-1,-1)b"), "ab");
}

TEST(ReplaceAll, EndsWhenTheReplacementHoldsThePattern) {
    EXPECT_EQ(ReplaceAll("a", "aa", "xax"), "xaax");
}

TEST(EscapeHighChars, EscapesOnlyBytesAbove127) {
    EXPECT_EQ(EscapeHighChars("Caf\xe9"), "Caf\\'E9");
    EXPECT_EQ(EscapeHighChars("\x80\xff{\\} \x7f"), "\\'80\\'FF{\\} \x7f");
    EXPECT_EQ(EscapeHighChars(""), "");
}

TEST(TopicIdIndex, AgreesWithTheScanningLookUp) {
    TTopicList topics;
    for (int id : {10, 20, 30, 20}) {
        TTopic topic;
        topic.TopicID = id;
        topics.Add(topic);
    }
    const TopicIdIndex index(topics);
    for (const char* text : {"10", "20", "30", "40", ""}) {
        EXPECT_EQ(index.IndexOfTopicID(text), IndexOfTopicID(topics, text)) << text;
    }
    EXPECT_EQ(IndexOfTopicID(topics, "20"), 1);
    EXPECT_EQ(index.IndexOfTopicID("40"), -1);
    EXPECT_EQ(index.IndexOfTopicID(""), -1);
    EXPECT_THROW(index.IndexOfTopicID("99999999999"), ConvertError);
}

TEST(ScanFontText, TakesFamilyAndNameAndDropsOtherWords) {
    const auto groups = ScanFontText(
        "{\\f0\\fswiss Arial;}{\\f2\\fswiss\\fprq2 Arial;}{\\f13\\froman\\fcharset0 Times New "
        "Roman;}{\\f4\\fnil  Spaced ;}");
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0], (FontGroup{0, "\\fswiss Arial;"}));
    EXPECT_EQ(groups[1], (FontGroup{2, "\\fswiss Arial;"}));
    EXPECT_EQ(groups[2], (FontGroup{13, "\\froman Times New Roman;"}));
    EXPECT_EQ(groups[3], (FontGroup{4, "\\fnil  Spaced ;"}));
}

TEST(ScanFontText, StopsAtTheEndOfTruncatedText) {
    EXPECT_TRUE(ScanFontText("").empty());
    EXPECT_TRUE(ScanFontText("{\\f").empty());
    const auto open = ScanFontText("{\\f1\\fswiss Arial;");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0], (FontGroup{1, "\\fswiss Arial;"}));
    const auto noName = ScanFontText("{\\f1\\fswiss");
    ASSERT_EQ(noName.size(), 1u);
    EXPECT_EQ(noName[0], (FontGroup{1, "\\fswiss"}));
}

TEST(ScanFontText, RefusesAGroupNumberThatIsNotAnInteger) {
    EXPECT_THROW(ScanFontText("{\\fonttbl{\\f0\\fswiss Arial;}}"), ConvertError);
}

TEST(ScanColorText, TakesEachEntryWithoutItsSemicolon) {
    const auto entries = ScanColorText(";\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red1");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], "\\red0\\green0\\blue0");
    EXPECT_EQ(entries[1], "\\red255\\green0\\blue0");
    EXPECT_EQ(entries[2], "\\red1");
}

TEST(MergedTable, ComparesWithoutCaseAndKeepsTheFirstPosition) {
    MergedTable table;
    table.Append("\\fswiss Arial;");
    table.Append("\\fswiss Arial;");
    EXPECT_EQ(table.PositionOf("\\FSWISS ARIAL;"), 0u);
    EXPECT_EQ(table.PositionOf("\\froman Times;"), 2u);
    EXPECT_EQ(table.PositionOf("\\froman times;"), 2u);
    EXPECT_EQ(table.Entries().size(), 3u);
}

TEST(RenumberFontRefs, RenumbersOnlyReferencesFollowedByABackslash) {
    std::vector<std::string> lines{"\\plain\\f0\\fs22 a\\f0 b\\f01\\x \\f10\\b", "\\f1\\f0\\"};
    RenumberFontRefs(lines, {{"0", "1"}, {"1", "0"}});
    EXPECT_EQ(lines[0], "\\plain\\f~1\\fs22 a\\f0 b\\f01\\x \\f10\\b");
    EXPECT_EQ(lines[1], "\\f~0\\f~1\\");
}

TEST(RenumberColorRefs, LeavesLongerNumbersAlone) {
    std::vector<std::string> lines{"\\cf1 a\\cf12 b\\cf10\\cf1\\cf0"};
    RenumberColorRefs(lines, {{"1", "3"}, {"0", "12"}});
    EXPECT_EQ(lines[0], "\\cf~3 a\\cf12 b\\cf10\\cf~3\\cf~12");
}

TEST(RenumberLineRefs, OneScanGivesWhatTheTwoPassesGive) {
    const Renumbering fonts{{"0", "1"}, {"1", "0"}, {"-2", "3"}};
    const Renumbering colors{{"1", "3"}, {"0", "12"}};
    std::string scratch;
    for (const std::string line :
         {"\\plain\\f0\\fs22 a\\f0 b\\f01\\x \\f10\\b\\cf1 c\\cf12 d\\cf1\\f1\\",
          "\\f-2\\cf0\\f1\\cf10", "no references", "\\\\f0\\ \\\\cf1 escaped", ""}) {
        std::vector<std::string> twoPasses{line};
        RenumberFontRefs(twoPasses, fonts);
        RenumberColorRefs(twoPasses, colors);
        std::string oneScan = line;
        RenumberLineRefs(oneScan, fonts, colors, scratch);
        EXPECT_EQ(oneScan, twoPasses[0]) << line;
    }
}

TEST(RemoveRenumberMarks, TakesOutWhatReplaceAllTookOut) {
    for (const std::string line :
         {"\\f~1\\fs22 \\f~12\\b\\cf~3 x", "\\\\f~ a~b ~\\cf~~2\\f~~", "\\c\\f~1\\cff~", "~", "\\",
          "\\f", "\\cf~", "f~", "cf~", "x\\f~", "plain text first, then \\c~f~ \\cf~~~2\\\\cf~1",
          "long text with no mark until the very end \\f~"}) {
        std::string marked = line;
        RemoveRenumberMarks(marked);
        EXPECT_EQ(marked, ReplaceAll("\\cf~", "\\cf", ReplaceAll("\\f~", "\\f", line))) << line;
    }
}

TEST(ApplyKeepn, MakesTheParagraphsUpToTheMarkerNonScrolling) {
    std::vector<std::string> lines{"{\\rtf1", "\\deflang1033\\pard\\plain Head", "\\par Sub[keepn]",
                                   "\\par \\pard Body", "\\par [keepn]"};
    ApplyKeepn(lines);
    EXPECT_EQ(lines[1], "\\deflang1033\\pard\\keepn\\plain Head");
    EXPECT_EQ(lines[2], "\\par Sub");
    EXPECT_EQ(lines[3], "\\par\\pard \\pard Body");
    EXPECT_EQ(lines[4], "\\par [keepn]");
}

TEST(ApplyKeepn, StartsAParagraphWhenTheNextLineHasNone) {
    std::vector<std::string> lines{"\\deflang1033\\pard x[keepn] y", "more"};
    ApplyKeepn(lines);
    EXPECT_EQ(lines[0], "\\deflang1033\\pard\\keepn x y");
    EXPECT_EQ(lines[1], "\\par \\pardmore");
}

TEST(ApplyKeepn, DoesWhatItCanWithoutNextOrDeflangLine) {
    std::vector<std::string> last{"\\pard a", "b[keepn]"};
    ApplyKeepn(last);
    EXPECT_EQ(last, (std::vector<std::string>{"\\pard a", "b"}));
    std::vector<std::string> upper{"\\deflang1033\\pard [KEEPN]", "\\par x"};
    ApplyKeepn(upper);
    EXPECT_EQ(upper[0], "\\deflang1033\\pard [KEEPN]");
    // A "\deflang" line after the marker is not the one remembered.
    std::vector<std::string> later{"\\pard a[keepn]", "\\par \\deflang\\pard b"};
    ApplyKeepn(later);
    EXPECT_EQ(later[1], "\\par\\pard \\deflang\\pard b");
}

}  // namespace
}  // namespace scrivlet
