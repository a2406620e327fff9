#include <gtest/gtest.h>

#include "core/search/search_text.h"

namespace scrivlet {
namespace {

using namespace std::string_view_literals;

TEST(SearchText, PatternCarriesBlanksForWholeWords) {
    EXPECT_EQ(SearchPattern("cat"sv, true), " cat ");
    EXPECT_EQ(SearchPattern("cat"sv, false), "cat");
    EXPECT_EQ(SearchPattern(u"cat"sv, true), u" cat ");
}

TEST(SearchText, CaseFoldingIsAToZOnly) {
    EXPECT_EQ(FindPattern("xHELLOx"sv, "hello"sv, false), 1u);
    EXPECT_EQ(FindPattern("xHELLOx"sv, "hello"sv, true), std::string_view::npos);
    // e-acute and E-acute are different bytes and do not fold.
    EXPECT_EQ(FindPattern("caf\xC9"sv, "caf\xE9"sv, false), std::string_view::npos);
    EXPECT_EQ(FindPattern(u"CAF\u00C9"sv, u"caf\u00E9"sv, false), std::u16string_view::npos);
    EXPECT_EQ(FindPattern(u"CAF\u00E9"sv, u"caf\u00E9"sv, false), 0u);
    // "[" and "{" sit just outside the letter ranges and stay themselves.
    EXPECT_EQ(FindPattern("a{b"sv, "A[B"sv, false), std::string_view::npos);
}

TEST(SearchText, EmptyPatternIsNeverFound) {
    EXPECT_EQ(FindPattern("abc"sv, ""sv, true), std::string_view::npos);
    EXPECT_EQ(FindPattern("abc"sv, "abc"sv, true, 1), std::string_view::npos);
    EXPECT_EQ(FindPattern("abc"sv, "c"sv, true, 3), std::string_view::npos);
    EXPECT_EQ(FindPattern("abc"sv, "c"sv, true, 9), std::string_view::npos);
}

TEST(FindNext, NeverFindsBeforeTheCaret) {
    const std::u16string_view text = u"one two one two";
    auto match = FindNextMatch(text, 5, 0, u"one"sv, {});
    ASSERT_TRUE(match);
    EXPECT_EQ(*match, (TextMatch{8, 3}));
    EXPECT_FALSE(FindNextMatch(text, 9, 0, u"one"sv, {}));
    // The search starts after the selection, not at its start.
    match = FindNextMatch(text, 0, 3, u"one"sv, {});
    ASSERT_TRUE(match);
    EXPECT_EQ(match->Start, 8u);
    EXPECT_FALSE(FindNextMatch(text, 0, 0, u""sv, {}));
}

TEST(FindNext, WholeWordsNeedABlankOnEachSide) {
    const SearchOptions whole{false, true};
    EXPECT_FALSE(FindNextMatch(u"cat sat"sv, 0, 0, u"cat"sv, whole));     // start of text
    EXPECT_FALSE(FindNextMatch(u"sat cat"sv, 0, 0, u"cat"sv, whole));     // end of text
    EXPECT_FALSE(FindNextMatch(u"a cat\nsat"sv, 0, 0, u"cat"sv, whole));  // line break
    EXPECT_FALSE(FindNextMatch(u"a cat, b"sv, 0, 0, u"cat"sv, whole));    // punctuation
    EXPECT_FALSE(FindNextMatch(u"a cats b"sv, 0, 0, u"cat"sv, whole));
    const auto match = FindNextMatch(u"a CAT b"sv, 0, 0, u"cat"sv, whole);
    ASSERT_TRUE(match);
    EXPECT_EQ(*match, (TextMatch{1, 5}));  // the blanks belong to the match
}

TEST(FindNext, SelectionMatchesFind) {
    EXPECT_TRUE(SelectionMatchesFind(u"Cat"sv, u"cat"sv, false));
    EXPECT_FALSE(SelectionMatchesFind(u"Cat"sv, u"cat"sv, true));
    EXPECT_FALSE(SelectionMatchesFind(u""sv, u""sv, false));
    EXPECT_FALSE(SelectionMatchesFind(u" cat "sv, u"cat"sv, false));
}

TEST(ReplaceInString, ReplacementIsNotSearchedAgain) {
    std::string text = "aab";
    EXPECT_EQ(ReplaceInString("ab", "b", text, true), 1);
    EXPECT_EQ(text, "ab");

    text = "a a";
    EXPECT_EQ(ReplaceInString("a", "aa", text, true), 2);
    EXPECT_EQ(text, "aa aa");
}

TEST(ReplaceInString, CaseAndEdges) {
    std::string text = "Par par PAR";
    EXPECT_EQ(ReplaceInString("par", "x", text, false), 3);
    EXPECT_EQ(text, "x x x");
    text = "Par par PAR";
    EXPECT_EQ(ReplaceInString("par", "x", text, true), 1);
    EXPECT_EQ(text, "Par x PAR");
    text = "abc";
    EXPECT_EQ(ReplaceInString("", "x", text, true), 0);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(ReplaceInString("abc", "", text, true), 1);
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReplaceInString("x", "y", text, true), 0);
}

}  // namespace
}  // namespace scrivlet
