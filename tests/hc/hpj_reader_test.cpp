#include <gtest/gtest.h>

#include <tuple>

#include "hc/hlp/topic_writer.h"
#include "hc/hpj_reader.h"

namespace scrivlet::hc {
namespace {

std::vector<std::string> Lines(const Log& log) {
    std::vector<std::string> lines;
    for (const Finding& finding : log.Findings()) {
        lines.push_back(FormatFinding(finding));
    }
    return lines;
}

// The project file the build writes, line for line.
constexpr const char* kBuiltProject =
    "[OPTIONS]\r\n"
    "COMPRESS=12\r\n"
    "ERRORLOG=.\\scrv42.txt\r\n"
    "REPORT=Yes\r\n"
    "CONTENTS=intro\r\n"
    "TITLE=The Manual\r\n"
    "CNT=manual.cnt\r\n"
    "COPYRIGHT=(c) 2026 Us\r\n"
    "CITATION=From the manual\r\n"
    "HLP=.\\manual.hlp\r\n"
    "BMROOT=/home/me/art\r\n"
    "BMROOT=/home/me/more art\r\n"
    "\r\n"
    "[MAP]\r\n"
    "intro  10\r\n"
    "scrv20  20\r\n"
    "\r\n"
    "[FILES]\r\n"
    "/home/me/manual/scrv42.rtf\r\n"
    "extra.rtf\r\n"
    "\r\n"
    "[WINDOWS]\r\n"
    "main=\"The Manual\",,0,(r16777215),(r16777215),0\r\n"
    "popwin=\"Note\",(0,0,512,1023),4,(r255),(r65280),1\r\n"
    "\r\n"
    "[CONFIG]\r\n"
    "BrowseButtons()\r\n"
    "\r\n"
    "[INCLUDE]\r\n"
    "alpha\r\n"
    "\r\n"
    "[EXCLUDE]\r\n"
    "beta\r\n";

TEST(HpjReader, ReadsEverySectionTheBuildWrites) {
    Log log;
    const HelpProject project = ReadHelpProject(kBuiltProject, "scrv42.hpj", log);
    EXPECT_TRUE(Lines(log).empty()) << Lines(log)[0];
    EXPECT_EQ(project.fileName, "scrv42.hpj");
    EXPECT_EQ(project.compress, 12);
    EXPECT_EQ(project.errorLog.text, ".\\scrv42.txt");
    EXPECT_EQ(project.errorLog.line, 3);
    EXPECT_TRUE(project.report);
    EXPECT_EQ(project.contents.text, "intro");
    EXPECT_EQ(project.contents.line, 5);
    EXPECT_EQ(project.title.text, "The Manual");
    EXPECT_EQ(project.cnt.text, "manual.cnt");
    EXPECT_EQ(project.copyright.text, "(c) 2026 Us");
    EXPECT_EQ(project.citation.text, "From the manual");
    EXPECT_EQ(project.hlp.text, ".\\manual.hlp");
    ASSERT_EQ(project.bmRoots.size(), 2u);
    EXPECT_EQ(project.bmRoots[1].text, "/home/me/more art");
    ASSERT_EQ(project.map.size(), 2u);
    EXPECT_EQ(project.map[0].context, "intro");
    EXPECT_EQ(project.map[0].number, 10u);
    EXPECT_EQ(project.map[1].line, 16);
    ASSERT_EQ(project.files.size(), 2u);
    EXPECT_EQ(project.files[0].text, "/home/me/manual/scrv42.rtf");
    EXPECT_EQ(project.files[1].line, 20);
    ASSERT_EQ(project.windows.size(), 2u);
    const WindowDefinition& main = project.windows[0];
    EXPECT_EQ(main.name, "main");
    EXPECT_EQ(main.caption, "The Manual");
    EXPECT_FALSE(main.x.has_value());
    EXPECT_EQ(main.buttons, 0u);
    EXPECT_EQ(main.scrollColor, 16777215u);
    EXPECT_EQ(main.onTop, 0);
    const WindowDefinition& pop = project.windows[1];
    EXPECT_EQ(pop.x, 0);
    EXPECT_EQ(pop.y, 0);
    EXPECT_EQ(pop.width, 512);
    EXPECT_EQ(pop.height, 1023);
    EXPECT_EQ(pop.buttons, 4u);
    EXPECT_EQ(pop.scrollColor, 255u);
    EXPECT_EQ(pop.fixedColor, 65280u);
    EXPECT_EQ(pop.onTop, 1);
    ASSERT_EQ(project.config.size(), 1u);
    EXPECT_EQ(project.config[0].macro, "BrowseButtons()");
    EXPECT_EQ(project.config[0].window, "");
    ASSERT_EQ(project.includeTags.size(), 1u);
    EXPECT_EQ(project.includeTags[0].text, "alpha");
    ASSERT_EQ(project.excludeTags.size(), 1u);
    EXPECT_EQ(project.excludeTags[0].text, "beta");
}

TEST(HpjReader, ReadsHandWrittenProjects) {
    const std::string hpj =
        "; A project written by hand\n"
        "[options]\n"
        "  Title = Hand Made  \n"
        "compress=false\n"
        "report=no\n"
        "ROOT=topics, shared\n"
        "\n"
        "[Map]\n"
        "#define IDH_INTRO 0x10   // the first topic\n"
        "IDH_MORE=17\n"
        "/* old */ IDH_OLD 18\n"
        "#include <help.h>\n"
        "#include app.hm\n"
        "\n"
        "[ALIAS]\n"
        "IDH_OLDNAME = IDH_INTRO\n"
        "\n"
        "[BITMAPS]\n"
        "art\\logo.bmp\n"
        "\n"
        "[CONFIG-popwin]\n"
        "CloseWindow(`main')\n"
        "[BUILDTAGS]\n"
        "alpha\n";
    Log log;
    IncludeLoader loader = [](const std::string& name) -> std::optional<std::string> {
        if (name == "app.hm") {  // a help map file: bare "context number" lines
            return std::string("// generated\nHID_FILE_NEW    0x18100\n");
        }
        if (name != "help.h") {
            return std::nullopt;
        }
        return std::string("#pragma once\nint x;\nlong y;\n#define IDH_FROM_HEADER 99\n");
    };
    const HelpProject project = ReadHelpProject(hpj, "hand.hpj", log, loader);
    EXPECT_TRUE(Lines(log).empty()) << Lines(log)[0];
    EXPECT_EQ(project.title.text, "Hand Made");
    EXPECT_EQ(project.compress, 0);
    EXPECT_FALSE(project.report);
    ASSERT_EQ(project.roots.size(), 2u);
    EXPECT_EQ(project.roots[0].text, "topics");
    EXPECT_EQ(project.roots[1].text, "shared");
    ASSERT_EQ(project.map.size(), 5u);
    EXPECT_EQ(project.map[0].context, "IDH_INTRO");
    EXPECT_EQ(project.map[0].number, 16u);
    EXPECT_EQ(project.map[1].context, "IDH_MORE");
    EXPECT_EQ(project.map[1].number, 17u);
    EXPECT_EQ(project.map[2].context, "IDH_OLD");
    EXPECT_EQ(project.map[3].context, "IDH_FROM_HEADER");
    EXPECT_EQ(project.map[3].number, 99u);
    EXPECT_EQ(project.map[3].file, "help.h");
    EXPECT_EQ(project.map[3].line, 4);
    EXPECT_EQ(project.map[4].context, "HID_FILE_NEW");
    EXPECT_EQ(project.map[4].number, 0x18100u);
    EXPECT_EQ(project.map[4].file, "app.hm");
    ASSERT_EQ(project.aliases.size(), 1u);
    EXPECT_EQ(project.aliases[0].alias, "IDH_OLDNAME");
    EXPECT_EQ(project.aliases[0].context, "IDH_INTRO");
    ASSERT_EQ(project.bitmaps.size(), 1u);
    EXPECT_EQ(project.bitmaps[0].text, "art\\logo.bmp");
    ASSERT_EQ(project.config.size(), 1u);
    EXPECT_EQ(project.config[0].window, "popwin");
    ASSERT_EQ(project.buildTags.size(), 1u);
}

TEST(HpjReader, WarnsAboutWhatItDoesNotImplement) {
    const std::string hpj =
        "[OPTIONS]\n"
        "LCID=0x409 0x0 0x0\n"
        "FTS=1\n"
        "MAGIC=7\n"
        "[BAGGAGE]\n"
        "data.bin\n"
        "[SOMETHING]\n"
        "x\n";
    Log log;
    const HelpProject project = ReadHelpProject(hpj, "p.hpj", log);
    EXPECT_EQ(project.lcid.text, "0x409 0x0 0x0");
    EXPECT_EQ(Lines(log),
              (std::vector<std::string>{
                  "HC1003: Warning: p.hpj, line 3: The option FTS is not supported; it is "
                  "ignored.",
                  "HC1004: Warning: p.hpj, line 4: Unknown option \"MAGIC\"; it is ignored.",
                  "HC1019: Warning: p.hpj, line 5: The section [BAGGAGE] is not supported; it is "
                  "ignored.",
                  "HC1002: Warning: p.hpj, line 7: Unknown section [SOMETHING]; it is ignored."}));
    EXPECT_EQ(log.Errors(), 0);
}

struct BrokenProject {
    const char* name;
    const char* hpj;
    const char* expected;  // the one finding it gives
};

void PrintTo(const BrokenProject& project, std::ostream* os) {
    *os << project.name;
}

class BrokenProjects : public ::testing::TestWithParam<BrokenProject> {};

TEST_P(BrokenProjects, GiveOneClearFinding) {
    Log log;
    ReadHelpProject(GetParam().hpj, "b.hpj", log);
    ASSERT_EQ(log.Findings().size(), 1u) << (Lines(log).empty() ? "" : Lines(log)[0]);
    EXPECT_EQ(FormatFinding(log.Findings()[0]), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    HpjReader, BrokenProjects,
    ::testing::Values(
        BrokenProject{"LineBeforeSection", "TITLE=x\n[OPTIONS]\n",
                      "HC1005: Warning: b.hpj, line 1: This line is not in any section; it is "
                      "ignored."},
        BrokenProject{"OptionWithoutEquals", "[OPTIONS]\nCOMPRESS\n",
                      "HC1006: Warning: b.hpj, line 2: \"COMPRESS\" is not an option: \"=\" is "
                      "missing."},
        BrokenProject{"BadReport", "[OPTIONS]\nREPORT=Maybe\n",
                      "HC1006: Warning: b.hpj, line 2: REPORT must be Yes or No, not \"Maybe\"."},
        BrokenProject{"BadCompress", "[OPTIONS]\nCOMPRESS=lots\n",
                      "HC1006: Warning: b.hpj, line 2: COMPRESS must be a number or Yes or No, not "
                      "\"lots\"."},
        BrokenProject{"OptionTwice", "[OPTIONS]\nTITLE=a\nTITLE=b\n",
                      "HC1018: Note: b.hpj, line 3: The option TITLE is given twice; this "
                      "line is used."},
        BrokenProject{"SectionNotClosed", "[OPTIONS\nTITLE=a\n",
                      "HC1002: Warning: b.hpj, line 1: The section name \"[OPTIONS\" has no "
                      "closing \"]\"; the section is ignored."},
        BrokenProject{"MapOneWord", "[MAP]\nintro\n",
                      "HC1007: Warning: b.hpj, line 2: \"intro\" is not a context string and a "
                      "number."},
        BrokenProject{"MapBadNumber", "[MAP]\nintro ten\n",
                      "HC1007: Warning: b.hpj, line 2: \"ten\" is not a context number."},
        BrokenProject{"MapContextTwice", "[MAP]\nintro 1\nINTRO 2\n",
                      "HC1008: Warning: b.hpj, line 3: The context string \"INTRO\" is mapped "
                      "twice; the first number is used."},
        BrokenProject{"MapNumberTwice", "[MAP]\na 1\nb 1\n",
                      "HC1009: Warning: b.hpj, line 3: The context number 1 is given to \"a\" "
                      "and to \"b\"."},
        BrokenProject{"MapIfdef", "[MAP]\n#ifdef X\n",
                      "HC1007: Warning: b.hpj, line 2: \"#ifdef\" is not read; the line is "
                      "ignored."},
        BrokenProject{"IncludeMissing", "[MAP]\n#include \"nothere.h\"\n",
                      "HC1017: Error: b.hpj, line 2: The included file \"nothere.h\" was not "
                      "found."},
        BrokenProject{"AliasWithoutTarget", "[ALIAS]\nold =\n",
                      "HC1010: Warning: b.hpj, line 2: \"old =\" is not \"alias = context "
                      "string\"."},
        BrokenProject{"AliasTwice", "[ALIAS]\na=b\nA=c\n",
                      "HC1020: Warning: b.hpj, line 3: The alias \"A\" is given twice; the first "
                      "is used."},
        BrokenProject{"WindowWithoutEquals", "[WINDOWS]\nmain\n",
                      "HC1011: Warning: b.hpj, line 2: \"main\" is not \"name = definition\"."},
        BrokenProject{"WindowOpenCaption", "[WINDOWS]\nmain=\"Manual,,0\n",
                      "HC1011: Warning: b.hpj, line 2: The window \"main\" is not defined "
                      "correctly: the caption's closing quotation mark is missing."},
        BrokenProject{"WindowBadPosition", "[WINDOWS]\nmain=\"M\",(1,2,3),0\n",
                      "HC1011: Warning: b.hpj, line 2: The window \"main\" is not defined "
                      "correctly: the position does not hold four numbers."},
        BrokenProject{"WindowPositionText", "[WINDOWS]\nmain=\"M\",(1,2,3,x),0\n",
                      "HC1011: Warning: b.hpj, line 2: The window \"main\" is not defined "
                      "correctly: the position holds something that is not a number."},
        BrokenProject{"WindowBadColour", "[WINDOWS]\nmain=\"M\",,0,(r99999999),(r0),0\n",
                      "HC1011: Warning: b.hpj, line 2: The window \"main\" is not defined "
                      "correctly: the scrolling colour is not a colour."},
        BrokenProject{"WindowOpenParenthesis", "[WINDOWS]\nmain=\"M\",(1,2,3,4,0\n",
                      "HC1011: Warning: b.hpj, line 2: The window \"main\" is not defined "
                      "correctly: \")\" is missing."},
        BrokenProject{"WindowTooManyFields", "[WINDOWS]\nmain=\"M\",,0,,,0,7\n",
                      "HC1011: Warning: b.hpj, line 2: The window \"main\" is not defined "
                      "correctly: it has more than six fields."},
        BrokenProject{"WindowNameTooLong", "[WINDOWS]\nverylongname=\"M\"\n",
                      "HC1016: Warning: b.hpj, line 2: The window name \"verylongname\" is "
                      "longer than 8 characters."},
        BrokenProject{"WindowTwice", "[WINDOWS]\nmain=\"A\"\nMAIN=\"B\"\n",
                      "HC1012: Warning: b.hpj, line 3: The window \"MAIN\" is defined twice; "
                      "the first definition is used."}),
    [](const ::testing::TestParamInfo<BrokenProject>& param) { return param.param.name; });

TEST(HpjReader, WindowColoursAsRgbTriples) {
    Log log;
    const HelpProject project =
        ReadHelpProject("[WINDOWS]\nw=\"\",,,(255,0,0),(0, 0, 255)\n", "w.hpj", log);
    ASSERT_EQ(project.windows.size(), 1u);
    EXPECT_EQ(project.windows[0].scrollColor, 0x0000FFu);
    EXPECT_EQ(project.windows[0].fixedColor, 0xFF0000u);
    EXPECT_FALSE(project.windows[0].buttons.has_value());
    EXPECT_FALSE(project.windows[0].onTop.has_value());
}

TEST(HpjReader, CompressFormsAskForBlocksAndPhrases) {
    // The level, and whether phrase compression is asked for.
    const std::vector<std::tuple<std::string, int, bool>> forms = {
        {"12 Hall Zeck", 12, true}, {"60 Hall Zeck", 60, true},
        {"8 Zeck", 8, false},       {"TRUE", 12, true},
        {"yes", 12, true},          {"1", 12, true},
        {"HIGH", 12, true},         {"Medium", 8, false},
        {"LOW", 8, false},          {"0", 0, false},
        {"FALSE", 0, false},        {"No ; off", 0, false}};
    for (const auto& [form, level, phrases] : forms) {
        Log log;
        const HelpProject project =
            ReadHelpProject("[OPTIONS]\nCOMPRESS=" + form + "\n", "c.hpj", log);
        EXPECT_TRUE(Lines(log).empty()) << form;
        EXPECT_EQ(project.compress, level) << form;
        EXPECT_EQ((project.compress & hlp::kCompressPhrases) != 0, phrases) << form;
    }
}

TEST(HpjReader, IncludesThatIncludeThemselvesStop) {
    Log log;
    int reads = 0;
    IncludeLoader loader = [&reads](const std::string&) -> std::optional<std::string> {
        ++reads;
        return std::string("#include \"self.h\"\n#include \"SELF.H\"\n#define A 1\n");
    };
    const HelpProject project = ReadHelpProject("[MAP]\n#include self.h\n", "s.hpj", log, loader);
    EXPECT_EQ(reads, 1);
    ASSERT_EQ(project.map.size(), 1u);
    ASSERT_EQ(log.Errors(), 2);
    EXPECT_EQ(FormatFinding(log.Findings()[0]),
              "HC1017: Error: self.h, line 1: \"self.h\" includes itself; it is not read "
              "again.");
}

TEST(HpjReader, IncludeChainsStopAtTheirDepth) {
    Log log;
    IncludeLoader loader = [](const std::string& name) -> std::optional<std::string> {
        return "#include h" + std::to_string(std::stoi(name.substr(1)) + 1) + "\n";
    };
    ReadHelpProject("[MAP]\n#include h0\n", "s.hpj", log, loader);
    ASSERT_EQ(log.Errors(), 1);
    EXPECT_EQ(FormatFinding(log.Findings()[0]),
              "HC1017: Error: h7, line 1: \"h8\" is included too deeply; it is not read.");
}

TEST(HpjReader, SplitsLinesAtEveryLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace scrivlet::hc
