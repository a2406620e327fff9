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

TEST(HlpParagraphs, BulletsKeepTheirHangingIndentAndTab) {
    EXPECT_EQ(TopicsOf("{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'B7}}"
                       "\\fi-360\\li360 One\\par \\pard\\fi-360\\li720\\tx720 \\'95\\tab Two"),
              "  P li=36 fi=-36:{f0}\xB7{tab}{f1}One{par} [6 at 00000000]\n"
              "  P li=72 fi=-36 tabs 72:{f1}\x95{tab}Two{par} [6 at 00000006]\n");
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

}  // namespace
}  // namespace scrivlet::hc
