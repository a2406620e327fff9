#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/rtf/rtf_tokenizer.h"

namespace scrivlet::rtf {
namespace {

// One line per token, compact enough to compare whole streams.
std::string Describe(const Token& t) {
    switch (t.kind) {
        case TokenKind::kEnd:
            return "END";
        case TokenKind::kGroupStart:
            return "{";
        case TokenKind::kGroupEnd:
            return "}";
        case TokenKind::kControlWord:
            return "\\" + std::string(t.text) + (t.hasParam ? "=" + std::to_string(t.param) : "");
        case TokenKind::kControlSymbol:
            return "sym " + std::string(t.text);
        case TokenKind::kHexByte:
            return "hex " + std::to_string(t.byte);
        case TokenKind::kUnicode:
            return "u " + std::to_string(static_cast<unsigned>(t.codeUnit));
        case TokenKind::kBinary:
            return "bin " + std::string(t.text);
        case TokenKind::kText:
            return "text " + std::string(t.text);
    }
    return "?";
}

std::vector<std::string> Tokens(std::string_view input, std::string* error = nullptr) {
    Tokenizer tokenizer(input);
    std::vector<std::string> out;
    for (;;) {
        Token t = tokenizer.Next();
        if (t.kind == TokenKind::kEnd) {
            break;
        }
        out.push_back(Describe(t));
    }
    if (error != nullptr) {
        *error = tokenizer.Error();
    }
    return out;
}

using Lines = std::vector<std::string>;

TEST(RtfTokenizer, SplitsGroupsWordsAndText) {
    std::string error;
    EXPECT_EQ(Tokens("{\\rtf1\\ansi\\b bold\\b0  plain}", &error),
              (Lines{"{", "\\rtf=1", "\\ansi", "\\b", "text bold", "\\b=0", "text  plain", "}"}));
    EXPECT_EQ(error, "");
}

TEST(RtfTokenizer, ReadsNegativeParametersAndKeepsNonSpaceDelimiters) {
    EXPECT_EQ(Tokens("\\fi-360\\li360;x\\b-y"),
              (Lines{"\\fi=-360", "\\li=360", "text ;x", "\\b", "text -y"}));
}

TEST(RtfTokenizer, ControlSymbolsAndHexBytes) {
    EXPECT_EQ(Tokens("a\\{b\\}c\\\\d\\~\\'e9\\'C4\\*"),
              (Lines{"text a", "sym {", "text b", "sym }", "text c", "sym \\", "text d", "sym ~",
                     "hex 233", "hex 196", "sym *"}));
}

TEST(RtfTokenizer, LineBreaksAreIgnoredAndBackslashLineBreakIsPar) {
    EXPECT_EQ(Tokens("ab\r\ncd\\b\r\nef\\\r\ngh"),
              (Lines{"text ab", "text cd", "\\b", "text ef", "\\par", "text gh"}));
}

TEST(RtfTokenizer, UnicodeSkipsOneFallbackByDefault) {
    EXPECT_EQ(Tokens("\\u8364?x\\u-4064\\'3fy"), (Lines{"u 8364", "text x", "u 61472", "text y"}));
}

TEST(RtfTokenizer, UcCountIsScopedToItsGroup) {
    EXPECT_EQ(Tokens("{\\uc2\\u8364\\'80\\'80a}\\u8364?b{\\uc0\\u8364 c}"),
              (Lines{"{", "\\uc=2", "u 8364", "text a", "}", "u 8364", "text b", "{", "\\uc=0",
                     "u 8364", "text c", "}"}));
}

TEST(RtfTokenizer, FallbackStopsAtBraceAndCountsControlWords) {
    EXPECT_EQ(Tokens("{\\uc3\\u1234 a}b"), (Lines{"{", "\\uc=3", "u 1234", "}", "text b"}));
    EXPECT_EQ(Tokens("\\uc2\\u1234\\endash xy"), (Lines{"\\uc=2", "u 1234", "text y"}));
}

TEST(RtfTokenizer, UnicodeTokenSpanCoversTheFallback) {
    Tokenizer tokenizer("\\u233?abc");
    Token t = tokenizer.Next();
    ASSERT_EQ(t.kind, TokenKind::kUnicode);
    EXPECT_EQ(t.offset, 0u);
    EXPECT_EQ(t.length, 6u);
    EXPECT_EQ(tokenizer.Next().text, "abc");
}

TEST(RtfTokenizer, BinaryTakesRawBytesIncludingBraces) {
    std::string error;
    EXPECT_EQ(Tokens("{\\bin4 {}\\x}", &error), (Lines{"{", "bin {}\\x", "}"}));
    EXPECT_EQ(error, "");
}

TEST(RtfTokenizer, BinaryLengthPastTheEndTakesTheRestAndReports) {
    std::string error;
    EXPECT_EQ(Tokens("\\bin99 abc", &error), (Lines{"bin abc"}));
    EXPECT_EQ(error, "\\bin length 99 runs past the end of the data at byte 0");
    EXPECT_EQ(Tokens("x\\bin-5 abc", &error), (Lines{"text x", "bin ", "text abc"}));
    EXPECT_EQ(error, "negative \\bin length at byte 1");
}

TEST(RtfTokenizer, HugeNumbersAreClampedAndReported) {
    std::string error;
    EXPECT_EQ(Tokens("\\fs99999999999999999999 a\\fi-99999999999", &error),
              (Lines{"\\fs=2147483647", "text a", "\\fi=-2147483648"}));
    EXPECT_EQ(error, "number too large after \"\\fs\" at byte 0");
    EXPECT_EQ(Tokens("\\fi-2147483648\\li2147483647", &error),
              (Lines{"\\fi=-2147483648", "\\li=2147483647"}));
    EXPECT_EQ(error, "");
}

TEST(RtfTokenizer, UnmatchedCloseBraceIsDroppedAndReported) {
    std::string error;
    EXPECT_EQ(Tokens("a}b{c}", &error), (Lines{"text a", "text b", "{", "text c", "}"}));
    EXPECT_EQ(error, "unmatched \"}\" at byte 1");
}

TEST(RtfTokenizer, UnclosedGroupsAreReportedAtTheEnd) {
    std::string error;
    EXPECT_EQ(Tokens("{\\rtf1{x", &error), (Lines{"{", "\\rtf=1", "{", "text x"}));
    EXPECT_EQ(error, "the RTF ends with 2 group(s) still open at byte 8");
}

TEST(RtfTokenizer, TruncatedEscapes) {
    std::string error;
    EXPECT_EQ(Tokens("ab\\", &error), (Lines{"text ab"}));
    EXPECT_EQ(error, "the RTF ends after a backslash at byte 2");
    EXPECT_EQ(Tokens("\\'4", &error), (Lines{"hex 4"}));
    EXPECT_EQ(error, "\"\\'\" without two hexadecimal digits at byte 0");
    EXPECT_EQ(Tokens("\\'zz", &error), (Lines{"hex 0", "text zz"}));
}

TEST(RtfTokenizer, NulBytesAreText) {
    std::string input("a\0b", 3);
    std::vector<std::string> tokens = Tokens(input);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0], std::string("text a\0b", 8));
}

TEST(RtfTokenizer, MillionNestedGroupsNeedNoStack) {
    std::string input(1000000, '{');
    input += "\\uc0 x";
    input += std::string(1000000, '}');
    Tokenizer tokenizer(input);
    std::size_t maxDepth = 0;
    std::size_t count = 0;
    for (Token t = tokenizer.Next(); t.kind != TokenKind::kEnd; t = tokenizer.Next()) {
        maxDepth = std::max(maxDepth, tokenizer.Depth());
        ++count;
    }
    EXPECT_EQ(maxDepth, 1000000u);
    EXPECT_EQ(count, 2000002u);
    EXPECT_EQ(tokenizer.Depth(), 0u);
    EXPECT_FALSE(tokenizer.HasError());
}

TEST(RtfTokenizer, EndIsSticky) {
    Tokenizer tokenizer("{a");
    tokenizer.Next();
    tokenizer.Next();
    EXPECT_EQ(tokenizer.Next().kind, TokenKind::kEnd);
    EXPECT_EQ(tokenizer.Next().kind, TokenKind::kEnd);
    EXPECT_EQ(tokenizer.Error(), "the RTF ends with 1 group(s) still open at byte 2");
}

TEST(RtfTokenizer, OffsetsAndLengthsCoverTheSource) {
    const std::string input = "{\\b1 x\\'41}";
    Tokenizer tokenizer(input);
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (Token t = tokenizer.Next(); t.kind != TokenKind::kEnd; t = tokenizer.Next()) {
        spans.emplace_back(t.offset, t.length);
    }
    EXPECT_EQ(spans, (std::vector<std::pair<std::size_t, std::size_t>>{
                         {0, 1}, {1, 4}, {5, 1}, {6, 4}, {10, 1}}));
}

TEST(RtfTokenizer, HexDigitValue) {
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('a'), 10);
    EXPECT_EQ(HexDigitValue('F'), 15);
    EXPECT_EQ(HexDigitValue('g'), -1);
}

}  // namespace
}  // namespace scrivlet::rtf
