#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/contents/contents_edit.h"
#include "core/contents/contents_location.h"

namespace scrivlet {
namespace {

using Lines = std::vector<std::string>;

ContentsFile FileWith(Lines lines) {
    ContentsFile file;
    file.EntryLines = std::move(lines);
    return file;
}

ContentsEditResult Result(bool changed, bool beep, int selection) {
    return {changed, beep, selection};
}

TEST(MoveRight, FirstEntryAlwaysBeepsAndStillIndents) {
    ContentsFile file = FileWith({"1 Book", "2 Page=p"});
    EXPECT_EQ(MoveRight(file, 0), Result(true, true, 0));
    EXPECT_EQ(file.EntryLines[0], "2 Book");
    EXPECT_TRUE(file.CntModified);
}

TEST(MoveRight, LevelNineAndIncludesStaySilently) {
    ContentsFile file = FileWith({"1 Book", "9 Deep=d", ":include x.cnt"});
    EXPECT_EQ(MoveRight(file, 1), Result(false, false, 1));
    EXPECT_EQ(MoveRight(file, 2), Result(false, false, 2));
    EXPECT_EQ(file.EntryLines, (Lines{"1 Book", "9 Deep=d", ":include x.cnt"}));
    EXPECT_FALSE(file.CntModified);
}

TEST(MoveRight, EightBecomesNineAndTwoDigitsWork) {
    ContentsFile file = FileWith({"8 Book", "8 Book2"});
    EXPECT_EQ(MoveRight(file, 1), Result(true, false, 1));
    EXPECT_EQ(file.EntryLines[1], "9 Book2");
}

TEST(MoveRight, BeepRules) {
    // Under a book one level deeper is the natural place: no beep.
    ContentsFile book = FileWith({"1 Book", "1 Page=p"});
    EXPECT_EQ(MoveRight(book, 1), Result(true, false, 1));
    EXPECT_EQ(book.EntryLines[1], "2 Page=p");
    // Deeper than the book above: beep, indented anyway.
    EXPECT_EQ(MoveRight(book, 1), Result(true, true, 1));
    EXPECT_EQ(book.EntryLines[1], "3 Page=p");
    // Under a page the entry may not go deeper than the page.
    ContentsFile page = FileWith({"2 Page=p", "1 Next=n", "2 Other=o"});
    EXPECT_EQ(MoveRight(page, 1), Result(true, false, 1));
    EXPECT_EQ(MoveRight(page, 2), Result(true, true, 2));
    EXPECT_EQ(page.EntryLines, (Lines{"2 Page=p", "2 Next=n", "3 Other=o"}));
}

TEST(MoveRight, NoSelectionDoesNothing) {
    ContentsFile file = FileWith({"1 Book"});
    EXPECT_FALSE(MoveRight(file, -1).Changed);
    EXPECT_FALSE(MoveRight(file, 1).Changed);
    EXPECT_FALSE(file.CntModified);
}

TEST(MoveRight, LeadingZerosAreReplacedAsOneLevel) {
    ContentsFile file = FileWith({"1 Book", "01 Page=p"});
    EXPECT_TRUE(MoveRight(file, 1).Changed);
    EXPECT_EQ(file.EntryLines[1], "2 Page=p");
}

TEST(MoveLeft, OnlyPageOfALevelOneBookBeepsAndOutdents) {
    ContentsFile file = FileWith({"1 Book", "2 Page=p"});
    EXPECT_EQ(MoveLeft(file, 1), Result(true, true, 1));
    EXPECT_EQ(file.EntryLines[1], "1 Page=p");
    EXPECT_TRUE(file.CntModified);
}

TEST(MoveLeft, LevelOneAndIncludesOnlyBeep) {
    ContentsFile file = FileWith({"1 Book", ":include x.cnt"});
    EXPECT_EQ(MoveLeft(file, 0), Result(false, true, 0));
    EXPECT_EQ(MoveLeft(file, 1), Result(false, true, 1));
    EXPECT_EQ(file.EntryLines, (Lines{"1 Book", ":include x.cnt"}));
    EXPECT_FALSE(file.CntModified);
    EXPECT_EQ(MoveLeft(file, -1), Result(false, false, -1));
}

TEST(MoveLeft, BeepRules) {
    // A page not deeper than the entry above it beeps.
    ContentsFile pages = FileWith({"3 A=a", "3 B=b"});
    EXPECT_EQ(MoveLeft(pages, 1), Result(true, true, 1));
    EXPECT_EQ(pages.EntryLines[1], "2 B=b");
    // A page deeper than the page above: no beep.
    ContentsFile deeper = FileWith({"2 A=a", "4 B=b"});
    EXPECT_EQ(MoveLeft(deeper, 1), Result(true, false, 1));
    // A book never beeps.
    ContentsFile books = FileWith({"1 Book", "2 Sub"});
    EXPECT_EQ(MoveLeft(books, 1), Result(true, false, 1));
    // A page two levels under a book: no beep.
    ContentsFile far = FileWith({"1 Book", "3 P=p"});
    EXPECT_EQ(MoveLeft(far, 1), Result(true, false, 1));
    EXPECT_EQ(far.EntryLines[1], "2 P=p");
    // The first entry compares with "no entry" at level -1.
    ContentsFile first = FileWith({"3 P=p"});
    EXPECT_EQ(MoveLeft(first, 0), Result(true, false, 0));
    ContentsFile tens = FileWith({"10 Deep"});
    EXPECT_EQ(MoveLeft(tens, 0), Result(true, false, 0));
    EXPECT_EQ(tens.EntryLines[0], "9 Deep");
}

TEST(MoveUpDown, SwapAndFollowTheEntry) {
    ContentsFile file = FileWith({"1 A", "1 B", "1 C"});
    EXPECT_EQ(MoveUp(file, 0), Result(false, false, 0));
    EXPECT_EQ(MoveDown(file, 2), Result(false, false, 2));
    EXPECT_EQ(MoveDown(file, -1), Result(false, false, -1));
    EXPECT_FALSE(file.CntModified);
    EXPECT_EQ(MoveUp(file, 2), Result(true, false, 1));
    EXPECT_EQ(file.EntryLines, (Lines{"1 A", "1 C", "1 B"}));
    EXPECT_EQ(MoveDown(file, 0), Result(true, false, 1));
    EXPECT_EQ(file.EntryLines, (Lines{"1 C", "1 A", "1 B"}));
    EXPECT_TRUE(file.CntModified);
}

TEST(DeleteEntry, SelectsTheNextOrTheNewLast) {
    ContentsFile file = FileWith({"1 A", "1 B", "1 C"});
    EXPECT_EQ(DeleteEntry(file, 1), Result(true, false, 1));
    EXPECT_EQ(file.EntryLines, (Lines{"1 A", "1 C"}));
    EXPECT_EQ(DeleteEntry(file, 1), Result(true, false, 0));
    EXPECT_EQ(DeleteEntry(file, 0), Result(true, false, -1));
    EXPECT_TRUE(file.EntryLines.empty());
    file.CntModified = false;
    EXPECT_EQ(DeleteEntry(file, 0), Result(false, false, 0));
    EXPECT_FALSE(file.CntModified);
}

TEST(InsertEntry, BelowSelectionOrAtTheEnd) {
    ContentsFile file = FileWith({"1 A", "1 B", "1 C"});
    EXPECT_EQ(InsertEntry(file, 1, "1 New"), Result(true, false, 2));
    EXPECT_EQ(file.EntryLines, (Lines{"1 A", "1 B", "1 New", "1 C"}));
    EXPECT_EQ(InsertEntry(file, 3, "1 Last"), Result(true, false, 4));
    EXPECT_EQ(InsertEntry(file, -1, "1 End"), Result(true, false, 5));
    EXPECT_EQ(file.EntryLines.back(), "1 End");
    ContentsFile empty;
    EXPECT_EQ(InsertEntry(empty, -1, "1 Only"), Result(true, false, 0));
    EXPECT_TRUE(empty.CntModified);
}

TEST(ReplaceEntry, KeepsTheSelection) {
    ContentsFile file = FileWith({"1 A"});
    EXPECT_EQ(ReplaceEntry(file, 0, "1 B"), Result(true, false, 0));
    EXPECT_EQ(file.EntryLines[0], "1 B");
    EXPECT_FALSE(ReplaceEntry(file, 1, "x").Changed);
}

TEST(DropTopic, OnABookGoesOneLevelDeeperBelowIt) {
    ContentsFile file = FileWith({"1 Top", "2 Book", "3 Page=p"});
    EXPECT_EQ(DropTopic(file, 1, "New topic", "scrv7"), Result(true, false, 2));
    EXPECT_EQ(file.EntryLines, (Lines{"1 Top", "2 Book", "3 New topic=scrv7", "3 Page=p"}));
    EXPECT_TRUE(file.CntModified);
}

TEST(DropTopic, OnAPageTakesItsLevelAboveIt) {
    ContentsFile file = FileWith({"1 Top", "2 Book", "3 Page=p"});
    EXPECT_EQ(DropTopic(file, 2, "T", "c"), Result(true, false, 2));
    EXPECT_EQ(file.EntryLines, (Lines{"1 Top", "2 Book", "3 T=c", "3 Page=p"}));
}

TEST(DropTopic, OnAnIncludeLineUsesLevelOne) {
    ContentsFile file = FileWith({":include a.cnt"});
    EXPECT_EQ(DropTopic(file, 0, "T", "c"), Result(true, false, 0));
    EXPECT_EQ(file.EntryLines, (Lines{"1 T=c", ":include a.cnt"}));
}

TEST(DropTopic, BelowTheLastEntry) {
    ContentsFile book = FileWith({"1 Book"});
    EXPECT_EQ(DropTopic(book, -1, "T", "c"), Result(true, false, 1));
    EXPECT_EQ(book.EntryLines, (Lines{"1 Book", "2 T=c"}));
    ContentsFile page = FileWith({"1 Book", "3 Page=p"});
    EXPECT_EQ(DropTopic(page, 2, "T", "c"), Result(true, false, 2));
    EXPECT_EQ(page.EntryLines.back(), "3 T=c");
    ContentsFile include = FileWith({":include a.cnt"});
    DropTopic(include, -1, "T", "");
    EXPECT_EQ(include.EntryLines.back(), "1 T=");
    ContentsFile empty;
    EXPECT_EQ(DropTopic(empty, -1, "T", "c"), Result(true, false, 0));
    EXPECT_EQ(empty.EntryLines, (Lines{"1 T=c"}));
}

TEST(DropEntry, MovesKeepingTheLevel) {
    ContentsFile file = FileWith({"1 A", "2 B=b", "1 C"});
    EXPECT_EQ(DropEntry(file, 0, 2), Result(true, false, 2));
    EXPECT_EQ(file.EntryLines, (Lines{"2 B=b", "1 C", "1 A"}));
    EXPECT_EQ(DropEntry(file, 2, 0), Result(true, false, 0));
    EXPECT_EQ(file.EntryLines, (Lines{"1 A", "2 B=b", "1 C"}));
}

TEST(DropEntry, OntoItselfOrBelowTheLastChangesNothing) {
    ContentsFile file = FileWith({"1 A", "1 B"});
    EXPECT_FALSE(DropEntry(file, 1, 1).Changed);
    EXPECT_FALSE(DropEntry(file, 1, -1).Changed);
    EXPECT_FALSE(DropEntry(file, 0, 2).Changed);
    EXPECT_FALSE(DropEntry(file, -1, 0).Changed);
    EXPECT_EQ(file.EntryLines, (Lines{"1 A", "1 B"}));
    EXPECT_FALSE(file.CntModified);
}

Project SavedProject() {
    Project project;
    project.ProjectFileName = "/home/ann/proj/manual.scw";
    project.ContentsFileName = "manual.cnt";
    project.HelpFileName = "manual.hlp";
    project.HelpTitle = "The Manual";
    return project;
}

TEST(FindContentsFileName, BareHelpFileMeansTheProjectFolder) {
    EXPECT_EQ(FindContentsFileName(SavedProject()), "/home/ann/proj/manual.cnt");
}

TEST(FindContentsFileName, HelpFilePathGivesItsFolder) {
    Project project = SavedProject();
    project.HelpFileName = "/srv/help/manual.hlp";
    EXPECT_EQ(FindContentsFileName(project), "/srv/help/manual.cnt");
    project.HelpFileName = "C:\\Help\\manual.hlp";
    EXPECT_EQ(FindContentsFileName(project), "C:\\Help\\manual.cnt");
    // A relative help path does not count as a folder of its own.
    project.HelpFileName = ".\\out\\manual.hlp";
    EXPECT_EQ(FindContentsFileName(project), "/home/ann/proj/manual.cnt");
}

TEST(FindContentsFileName, DotNamesAreRelativeOthersStand) {
    Project project = SavedProject();
    project.ContentsFileName = ".\\sub\\manual.cnt";
    EXPECT_EQ(FindContentsFileName(project), "/home/ann/proj/.\\sub\\manual.cnt");
    EXPECT_EQ(ContentsDiskPath(FindContentsFileName(project)), "/home/ann/proj/./sub/manual.cnt");
    project.ContentsFileName = "/abs/manual.cnt";
    EXPECT_EQ(FindContentsFileName(project), "/abs/manual.cnt");
    project.ContentsFileName = "sub\\manual.cnt";
    EXPECT_EQ(FindContentsFileName(project), "sub\\manual.cnt");
    project.ContentsFileName = "";
    EXPECT_EQ(FindContentsFileName(project), "");
}

TEST(FindContentsFileName, UnsavedProjectUsesTheBareName) {
    Project project = SavedProject();
    project.ProjectFileName = kUntitled;
    project.HelpFileName = "/srv/help/manual.hlp";
    EXPECT_EQ(FindContentsFileName(project), "manual.cnt");
}

TEST(PrefillContents, HelpTitleAndBareHelpFile) {
    Project project = SavedProject();
    project.HelpFileName = "C:\\Help\\manual.hlp";
    ContentsFile file = FileWith({"1 Old"});
    file.CntFileName = "/x/old.cnt";
    file.CntModified = true;
    file.DefaultWindow = "main";
    PrefillContents(file, project);
    EXPECT_EQ(file.CntFileName, "Untitled");
    EXPECT_TRUE(file.IsUntitled());
    EXPECT_FALSE(file.CntModified);
    EXPECT_TRUE(file.EntryLines.empty());
    EXPECT_EQ(file.DefaultTitle, "The Manual");
    EXPECT_EQ(file.DefaultFile, "manual.hlp");
    EXPECT_EQ(file.DefaultWindow, "");
    EXPECT_EQ(file.WriteText(), ":Base manual.hlp\r\n:Title The Manual\r\n");
}

}  // namespace
}  // namespace scrivlet
