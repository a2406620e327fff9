#include <gtest/gtest.h>

#include "core/model/project.h"
#include "core/rtf/rtf_tokenizer.h"
#include "core/search/replace_in_project.h"
#include "core/search/replace_in_rtf.h"

namespace scrivlet {
namespace {

// A topic as the editor stores it.
std::vector<std::string> SampleTopic() {
    return {
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
        "Roman;}}",
        "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green0\\blue0;}",
        "\\deflang1033\\pard\\plain\\f0\\fs22 A par of rtf with f1 in a "
        "\\plain\\f0\\fs22\\strike\\cf1 "
        "jump\\plain\\f0\\fs22\\cf2 [href=20]\\plain\\f0\\fs22  here.",
        "\\par \\pard\\qc\\plain\\f1\\fs22\\b Centred par bold",
        "\\par }",
    };
}

// Everything but the author text: the formatting a replacement must keep.
std::vector<std::string> Formatting(const std::string& rtf) {
    std::vector<std::string> out;
    rtf::Tokenizer tokenizer(rtf);
    for (auto t = tokenizer.Next(); t.kind != rtf::TokenKind::kEnd; t = tokenizer.Next()) {
        if (t.kind == rtf::TokenKind::kText || t.kind == rtf::TokenKind::kHexByte) {
            continue;
        }
        out.push_back(std::to_string(static_cast<int>(t.kind)) + std::string(t.text) +
                      (t.hasParam ? std::to_string(t.param) : ""));
    }
    EXPECT_FALSE(tokenizer.HasError()) << tokenizer.Error();
    return out;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line + "\n";
    }
    return out;
}

TEST(ReplaceInRtf, ControlWordsAndTablesAreNeverTouched) {
    for (const char* pattern : {"par", "f1", "rtf", "fs22", "Arial", "red0", "\\", "{", "}"}) {
        std::vector<std::string> lines = SampleTopic();
        const auto before = Formatting(Join(lines));
        ReplaceInTopicText(lines, pattern, "XY", false);
        ASSERT_EQ(lines.size(), 5u) << pattern;
        EXPECT_EQ(Formatting(Join(lines)), before) << pattern;
        EXPECT_EQ(lines[0], SampleTopic()[0]) << pattern;
        EXPECT_EQ(lines[1], SampleTopic()[1]) << pattern;
    }
}

TEST(ReplaceInRtf, ReplacesAuthorTextOnly) {
    std::vector<std::string> lines = SampleTopic();
    EXPECT_EQ(ReplaceInTopicText(lines, "par", "pair", true), 2);
    EXPECT_EQ(
        lines[2],
        "\\deflang1033\\pard\\plain\\f0\\fs22 A pair of rtf with f1 in a "
        "\\plain\\f0\\fs22\\strike\\cf1 jump\\plain\\f0\\fs22\\cf2 [href=20]\\plain\\f0\\fs22 "
        " here.");
    EXPECT_EQ(lines[3], "\\par \\pard\\qc\\plain\\f1\\fs22\\b Centred pair bold");
    EXPECT_EQ(lines[4], "\\par }");

    lines = SampleTopic();
    EXPECT_EQ(ReplaceInTopicText(lines, "F1", "g2", false), 1);
    EXPECT_NE(lines[2].find("rtf with g2 in"), std::string::npos);
    EXPECT_NE(lines[3].find("\\plain\\f1\\fs22"), std::string::npos);

    lines = SampleTopic();
    EXPECT_EQ(ReplaceInTopicText(lines, "rtf", "RTF", true), 1);
    EXPECT_EQ(lines[0], SampleTopic()[0]);
    EXPECT_NE(lines[2].find("par of RTF with"), std::string::npos);
}

TEST(ReplaceInRtf, MarkupCodesAreAuthorText) {
    std::vector<std::string> lines = SampleTopic();
    EXPECT_EQ(ReplaceInTopicText(lines, "[href=20]", "[href=30]", true), 1);
    EXPECT_NE(lines[2].find("\\cf2 [href=30]\\plain"), std::string::npos);
}

TEST(ReplaceInRtf, NoMatchAcrossAChangeOfFormatting) {
    std::string rtf = "{\\rtf1 bo{\\b ld} and \\b bo\\b0 ld and bold}";
    EXPECT_EQ(ReplaceInRtf(rtf, "bold", "X", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1 bo{\\b ld} and \\b bo\\b0 ld and X}");
    // Nor across a line break of the source, which the reader ignores.
    rtf = "{\\rtf1 bo\nld}";
    EXPECT_EQ(ReplaceInRtf(rtf, "bold", "X", true), 0);
}

TEST(ReplaceInRtf, DestinationsAreSkipped) {
    std::string rtf =
        "{\\rtf1{\\stylesheet{\\s0 Normal par;}}{\\info{\\title par}}{\\*\\bkmkstart par}"
        "{\\field{\\*\\fldinst HYPERLINK par}{\\fldrslt par}}{\\pict 0a0b par}par}";
    EXPECT_EQ(ReplaceInRtf(rtf, "par", "Q", true), 2);
    EXPECT_EQ(rtf,
              "{\\rtf1{\\stylesheet{\\s0 Normal par;}}{\\info{\\title par}}{\\*\\bkmkstart par}"
              "{\\field{\\*\\fldinst HYPERLINK par}{\\fldrslt Q}}{\\pict 0a0b par}Q}");
}

TEST(ReplaceInRtf, BulletTextIsNotAuthorText) {
    std::string rtf = "{\\rtf1\\pard{\\pntext\\f0\\'95\\tab}\\'95 item}";
    EXPECT_EQ(ReplaceInRtf(rtf, "\x95", "*", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1\\pard{\\pntext\\f0\\'95\\tab}* item}");
}

TEST(ReplaceInRtf, EscapedCharactersMatchAndReplacementsAreEscaped) {
    std::string rtf = "{\\rtf1 caf\\'e9 and a\\{b\\} and c\\\\d}";
    EXPECT_EQ(ReplaceInRtf(rtf, "caf\xE9", "tea", true), 1);
    EXPECT_EQ(ReplaceInRtf(rtf, "{b}", "[b]", true), 1);
    EXPECT_EQ(ReplaceInRtf(rtf, "c\\d", "{x}\\\xFC\t", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1 tea and a[b] and \\{x\\}\\\\\\'fc\\tab }");
    EXPECT_EQ(EscapeRtfText("a\nb"), "a b");
}

TEST(ReplaceInRtf, TextNeverRunsIntoAControlWord) {
    // "\f0" ends at the apostrophe: a digit put there would make "\f01".
    std::string rtf = "{\\rtf1\\f0's it}";
    EXPECT_EQ(ReplaceInRtf(rtf, "'s", "1", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1\\f0 1 it}");
    rtf = "{\\rtf1\\f0's9}";
    EXPECT_EQ(ReplaceInRtf(rtf, "'s", "", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1\\f0 9}");
    // With its blank the word is safe and no blank is added.
    rtf = "{\\rtf1\\f0 's}";
    EXPECT_EQ(ReplaceInRtf(rtf, "'s", "1", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1\\f0 1}");
}

TEST(ReplaceInRtf, UnicodeFallbackIsNotText) {
    std::string rtf = "{\\rtf1 a\\u8364?b ?}";
    EXPECT_EQ(ReplaceInRtf(rtf, "?", "!", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1 a\\u8364?b !}");
}

TEST(ReplaceInRtf, ReplacementIsNotSearchedAgain) {
    std::string rtf = "{\\rtf1 a a}";
    EXPECT_EQ(ReplaceInRtf(rtf, "a", "aa", true), 2);
    EXPECT_EQ(rtf, "{\\rtf1 aa aa}");
    rtf = "{\\rtf1 aab}";
    EXPECT_EQ(ReplaceInRtf(rtf, "ab", "b", true), 1);
    EXPECT_EQ(rtf, "{\\rtf1 ab}");
    EXPECT_EQ(ReplaceInRtf(rtf, "", "x", true), 0);
}

TEST(ReplaceInRtf, BrokenRtfIsHandledWithoutHarm) {
    std::string rtf = "}}{\\rtf1 par {\\b par";
    EXPECT_EQ(ReplaceInRtf(rtf, "par", "x", true), 2);
    EXPECT_EQ(rtf, "}}{\\rtf1 x {\\b x");
    rtf = "\\";
    EXPECT_EQ(ReplaceInRtf(rtf, "\\", "x", true), 0);
}

TEST(ReplaceAllInProject, CountsOverTopicsAndMarksModified) {
    Project project;
    for (int i = 0; i < 3; ++i) {
        TTopic topic;
        topic.Text = SampleTopic();
        project.Topics.Add(topic);
    }
    TTopic empty;
    project.Topics.Add(empty);
    EXPECT_EQ(ReplaceAllInProject(project, "nothing here", "x", true), 0);
    EXPECT_FALSE(project.Modified());
    EXPECT_EQ(project.Topics[0].Text, SampleTopic());
    EXPECT_TRUE(project.Topics[3].Text.empty());

    EXPECT_EQ(ReplaceAllInProject(project, "PAR", "pair", false), 6);
    EXPECT_TRUE(project.Modified());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Formatting(Join(project.Topics[i].Text)), Formatting(Join(SampleTopic())));
    }
    // A total of 0 leaves the flag as it is, also when it is set.
    EXPECT_EQ(ReplaceAllInProject(project, "zzz", "x", true), 0);
    EXPECT_TRUE(project.Modified());
}

}  // namespace
}  // namespace scrivlet
