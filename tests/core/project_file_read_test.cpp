#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/projectfile/project_file.h"
#include "core/util/errors.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

using projectfile_test::CrLf;
using projectfile_test::DefaultHeader;
using projectfile_test::FullProject;

Project Parse(std::string_view bytes, const NumberingPrefs& prefs = {}) {
    return ParseProject(bytes, "test.scw", prefs);
}

std::string Header(std::initializer_list<std::string_view> lines) {
    return CrLf(lines) + "[TOPICS]\r\n";
}

void ExpectSameContent(const Project& a, const Project& b) {
    EXPECT_TRUE(static_cast<const ProjectSettings&>(a) == static_cast<const ProjectSettings&>(b));
    ASSERT_EQ(a.Topics.Count(), b.Topics.Count());
    for (std::size_t i = 0; i < a.Topics.Count(); ++i) {
        EXPECT_TRUE(a.Topics[i] == b.Topics[i]) << "topic " << i;
    }
}

TEST(ParseProject, RoundTripKeepsEverySettingListAndTopicField) {
    const Project original = FullProject();
    const std::string bytes = SerializeProject(original);
    const Project read = Parse(bytes);
    ExpectSameContent(read, original);
    EXPECT_EQ(SerializeProject(read), bytes);
}

TEST(ParseProject, RoundTripOfFullLengthFieldsAndTrueFlags) {
    Project p;
    const std::string full(255, 'w');
    p.HelpTitle = full;
    p.TemplateFile = full;
    p.Compress = true;
    p.ShowErrorLog = true;
    p.ShowHelpAfterCompile = false;
    p.RtfFiles = {std::string(1000, 'r')};  // list entries are not short strings
    TTopic t = CreateTopic();
    t.Title = full;
    t.Comment = full;
    t.Text = {"{" + std::string(100000, 'x'), "\\par }"};
    p.Topics.Add(t);
    const Project read = Parse(SerializeProject(p));
    ExpectSameContent(read, p);
    EXPECT_EQ(read.RtfFiles[0].size(), 1000u);
}

TEST(ParseProject, ResultIsAFreshUntitledUnmodifiedProject) {
    const Project read = Parse(SerializeProject(FullProject()));
    EXPECT_EQ(read.ProjectFileName, "Untitled");
    EXPECT_FALSE(read.Modified());
    EXPECT_EQ(read.CurrentTopic, 0);
    EXPECT_FALSE(read.TopicGridStale);
}

TEST(ParseProject, EmptyListEntryIsKeptAndLaterSectionsReadUnchanged) {
    Project p;
    p.BitmapRoots = {"", "x", ""};
    p.RtfFiles = {""};
    p.Topics.Add(CreateTopic());
    const std::string bytes = SerializeProject(p);
    EXPECT_NE(bytes.find("[BMPROOTS]\r\n3\r\n\r\nx\r\n\r\n[FILES]\r\n1\r\n\r\n[TOPICS]\r\n"),
              std::string::npos);
    const Project read = Parse(bytes);
    EXPECT_EQ(read.BitmapRoots, (std::vector<std::string>{"", "x", ""}));
    EXPECT_EQ(read.RtfFiles, std::vector<std::string>{""});
    EXPECT_EQ(read.ConfigMacros, std::vector<std::string>{"BrowseButtons()"});
}

TEST(ParseProject, ValueKeepsEverythingAfterTheFirstEquals) {
    const Project read = Parse(Header({"[PROJECT]", "12", "TITLE=a=b", "CNT==x="}) +
                               CrLf({"C=1", "T=x=y=z", "K==", "~"}));
    EXPECT_EQ(read.HelpTitle, "a=b");
    EXPECT_EQ(read.ContentsFileName, "=x=");
    EXPECT_EQ(read.Topics[0].Title, "x=y=z");
    EXPECT_EQ(read.Topics[0].Keywords, "=");
}

TEST(ParseProject, KeysAndSectionNamesIgnoreCase) {
    const Project read =
        Parse(Header({"[PROJECT]", "12", "title=Lower", "Help=h.hlp", "compress=0", "eRRor=0",
                      "[windows]", "1", "main=", "[Config]", "0", "[bmpRoots]", "1", "pics"}));
    EXPECT_EQ(read.HelpTitle, "Lower");
    EXPECT_EQ(read.HelpFileName, "h.hlp");
    EXPECT_FALSE(read.Compress);
    EXPECT_FALSE(read.ShowErrorLog);
    EXPECT_TRUE(read.ShowHelpAfterCompile);
    EXPECT_EQ(read.WindowDefs, std::vector<std::string>{"main="});
    EXPECT_TRUE(read.ConfigMacros.empty());
    EXPECT_EQ(read.BitmapRoots, std::vector<std::string>{"pics"});
}

TEST(ParseProject, LowerCaseTopicsLineDoesNotEndTheHeader) {
    // The lines after "[topics]" are still header lines: they are no topics,
    // and a key among them is found.
    const Project read = Parse(CrLf({"[PROJECT]", "12", "[topics]", "C=1", "T=not a topic", "~",
                                     "HELP=late.hlp", "[TOPICS]", "C=2", "T=Real", "~"}));
    ASSERT_EQ(read.Topics.Count(), 1u);
    EXPECT_EQ(read.Topics[0].TopicID, 2);
    EXPECT_EQ(read.Topics[0].Title, "Real");
    EXPECT_EQ(read.HelpFileName, "late.hlp");
}

TEST(ParseProject, FirstMatchingKeyAndSectionWin) {
    const Project read = Parse(Header({"[PROJECT]", "12", "TITLE=first", "TITLE=second", "[FILES]",
                                       "1", "a.rtf", "[FILES]", "1", "b.rtf"}));
    EXPECT_EQ(read.HelpTitle, "first");
    EXPECT_EQ(read.RtfFiles, std::vector<std::string>{"a.rtf"});
}

TEST(ParseProject, ToleratesOtherSecondLinesOtherNamesAndAnyOrder) {
    const Project read =
        Parse(Header({"[PROJECT]", "whatever", "[FILES]", "1", "f.rtf", "UNKNOWN=1", "CONTENTS=c",
                      "[WINDOWS]", "0", "[CONFIG]", "1", "Macro()"}));
    EXPECT_EQ(read.RtfFiles, std::vector<std::string>{"f.rtf"});
    EXPECT_EQ(read.DefaultTopic, "c");
    EXPECT_EQ(read.ConfigMacros, std::vector<std::string>{"Macro()"});
}

TEST(ParseProject, MissingSectionsAndKeysGiveEmptyValues) {
    const Project read = Parse(Header({"[PROJECT]", "12"}));
    EXPECT_TRUE(read.HelpTitle.empty());
    EXPECT_TRUE(read.TemplateFile.empty());
    EXPECT_TRUE(read.WindowDefs.empty());
    EXPECT_TRUE(read.ConfigMacros.empty());
    EXPECT_TRUE(read.BitmapRoots.empty());
    EXPECT_TRUE(read.RtfFiles.empty());
}

TEST(ParseProject, NegativeCountGivesAnEmptyList) {
    const Project read = Parse(Header({"[PROJECT]", "12", "[WINDOWS]", "-3", "a", "b"}));
    EXPECT_TRUE(read.WindowDefs.empty());
}

struct FlagCase {
    const char* line;  // nullptr: no line for the key
    bool expected;
};

TEST(ParseProject, FlagsMissingEmptyZeroNegativeAndPositive) {
    const FlagCase cases[] = {{nullptr, true}, {"=", true},    {"=0", false}, {"=-1", false},
                              {"=-20", false}, {"=1", true},   {"=5", true},  {"= 0", false},
                              {"=$10", true},  {"=0x0", false}};
    for (const char* key : {"ERROR", "SHOW", "COMPRESS"}) {
        for (const auto& c : cases) {
            std::string header = "[PROJECT]\r\n12\r\n";
            if (c.line) {
                header += std::string(key) + c.line + "\r\n";
            }
            const Project read = Parse(header + "[TOPICS]\r\n");
            const bool value = std::string(key) == "ERROR"  ? read.ShowErrorLog
                               : std::string(key) == "SHOW" ? read.ShowHelpAfterCompile
                                                            : read.Compress;
            EXPECT_EQ(value, c.expected) << key << (c.line ? c.line : " missing");
        }
    }
}

TEST(ParseProject, HeaderStringsAreCutTo255) {
    const Project read = Parse(Header({"[PROJECT]", "12", "COPYRIGHT=" + std::string(300, 'c')}));
    EXPECT_EQ(read.Copyright.str(), std::string(255, 'c'));
}

TEST(ParseProject, ThreeHundredCharacterTitleIsCutTo255) {
    std::string title;
    for (int i = 0; i < 300; ++i) {
        title += static_cast<char>('A' + i % 26);
    }
    const Project read = Parse(DefaultHeader() + CrLf({"C=1", "T=" + title, "~"}));
    EXPECT_EQ(read.Topics[0].Title.str(), title.substr(0, 255));
}

TEST(ParseProject, TopicWithoutTextEndsAtItsTildeLine) {
    const Project read = Parse(
        DefaultHeader() + CrLf({"C=1", "T=One", "~", "C=2", "T=Two", "{\\rtf1", "\\par }", "~"}));
    ASSERT_EQ(read.Topics.Count(), 2u);
    EXPECT_TRUE(read.Topics[0].Text.empty());
    EXPECT_EQ(read.Topics[0].Title, "One");
    EXPECT_EQ(read.Topics[1].Text, (std::vector<std::string>{"{\\rtf1", "\\par }"}));
}

TEST(ParseProject, FieldLinesInAnyOrderLaterOnesWinOthersIgnored) {
    const Project read = Parse(DefaultHeader() + CrLf({
                                                     "X=note",
                                                     "T=first",
                                                     "C=7",
                                                     "t=lower case is no field",
                                                     "Z=unknown",
                                                     "T=second",
                                                     "A",
                                                     "",
                                                     "just text",
                                                     "W=win",
                                                     "~ends whatever follows",
                                                     "C=8",
                                                     "~",
                                                 }));
    ASSERT_EQ(read.Topics.Count(), 2u);
    const TTopic& t = read.Topics[0];
    EXPECT_EQ(t.TopicID, 7);
    EXPECT_EQ(t.Title, "second");
    EXPECT_EQ(t.Comment, "note");
    EXPECT_EQ(t.Window, "win");
    EXPECT_TRUE(t.ContextString.empty());
    EXPECT_TRUE(t.Text.empty());
    // Missing fields keep the defaults of a new topic.
    EXPECT_EQ(read.Topics[1].TopicID, 8);
    EXPECT_EQ(read.Topics[1].Title, "[new topic]");
    EXPECT_EQ(read.Topics[1].Comment, "Editing");
}

TEST(ParseProject, TextRunsToTheNextTildeLineWithEveryLineKept) {
    const Project read = Parse(
        DefaultHeader() +
        CrLf({"C=1", "{\\rtf1", "", "C=2", "T=x", "{", "A", "\\par }", "~", "T=after"}) + "~\r\n");
    ASSERT_EQ(read.Topics.Count(), 2u);
    EXPECT_EQ(read.Topics[0].TopicID, 1);
    EXPECT_EQ(read.Topics[0].Title, "[new topic]");
    EXPECT_EQ(read.Topics[0].Text,
              (std::vector<std::string>{"{\\rtf1", "", "C=2", "T=x", "{", "A", "\\par }"}));
    EXPECT_EQ(read.Topics[1].Title, "after");
}

TEST(ParseProject, LoneBraceLineDoesNotStartTheText) {
    // Lines shorter than two characters are skipped before anything else.
    const Project read = Parse(DefaultHeader() + CrLf({"C=1", "{", "T=still a field", "~"}));
    ASSERT_EQ(read.Topics.Count(), 1u);
    EXPECT_TRUE(read.Topics[0].Text.empty());
    EXPECT_EQ(read.Topics[0].Title, "still a field");
}

TEST(ParseProject, BlankLinesBetweenBlocksAreSkipped) {
    const Project read =
        Parse(DefaultHeader() + CrLf({"", "C=1", "~", "", "   ", "", "C=2", "~", "", ""}));
    ASSERT_EQ(read.Topics.Count(), 2u);
    EXPECT_EQ(read.Topics[0].TopicID, 1);
    EXPECT_EQ(read.Topics[1].TopicID, 2);
}

TEST(ParseProject, LoneLfIsAnOrdinaryCharacter) {
    const Project read = Parse(DefaultHeader() + "C=1\r\nT=a\nb\r\n{x\ny}\r\n~\r\n");
    ASSERT_EQ(read.Topics.Count(), 1u);
    EXPECT_EQ(read.Topics[0].Title, "a\nb");
    EXPECT_EQ(read.Topics[0].Text, std::vector<std::string>{"{x\ny}"});
}

TEST(ParseProject, CrAloneEndsALine) {
    std::string bytes = SerializeProject(FullProject());
    std::string crOnly;
    for (char c : bytes) {
        if (c != '\n') {
            crOnly += c;
        }
    }
    ExpectSameContent(Parse(crOnly), FullProject());
}

TEST(ParseProject, Byte26EndsTheFileWhereverItStands) {
    const std::string bytes = SerializeProject(FullProject());
    ExpectSameContent(Parse(bytes + "\x1A" + CrLf({"C=99", "T=after the end", "~"})),
                      FullProject());

    // Inside a text line: the rest of the line and file are gone; the topic
    // stays as far as it was read.
    const Project cut = Parse(DefaultHeader() + CrLf({"C=1",
                                                      "{\\rtf1 abc\x1A"
                                                      "def",
                                                      "\\par }", "~"}));
    ASSERT_EQ(cut.Topics.Count(), 1u);
    EXPECT_EQ(cut.Topics[0].Text, std::vector<std::string>{"{\\rtf1 abc"});

    // In the header: no topic part at all.
    const Project early =
        Parse("[PROJECT]\r\n12\r\nTITLE=x\x1A\r\nHELP=y\r\n[TOPICS]\r\nC=1\r\n~\r\n");
    EXPECT_TRUE(early.HelpFileName.empty());
    ASSERT_EQ(early.Topics.Count(), 1u);
    EXPECT_EQ(early.Topics[0].TopicID, 10);  // the one new topic
}

TEST(ParseProject, HeaderWithoutTopicsLineEndsAtItsLastNonBlankLine) {
    // That last line is not part of the header.
    const Project read = Parse(CrLf({"[PROJECT]", "12", "HELP=h.hlp", "TITLE=dropped", "", " "}));
    EXPECT_EQ(read.HelpFileName, "h.hlp");
    EXPECT_TRUE(read.HelpTitle.empty());
    ASSERT_EQ(read.Topics.Count(), 1u);
}

TEST(ParseProject, EmptyTopicPartGetsOneNewNumberedTopic) {
    const Project byAdding = Parse(DefaultHeader(), NumberingPrefs{0, 10});
    ASSERT_EQ(byAdding.Topics.Count(), 1u);
    EXPECT_EQ(byAdding.Topics[0].TopicID, 10);
    EXPECT_EQ(byAdding.Topics[0].ContextString, "scrv10");
    EXPECT_EQ(byAdding.Topics[0].Title, "[new topic]");
    EXPECT_FALSE(byAdding.Modified());

    const Project byCounting = Parse(DefaultHeader() + "\r\n  \r\n", NumberingPrefs{1, 7});
    ASSERT_EQ(byCounting.Topics.Count(), 1u);
    EXPECT_EQ(byCounting.Topics[0].TopicID, 7);
    EXPECT_EQ(byCounting.Topics[0].ContextString, "scrv7");

    const Project otherMode = Parse(DefaultHeader(), NumberingPrefs{5, 7});
    EXPECT_EQ(otherMode.Topics[0].TopicID, 0);
    EXPECT_EQ(otherMode.Topics[0].ContextString, "scrv0");
}

TEST(ParseProject, FileEndingInsideATopicKeepsThePartialTopic) {
    const Project inText = Parse(DefaultHeader() + CrLf({"C=1", "T=Done", "~", "C=2", "T=Cut",
                                                         "{\\rtf1", "\\deflang1033 half"}));
    ASSERT_EQ(inText.Topics.Count(), 2u);
    EXPECT_EQ(inText.Topics[1].Title, "Cut");
    EXPECT_EQ(inText.Topics[1].Text, (std::vector<std::string>{"{\\rtf1", "\\deflang1033 half"}));

    const Project inFields = Parse(DefaultHeader() + "C=3\r\nT=No end");
    ASSERT_EQ(inFields.Topics.Count(), 1u);
    EXPECT_EQ(inFields.Topics[0].TopicID, 3);
    EXPECT_EQ(inFields.Topics[0].Title, "No end");

    // A block cut after its first line is still a topic of its own.
    const Project oneLine = Parse(DefaultHeader() + CrLf({"C=1", "~", "C=5"}));
    ASSERT_EQ(oneLine.Topics.Count(), 2u);
    EXPECT_EQ(oneLine.Topics[1].TopicID, 5);

    // Junk after the last block that starts no block adds nothing.
    const Project junk = Parse(DefaultHeader() + CrLf({"C=1", "~", "x"}));
    EXPECT_EQ(junk.Topics.Count(), 1u);
}

TEST(ParseProject, ErrorsNameTheFileAndTheLine) {
    const auto message = [](std::string_view bytes) -> std::string {
        try {
            ParseProject(bytes, "/p/broken.scw");
        } catch (const ScrivletError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message(Header({"[PROJECT]", "12", "TITLE=x", "ERROR=yes"})),
              "'yes' is not a valid integer value. (/p/broken.scw, line 4)");
    EXPECT_EQ(message(Header({"[PROJECT]", "12", "[CONFIG]", "two", "a", "b"})),
              "'two' is not a valid integer value. (/p/broken.scw, line 4)");
    EXPECT_EQ(message(DefaultHeader() + CrLf({"C=1", "~", "", "C=", "~"})),
              "'' is not a valid integer value. (/p/broken.scw, line 27)");
    EXPECT_EQ(message(DefaultHeader() + CrLf({"C=1", "T=x", "{a", "b", "~", "T=y", "C=1.5", "~"})),
              "'1.5' is not a valid integer value. (/p/broken.scw, line 30)");
}

TEST(ParseProject, CountPastTheEndOfTheHeaderIsAListIndexError) {
    try {
        ParseProject(Header({"[PROJECT]", "12", "[WINDOWS]", "3", "a", "b"}), "p.scw");
        FAIL() << "no error";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(),
                     "The list [WINDOWS] counts 3 entries, but the header ends after 2 (p.scw, "
                     "line 4)");
    }
    EXPECT_THROW(ParseProject(Header({"[PROJECT]", "[FILES]"}), "p.scw"), ListIndexError);
}

}  // namespace
}  // namespace scrivlet
