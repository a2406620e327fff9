#include <gtest/gtest.h>

#include "hc/model_text.h"
#include "hc/rtf_topic_reader.h"

namespace scrivlet::hc {
namespace {

struct Read {
    HelpFile help;
    Log log;
    std::string findings;
    std::string topics;
};

Read ReadRtf(const std::string& rtf, const std::string& name = "t.rtf") {
    Read read;
    const BitmapFinder finder = [](const std::string& file) {
        return file == "logo.bmp" || file == "LOGO.BMP" ? "/art/logo.bmp" : "";
    };
    ReadTopicFile(rtf, name, read.help, read.log, finder);
    for (const Finding& finding : read.log.Findings()) {
        read.findings += FormatFinding(finding) + "\n";
    }
    for (const Topic& topic : read.help.topics) {
        read.topics += DescribeTopic(topic);
    }
    return read;
}

constexpr const char* kHeader =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
    "Roman;}}\n"
    "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green0\\blue0;}\n";

// Two topics in the shape the build writes: footnotes in both orders, the
// first topic's non-scrolling region, a jump, a pop-up with prefix and window,
// an anchor in the middle of a topic and a macro hotspot.
TEST(RtfTopicReader, ReadsTheBuildsTopicFile) {
    const std::string rtf =
        std::string(kHeader) +
        "*{\\footnote alpha} \n"
        "!{\\footnote BrowseButtons()} \n"
        "+{\\footnote manual:010} \n"
        "#{\\footnote intro} \n"
        "${\\footnote Introduction} \n"
        "K{\\footnote  start;overview} \n"
        "A{\\footnote intro_a} \n"
        ">{\\footnote main} \n"
        "\\deflang1033\\pard\\keepn\\plain\\f0\\fs28\\b Intro\\plain\\f0\\fs16\\cf2 \n"
        "\\par \\pard\\pard\\plain\\f0\\fs22 See \\plain\\f0\\fs22\\strike\\cf1 "
        "more\\plain\\f0\\fs22{\\v scrv20}\\plain\\f0\\fs22  or "
        "\\plain\\f0\\fs22\\ul a note\\plain\\f0\\fs22{\\v %glossary>note}.\n"
        "\\par \\pard\\plain\\f0\\fs22 #{\\footnote start}Here \\plain\\f0\\fs22\\strike "
        "run\\plain\\f0\\fs22{\\v *!Contents();Exit();}\n"
        "\\par \n"
        "\\page\n"
        "#{\\footnote scrv20} \n"
        "${\\footnote More} \n"
        "K{\\footnote  more} \n"
        "\\deflang1033\\pard\\plain\\f1\\fs20 Other \\plain\\f1\\fs20\\strike "
        "file\\plain\\f1\\fs20{\\v intro@other.hlp>main}\n"
        "\\par }";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    EXPECT_EQ(read.topics,
              "topic #1 of t.rtf line 3\n"
              "  $ Introduction\n"
              "  # intro @0\n"
              "  # start @2\n"
              "  K start|overview\n"
              "  A intro_a\n"
              "  * alpha\n"
              "  + manual:010\n"
              "  ! BrowseButtons()\n"
              "  > main\n"
              "  para left keepn\n"
              "    [f0 28 b] \"Intro\"\n"
              "  para left\n"
              "    [f0 22] \"See \"\n"
              "    [f0 22 c1 strike {jump scrv20}] \"more\"\n"
              "    [f0 22] \" or \"\n"
              "    [f0 22 ul {popup glossary >note %}] \"a note\"\n"
              "    [f0 22] \".\"\n"
              "  para left\n"
              "    [f0 22] \"Here \"\n"
              "    [f0 22 strike {macro Contents();Exit(); *}] \"run\"\n"
              "topic #2 of t.rtf line 16\n"
              "  $ More\n"
              "  # scrv20 @0\n"
              "  K more\n"
              "  para left\n"
              "    [f1 20] \"Other \"\n"
              "    [f1 20 strike {jump intro @other.hlp >main}] \"file\"\n");
    ASSERT_EQ(read.help.fonts.size(), 2u);
    EXPECT_EQ(read.help.fonts[1].name, "Times New Roman");
    EXPECT_EQ(read.help.fonts[1].family, "roman");
    EXPECT_EQ(read.help.colors, (std::vector<uint32_t>{0x000000, 0x008000, 0x0000FF}));
}

TEST(RtfTopicReader, ReadsWordStyleFootnotes) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603}Times New "
        "Roman;}}{\\stylesheet{\\s15 footnote text;}}\n"
        "{\\cs16\\super #}{\\footnote \\pard\\plain \\s15 {\\cs16\\super #} IDH_INTRO}\n"
        "{\\cs16\\super $}{\\footnote \\pard\\plain \\s15 {\\cs16\\super $} Getting "
        "started}\n"
        "{\\cs16\\super K}{\\footnote \\pard\\plain \\s15 {\\cs16\\super K} one; two;}\n"
        "\\pard\\plain\\f0\\fs24 Text\\par}";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    EXPECT_EQ(read.topics,
              "topic #1 of t.rtf line 2\n"
              "  $ Getting started\n"
              "  # IDH_INTRO @0\n"
              "  K one|two\n"
              "  para left\n"
              "    [f0 24] \"Text\"\n");
    ASSERT_EQ(read.help.fonts.size(), 1u);
    EXPECT_EQ(read.help.fonts[0].name, "Times New Roman");
}

TEST(RtfTopicReader, ParagraphAndCharacterFormatting) {
    const std::string rtf =
        std::string(kHeader) +
        "${\\footnote F}\\pard\\qc\\li720\\ri360\\fi-360\\sb120\\sa60\\sl240\\tqr\\tx2880\\tqc"
        "\\tx4320\\tx5000\\plain\\f1\\fs18\\i\\uldb x\\ulnone\\b\\scaps y\\plain\\super z"
        "\\nosupersub\\cf9 w\\par\n"
        "\\pard\\qr\\keep r\\tab s\\line t\\par\\pard\\qj\\intbl j\\cell\\row}";
    const Read read = ReadRtf(rtf);
    // Double underline is a jump; with no hidden target it stays plain text.
    EXPECT_EQ(read.findings,
              "HC2006: Warning: t.rtf, topic #1 \"F\": The jump text \"x\" is not followed by "
              "hidden text naming its target; it is shown as plain text.\n");
    EXPECT_EQ(read.topics,
              "topic #1 of t.rtf line 3\n"
              "  $ F\n"
              "  para center li720 ri360 fi-360 sb120 sa60 sl240 txr2880 txc4320 tx5000\n"
              "    [f1 18 i uldb] \"x\"\n"
              "    [f1 18 b i scaps] \"y\"\n"
              "    [f0 24 super] \"z\"\n"
              "    [f0 24] \"w\"\n"
              "  para right keep\n"
              "    [f0 24] \"r\"\n"
              "    [f0 24] TAB\n"
              "    [f0 24] \"s\"\n"
              "    [f0 24] LINE\n"
              "    [f0 24] \"t\"\n"
              "  para justify intbl cell row gap0 left0\n"
              "    [f0 24] \"j\"\n");
}

TEST(RtfTopicReader, TableRowsCellsAndTheirDefinition) {
    const std::string rtf =
        std::string(kHeader) +
        "${\\footnote T}\\pard Before\\par\\trowd\\trgaph108\\trleft-108\\cellx2000"
        "\\cellx5000\\pard\\intbl One\\par Two\\cell\\pard\\intbl\\qc Three\\cell\\row"
        "\\trowd\\cellx1000\\pard\\intbl Late\\row\\pard After\\cell\\par}";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    EXPECT_EQ(read.topics,
              "topic #1 of t.rtf line 3\n"
              "  $ T\n"
              "  para left\n"
              "    [f0 24] \"Before\"\n"
              "  para left intbl\n"
              "    [f0 24] \"One\"\n"
              "  para left intbl cell\n"
              "    [f0 24] \"Two\"\n"
              "  para center intbl cell row gap108 left-108 cellx2000 cellx5000\n"
              "    [f0 24] \"Three\"\n"
              "  para left intbl cell row gap0 left0 cellx1000\n"
              "    [f0 24] \"Late\"\n"
              "  para left\n"
              "    [f0 24] \"After\"\n"
              "    [f0 24] TAB\n");
}

TEST(RtfTopicReader, CharactersInWindows1252) {
    const std::string rtf =
        std::string(kHeader) +
        "${\\footnote Caf\\'e9}\\pard Caf\\'e9 \\u8364? \\u233\\'e9 \\lquote q\\rquote "
        "\\emdash \\~\\{x\\}\\\\ \\u-10179?\\u-8704?!\\par}";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    EXPECT_EQ(read.help.topics.at(0).title, "Caf\xE9");
    ASSERT_EQ(read.help.topics[0].paragraphs.size(), 1u);
    ASSERT_EQ(read.help.topics[0].paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(read.help.topics[0].paragraphs[0].runs[0].text,
              "Caf\xE9 \x80 \xE9 \x91q\x92\x97\xA0{x}\\ ?!");
}

TEST(RtfTopicReader, BulletsAsTheEditorWritesThem) {
    const std::string rtf =
        std::string(kHeader) +
        "${\\footnote B}\\pard\\fi-360\\li360\\plain\\f0\\fs22 \\'95\\tab One\n"
        "\\par {\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'B7}}\\pard\\fi-360"
        "\\li720 Two\\par}";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    EXPECT_EQ(read.topics,
              "topic #1 of t.rtf line 3\n"
              "  $ B\n"
              "  para left li360 fi-360\n"
              "    [f0 22] \"\x95\"\n"
              "    [f0 22] TAB\n"
              "    [f0 22] \"One\"\n"
              "  para left li720 fi-360\n"
              "    [f1 22] \"\xB7\"\n"
              "    [f1 22] TAB\n"
              "    [f0 22] \"Two\"\n");
}

TEST(RtfTopicReader, BitmapsAndButtons) {
    const std::string rtf =
        std::string(kHeader) +
        "${\\footnote P}\\pard \\{bmc logo.bmp\\} \\{BMLT LOGO.BMP\\}\\{bmr gone.bmp;x.bmp\\}"
        "\\par \\{button Close, IfThen(IsMark(\"m\"), \"Exit()\")\\} \\{just braces\\}"
        "{\\strike \\{bmct logo.bmp\\}}{\\v pic}\\par}";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    EXPECT_EQ(read.topics,
              "topic #1 of t.rtf line 3\n"
              "  $ P\n"
              "  para left\n"
              "    [f0 24] BITMAP bmc logo.bmp\n"
              "    [f0 24] \" \"\n"
              "    [f0 24] BITMAP bmlt LOGO.BMP\n"
              "    [f0 24] BITMAP bmr gone.bmp (missing)\n"
              "  para left\n"
              "    [f0 24] BUTTON \"Close\" IfThen(IsMark(\"m\"), \"Exit()\")\n"
              "    [f0 24] \" {just braces}\"\n"
              "    [f0 24 strike {jump pic}] BITMAP bmct logo.bmp\n");
    EXPECT_EQ(read.help.topics[0].bitmaps[0].path, "/art/logo.bmp");
}

TEST(RtfTopicReader, SkipsWhatIsNotTopicText) {
    const std::string rtf =
        std::string(kHeader) +
        "{\\info{\\title Doc}}{\\*\\generator W;}{\\header H}${\\footnote S}\\pard "
        "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}} {\\*\\bkmkstart b}end\\par}";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    EXPECT_EQ(read.topics,
              "topic #1 of t.rtf line 3\n"
              "  $ S\n"
              "  para left\n"
              "    [f0 24] \"shown end\"\n");
}

TEST(RtfTopicReader, EmptyPagesMakeNoTopics) {
    const std::string rtf =
        std::string(kHeader) +
        "${\\footnote One}\\pard a\\par\\page\\page\\par \\page ${\\footnote Two}b\\par\\page}";
    const Read read = ReadRtf(rtf);
    EXPECT_EQ(read.findings, "");
    ASSERT_EQ(read.help.topics.size(), 2u);
    EXPECT_EQ(read.help.topics[1].title, "Two");
    EXPECT_EQ(read.help.topics[1].number, 2);
}

TEST(RtfTopicReader, FontsAndColoursMergeAcrossFiles) {
    HelpFile help;
    Log log;
    ReadTopicFile(std::string(kHeader) + "${\\footnote A}\\f1\\cf2 a\\par}", "a.rtf", help, log,
                  {});
    ReadTopicFile(
        "{\\rtf1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f3\\fmodern Courier;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red1\\green2\\blue3;}"
        "${\\footnote B}\\f0\\cf1 b\\f3\\cf2 c\\cf0 d\\par}",
        "b.rtf", help, log, {});
    EXPECT_TRUE(log.Findings().empty());
    ASSERT_EQ(help.fonts.size(), 3u);
    EXPECT_EQ(help.fonts[2].name, "Courier");
    EXPECT_EQ(help.colors, (std::vector<uint32_t>{0x000000, 0x008000, 0x0000FF, 0x030201}));
    ASSERT_EQ(help.topics.size(), 2u);
    EXPECT_EQ(DescribeTopic(help.topics[1]),
              "topic #1 of b.rtf line 1\n"
              "  $ B\n"
              "  para left\n"
              "    [f1 24 c2] \"b\"\n"
              "    [f2 24 c3] \"c\"\n"
              "    [f2 24] \"d\"\n");
    EXPECT_EQ(help.topics[0].paragraphs[0].runs[0].format.color, 2);
}

TEST(RtfTopicReader, TopicsStartOnTheLineAfterTheirPageBreak) {
    const std::string rtf =
        std::string(kHeader) +
        "${\\footnote A}a\\par\n\\page\n\n${\\footnote B}b\\par\r\n\\page\r\n${\\footnote "
        "C}c\\par}";
    const Read read = ReadRtf(rtf);
    ASSERT_EQ(read.help.topics.size(), 3u);
    EXPECT_EQ(read.help.topics[0].line, 3);
    EXPECT_EQ(read.help.topics[1].line, 6);
    EXPECT_EQ(read.help.topics[2].line, 8);
}

}  // namespace
}  // namespace scrivlet::hc
