// Paragraph settings in |TOPIC records: indents, bullets, borders,
// alignment; checked through the independent reader.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "hlp_reader/hlp_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

// The TOPICS part of the dump of a one-topic help file whose paragraphs are
// BODY (RTF).
std::string TopicsOf(const std::string& body) {
    const fs::path folder = fs::temp_directory_path() / "scrivlet_hlp_paragraphs";
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteFileBytes(folder / "p.hpj", "[OPTIONS]\r\nTITLE=P\r\n[FILES]\r\nt.rtf\r\n");
    WriteFileBytes(folder / "t.rtf",
                   "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\ftech Symbol;}}\r\n"
                   "#{\\footnote intro}${\\footnote P}\r\n\\pard\\f0\\fs20 " +
                       body + "\\par\r\n}");
    const CompileResult result = CompileHelpProject(folder / "p.hpj");
    fs::remove_all(folder);
    EXPECT_EQ(result.log.Errors(), 0);
    const std::string dump = test::HlpReader(hlp::BuildHelpFileBytes(result, 0)).Dump();
    return dump.substr(dump.find('\n', dump.find("\ntopic 0 ") + 1) + 1);
}

// A hanging indent stops the first tab at the left indent: the record lists
// that stop, once, among the paragraph's own.
TEST(HlpParagraphs, BulletsKeepTheirHangingIndentAndTab) {
    EXPECT_EQ(TopicsOf("{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'B7}}"
                       "\\fi-360\\li360 One\\par \\pard\\fi-360\\li720\\tx720 \\'95\\tab Two"
                       "\\par \\pard\\fi-360\\li720\\tx200\\tx1440 \\'95\\tab Three"
                       "\\par \\pard\\fi360\\li720 Four"),
              "  P li=36 fi=-36 tabs 36:{f0}\xB7{tab}{f1}One{par} [6 at 00000000]\n"
              "  P li=72 fi=-36 tabs 72:{f1}\x95{tab}Two{par} [6 at 00000006]\n"
              "  P li=72 fi=-36 tabs 20 72 144:{f1}\x95{tab}Three{par} [8 at 0000000C]\n"
              "  P li=72 fi=36:{f1}Four{par} [5 at 00000014]\n");
}

TEST(HlpParagraphs, BordersWithTheirSidesStyleAndWidth) {
    EXPECT_EQ(TopicsOf("\\box\\brdrs\\brdrw30 Boxed\\par \\pard\\brdrt\\brdrdb\\brdrb\\brdrth "
                       "Lines\\par \\pard Plain"),
              "  P border box w3:{f0}Boxed{par} [6 at 00000000]\n"
              "  P border top bottom thick w0:{f0}Lines{par} [6 at 00000006]\n"
              "  P:{f0}Plain{par} [6 at 0000000C]\n");
}

TEST(HlpParagraphs, CellBordersAreNoParagraphBorders) {
    EXPECT_EQ(TopicsOf("\\clbrdrt\\brdrth\\brdrw15 Text"), "  P:{f0}Text{par} [5 at 00000000]\n");
}

// Help files know left, centred and right paragraphs only: justified text is
// shown left-aligned.
TEST(HlpParagraphs, JustifiedIsLeftAligned) {
    EXPECT_EQ(TopicsOf("\\qj Even\\par \\pard\\qc Mid\\par \\pard\\qr End"),
              "  P:{f0}Even{par} [5 at 00000000]\n"
              "  P center:{f0}Mid{par} [4 at 00000005]\n"
              "  P right:{f0}End{par} [4 at 00000009]\n");
}

TEST(HlpParagraphs, TableRowsAreTableRecordsWithTheirColumns) {
    // Each row's record is followed by its size and place at the end.
    EXPECT_EQ(TopicsOf("Before\\par\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx5000"
                       "\\pard\\intbl One\\par Two\\cell\\pard\\intbl\\qc Three\\cell\\row"
                       "\\trowd\\trleft360\\cellx3000\\pard\\intbl\\li100 Alone\\cell\\row"
                       "\\pard After"),
              "  P:{f0}Before{par} [7 at 00000000]\n"
              "  T 2 columns type 1 (195,0) (290,10) = left -10 gap 10 edges 200 500\n"
              "    c0 P:{f0}One{par}\n"
              "    c0 P:Two{par}\n"
              "    c1 P center:Three{par} [14 at 00000007]\n"
              "  T 1 columns type 1 (300,36) = left 36 edges 300\n"
              "    c0 P li=10:{f0}Alone{par} [6 at 00000015]\n"
              "  P:{f0}After{par} [6 at 0000001B]\n");
}

TEST(HlpParagraphs, TablesWithoutFullDefinitions) {
    // More cells than \\cellx: the last width again, or two inches.
    EXPECT_EQ(TopicsOf("\\trowd\\cellx1000\\intbl a\\cell b\\cell c\\cell\\row"),
              "  T 3 columns type 1 (100,0) (288,0) (288,0) = left 0 gap 0 edges 100 388 676\n"
              "    c0 P:{f0}a{par}\n"
              "    c1 P:b{par}\n"
              "    c2 P:c{par} [6 at 00000000]\n");
    // Table paragraphs never ended by \\cell or \\row are one cell of a row.
    EXPECT_EQ(TopicsOf("\\intbl Loose\\par \\pard After"),
              "  T 1 columns type 1 (288,0) = left 0 edges 288\n"
              "    c0 P:{f0}Loose{par} [6 at 00000000]\n"
              "  P:{f0}After{par} [6 at 00000006]\n");
}

TEST(HlpParagraphs, ContextInTheMiddleOfATopicLeadsToItsParagraph) {
    const fs::path folder = fs::temp_directory_path() / "scrivlet_hlp_mid_context";
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteFileBytes(folder / "p.hpj", "[OPTIONS]\r\nTITLE=P\r\n[FILES]\r\nt.rtf\r\n");
    WriteFileBytes(folder / "t.rtf",
                   "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                   "#{\\footnote intro}${\\footnote P}\\pard First\\par Second\\par "
                   "#{\\footnote mid}Third\\par}");
    const CompileResult result = CompileHelpProject(folder / "p.hpj");
    fs::remove_all(folder);
    ASSERT_EQ(result.log.Errors(), 0);
    const test::HlpReader reader(hlp::BuildHelpFileBytes(result, 0));
    std::string key;
    for (int i = 0; i < 4; ++i)
        key.push_back(static_cast<char>((test::DescribedHash("mid") >> (8 * i)) & 0xFF));
    const auto found = reader.Lookup("|CONTEXT", key, 4);
    ASSERT_TRUE(found.has_value());
    // "First" and "Second", each with its paragraph end.
    EXPECT_EQ(found->substr(0, 4), std::string("\x0D\0\0\0", 4));
}

TEST(HlpParagraphs, ContextInATableLeadsToItsRow) {
    const fs::path folder = fs::temp_directory_path() / "scrivlet_hlp_table_context";
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteFileBytes(folder / "p.hpj", "[OPTIONS]\r\nTITLE=P\r\n[FILES]\r\nt.rtf\r\n");
    WriteFileBytes(folder / "t.rtf",
                   "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                   "#{\\footnote intro}${\\footnote P}\\pard First\\par\\trowd\\cellx900"
                   "\\intbl x\\cell\\row\\pard\\intbl #{\\footnote inrow}y\\cell\\row}");
    const CompileResult result = CompileHelpProject(folder / "p.hpj");
    fs::remove_all(folder);
    ASSERT_EQ(result.log.Errors(), 0);
    const test::HlpReader reader(hlp::BuildHelpFileBytes(result, 0));
    std::string key;
    for (int i = 0; i < 4; ++i)
        key.push_back(static_cast<char>((test::DescribedHash("inrow") >> (8 * i)) & 0xFF));
    const auto found = reader.Lookup("|CONTEXT", key, 4);
    ASSERT_TRUE(found.has_value());
    // "First" and its end, then the first row's "x" and its end.
    EXPECT_EQ(found->substr(0, 4), std::string("\x08\0\0\0", 4));
}

}  // namespace
}  // namespace scrivlet::hc
