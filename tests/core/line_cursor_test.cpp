#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/projectfile/line_cursor.h"

namespace scrivlet {
namespace {

std::vector<std::string> AllLines(std::string_view bytes) {
    LineCursor cursor(bytes);
    std::vector<std::string> lines;
    while (!cursor.AtEnd()) {
        lines.emplace_back(cursor.ReadLine());
    }
    return lines;
}

TEST(LineCursor, CrEndsALineAndAnLfAfterItBelongsToTheEnd) {
    EXPECT_EQ(AllLines("a\r\nb\rc\r\n\r\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(AllLines("a\r\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(AllLines("a\r\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(AllLines("").empty());
}

TEST(LineCursor, LoneLfIsAnOrdinaryCharacter) {
    EXPECT_EQ(AllLines("a\nb\r\n\nc"), (std::vector<std::string>{"a\nb", "\nc"}));
}

TEST(LineCursor, Byte26EndsTheData) {
    EXPECT_EQ(AllLines("a\r\nb\x1A"
                       "c\r\nd"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(AllLines("\x1A"
                         "abc")
                    .empty());
}

TEST(LineCursor, ReadingPastTheEndGivesEmptyLines) {
    LineCursor cursor("x");
    EXPECT_EQ(cursor.ReadLine(), "x");
    EXPECT_TRUE(cursor.AtEnd());
    EXPECT_EQ(cursor.ReadLine(), "");
    EXPECT_EQ(cursor.ReadLine(), "");
}

TEST(LineCursor, CountsLinesByCrIncludingSkippedBlankLines) {
    LineCursor cursor("one\r\ntwo\rthree\nstill three\r\n\r\n  \r\nsix");
    cursor.ReadLine();
    EXPECT_EQ(cursor.LastLineNumber(), 1u);
    cursor.ReadLine();
    EXPECT_EQ(cursor.LastLineNumber(), 2u);
    EXPECT_EQ(cursor.ReadLine(), "three\nstill three");
    EXPECT_EQ(cursor.LastLineNumber(), 3u);
    EXPECT_FALSE(cursor.SkipBlanks());
    EXPECT_EQ(cursor.ReadLine(), "six");
    EXPECT_EQ(cursor.LastLineNumber(), 6u);
}

TEST(LineCursor, BlankTestsLookAheadWithoutConsuming) {
    LineCursor cursor("a\r\n \t\r\n\x01\r\nb\r\n \r\n");
    EXPECT_FALSE(cursor.OnlyBlanksLeft());
    EXPECT_EQ(cursor.ReadLine(), "a");
    EXPECT_FALSE(cursor.OnlyBlanksLeft());
    // The look-ahead consumed nothing: the blank lines are still there.
    EXPECT_EQ(cursor.ReadLine(), " \t");
    EXPECT_EQ(cursor.ReadLine(), "\x01");
    EXPECT_FALSE(cursor.OnlyBlanksLeft());
    EXPECT_EQ(cursor.ReadLine(), "b");
    EXPECT_TRUE(cursor.OnlyBlanksLeft());
    EXPECT_EQ(cursor.ReadLine(), " ");
    EXPECT_TRUE(cursor.OnlyBlanksLeft());
    EXPECT_TRUE(cursor.SkipBlanks());
    EXPECT_TRUE(cursor.AtEnd());
}

TEST(LineCursor, SkipBlanksStopsAtTheFirstByteAbove32) {
    LineCursor cursor("\r\n \r\n  x y\r\n");
    EXPECT_FALSE(cursor.SkipBlanks());
    EXPECT_EQ(cursor.ReadLine(), "x y");
    EXPECT_EQ(cursor.LastLineNumber(), 3u);
}

}  // namespace
}  // namespace scrivlet
