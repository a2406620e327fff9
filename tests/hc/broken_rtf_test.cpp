// A table of broken topic files: each gives a clear finding, and none
// crashes, hangs or leaves the reader in a state the checks cannot use.
#include <gtest/gtest.h>

#include "hc/build_tags.h"
#include "hc/checks.h"
#include "hc/rtf_topic_reader.h"

namespace scrivlet::hc {
namespace {

struct BrokenRtf {
    const char* name;
    std::string rtf;
    std::string expected;  // the first finding, formatted
};

void PrintTo(const BrokenRtf& broken, std::ostream* os) {
    *os << broken.name;
}

class BrokenRtfFiles : public ::testing::TestWithParam<BrokenRtf> {};

TEST_P(BrokenRtfFiles, GiveAClearFindingAndNoCrash) {
    HelpFile help;
    Log log;
    ReadTopicFile(GetParam().rtf, "b.rtf", help, log, {});
    // The checks must cope with whatever the reader made of the file.
    HelpProject project;
    project.fileName = "b.hpj";
    CheckHelpFile(project, BuildTagFilter{}, help, log);
    ASSERT_FALSE(log.Findings().empty());
    EXPECT_EQ(FormatFinding(log.Findings()[0]), GetParam().expected);
}

const std::string kHead =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}${\\footnote T}#{\\footnote t}";

INSTANTIATE_TEST_SUITE_P(
    Hc, BrokenRtfFiles,
    ::testing::Values(
        BrokenRtf{
            "Empty", "",
            "HC2001: Fatal Error: b.rtf, line 1: The file is not an RTF file: it does not begin "
            "with \"{\\rtf\"."},
        BrokenRtf{
            "PlainText", "Hello, world.\n",
            "HC2001: Fatal Error: b.rtf, line 1: The file is not an RTF file: it does not begin "
            "with \"{\\rtf\"."},
        BrokenRtf{
            "OtherGroup", "{\\pict 00}",
            "HC2001: Fatal Error: b.rtf, line 1: The file is not an RTF file: it does not begin "
            "with \"{\\rtf\"."},
        BrokenRtf{"Unclosed", kHead + "\\pard text\\par {\\b bold",
                  "HC2002: Warning: b.rtf, line 1: The file ends inside a group: 2 closing "
                  "brace(s) are missing."},
        BrokenRtf{"TextAfterEnd", kHead + "\\pard a\\par}\n\\page b}",
                  "HC2003: Warning: b.rtf, line 2: Text after the end of the RTF document is "
                  "ignored."},
        BrokenRtf{"StrayBrace", kHead + "\\pard a\\par}}",
                  "HC2015: Warning: b.rtf: The RTF is not well formed: unmatched \"}\" at byte "
                  "80."},
        BrokenRtf{"DeepNesting",
                  kHead + std::string(100000, '{') + "x" + std::string(100000, '}') + "\\par}",
                  "HC2008: Warning: b.rtf: RTF groups are nested more than 200 deep; the deeper "
                  "groups are read as part of their parent."},
        BrokenRtf{"UnknownFont", kHead + "\\pard\\f7 a\\par}",
                  "HC2009: Warning: b.rtf, line 1: The font \\f7 is not in the font table; the "
                  "default font is used."},
        BrokenRtf{"FootnoteWithoutMark", "{\\rtf1{\\footnote x}\\par}",
                  "HC2005: Warning: b.rtf, topic #1 (no title): A footnote has no mark "
                  "character before it; it is ignored."},
        BrokenRtf{"UnknownMark", kHead + "Q{\\footnote x}\\par}",
                  "HC2005: Warning: b.rtf, topic #1 \"T\": The footnote mark \"Q\" has no "
                  "meaning in a help file; the footnote is ignored."},
        BrokenRtf{"HotspotWithoutTarget", kHead + "{\\strike jump} text\\par}",
                  "HC2006: Warning: b.rtf, topic #1 \"T\": The jump text \"jump\" is not "
                  "followed by hidden text naming its target; it is shown as plain text."},
        BrokenRtf{"HiddenWithoutHotspot", kHead + "plain{\\v target}\\par}",
                  "HC2007: Warning: b.rtf, topic #1 \"T\": The hidden text \"target\" follows no "
                  "hotspot text; it is ignored."},
        BrokenRtf{"EmptyTarget", kHead + "{\\strike a}{\\v %}\\par}",
                  "HC2011: Error: b.rtf, topic #1 \"T\": The hotspot target \"%\" is not sound: "
                  "the hotspot names no context string."},
        BrokenRtf{"UnclosedBitmap", kHead + "\\{bmc logo.bmp\\par}",
                  "HC2010: Warning: b.rtf, topic #1 \"T\": \"{bmc logo.bmp\" has no closing "
                  "brace in its paragraph; it is shown as text."},
        BrokenRtf{"LongTitle", "{\\rtf1${\\footnote " + std::string(300, 'x') + "}\\par}",
                  "HC2012: Warning: b.rtf, topic #1 (no title): The \"$\" footnote is longer "
                  "than 255 characters; it is cut."},
        BrokenRtf{"EmbeddedPicture", kHead + "{\\pict\\wmetafile8 0102}\\par}",
                  "HC2016: Warning: b.rtf, topic #1 \"T\": The picture embedded at line 1 is a "
                  "Windows metafile without a sound header, which this compiler cannot store; it "
                  "is left out. Save it as a bitmap and use {bmc file.bmp}."},
        BrokenRtf{"BinaryJunk", std::string("{\\rtf1\\bin5 \0\1{}\\", 17) + "\\par",
                  "HC2002: Warning: b.rtf, line 1: The file ends inside a group: 1 closing "
                  "brace(s) are missing."},
        BrokenRtf{"HugeBinCount", kHead + "\\bin2147483647 abc}",
                  "HC2002: Warning: b.rtf, line 1: The file ends inside a group: 1 closing "
                  "brace(s) are missing."},
        BrokenRtf{"OnlyAnEmptyTitle", "{\\rtf1 ${\\footnote }\\par}",
                  "HC4019: Note: b.rtf, topic #1 (no title): The topic has no context "
                  "string, keywords or browse sequence; no jump, index entry or browse button "
                  "can reach it."}),
    [](const ::testing::TestParamInfo<BrokenRtf>& param) { return param.param.name; });

TEST(BrokenRtf, UnclosedBitmapCodeStaysText) {
    HelpFile help;
    Log log;
    ReadTopicFile(kHead + "\\{bmc logo.bmp\\par}", "b.rtf", help, log, {});
    ASSERT_EQ(help.topics.size(), 1u);
    ASSERT_EQ(help.topics[0].paragraphs.size(), 1u);
    ASSERT_EQ(help.topics[0].paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(help.topics[0].paragraphs[0].runs[0].text, "{bmc logo.bmp");
    EXPECT_TRUE(help.topics[0].bitmaps.empty());
}

TEST(BrokenRtf, ManyTopicsOfGarbageStayBounded) {
    // A long file of page breaks, footnotes and braces in every order.
    std::string rtf = "{\\rtf1";
    for (int i = 0; i < 20000; ++i) {
        rtf += i % 3 == 0 ? "\\page" : (i % 3 == 1 ? "#{\\footnote x}" : "{\\v y}");
    }
    rtf += "}";
    HelpFile help;
    Log log;
    ReadTopicFile(rtf, "g.rtf", help, log, {});
    HelpProject project;
    CheckHelpFile(project, BuildTagFilter{}, help, log);
    EXPECT_LE(log.Findings().size(), Log::kMaxKept);
    EXPECT_GT(log.Warnings(), static_cast<int>(Log::kMaxKept));
    EXPECT_TRUE(log.Dropped());
}

}  // namespace
}  // namespace scrivlet::hc
