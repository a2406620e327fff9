// Windows metafiles embedded in RTF become metafile pictures of the help
// file.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/embedded_metafile.h"
#include "hc/hlp/hlp_writer.h"
#include "help/hlp/hlp_reader.h"
#include "hlp_reader/hlp_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// The smallest metafile: its header (in memory, 9 words of header, version
// 3, 12 words in all, no objects, the largest record 3 words) and the
// closing record.
const std::string kRecords =
    "\x01\x00\x09\x00\x00\x03\x0C\x00\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00"
    "\x03\x00\x00\x00\x00\x00"s;
const char* kRecordsHex = "010009000003 0C0000000000 030000000000 030000000000";

TEST(EmbeddedMetafile, PictureFileByteForByte) {
    EmbeddedPicture picture;
    picture.form = EmbeddedPicture::Form::Metafile;
    picture.mappingMode = 8;
    picture.width = 1000;
    picture.height = 500;
    picture.AddHex(kRecordsHex);
    ASSERT_EQ(picture.data, kRecords);
    std::string why;
    const std::string file = EmbeddedMetafileAsPicture(picture, &why);
    ASSERT_GE(file.size(), 29u) << why;
    EXPECT_EQ(file.substr(0, 29),
              "lP\x01\x00\x08\x00\x00\x00"  // one picture, at 8
              "\x08\x02"                    // a metafile, packed with LZ77
              "\x10"                        // mapping mode 8
              "\xE8\x03\xF4\x01"            // extents 1000 by 500
              "\x30\x00"s +                 // 24 bytes unpacked
                  static_cast<char>((file.size() - 29) * 2) +
                  "\x00"              // as stored
                  "\x00\x00"          // no hotspots
                  "\x15\x00\x00\x00"  // data at 21 from the picture's start
                  "\x00\x00\x00\x00"s);
    EXPECT_LT(file.size() - 29, kRecords.size());

    // Extents from the goal size when \picw and \pich are missing: a twip is
    // 127/72 hundredths of a millimetre.
    picture.width = 0;
    picture.widthGoal = 1440;
    EXPECT_EQ(EmbeddedMetafileAsPicture(picture, &why).substr(11, 2), "\xEC\x09"s);  // 2540

    // A placeable header before the records is dropped.
    EmbeddedPicture placeable = picture;
    placeable.data = "\xD7\xCD\xC6\x9A"s + std::string(18, '\0') + kRecords;
    EXPECT_EQ(EmbeddedMetafileAsPicture(placeable, &why), EmbeddedMetafileAsPicture(picture, &why));

    EmbeddedPicture bad = picture;
    bad.data = kRecords.substr(0, 17);
    EXPECT_EQ(EmbeddedMetafileAsPicture(bad, &why), "");
    EXPECT_EQ(why, "a Windows metafile without a sound header");
}

// The help file of a topic showing PICTURE (RTF), with FILES beside it.
std::string HelpFileOf(const std::string& picture,
                       const std::vector<std::pair<std::string, std::string>>& files = {}) {
    const fs::path folder = fs::temp_directory_path() / "scrivlet_embedded_metafile";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& [name, bytes] : files)
        WriteFileBytes(folder / name, bytes);
    WriteFileBytes(folder / "p.hpj", "[OPTIONS]\r\nCOMPRESS=0\r\n[FILES]\r\nt.rtf\r\n");
    WriteFileBytes(folder / "t.rtf",
                   "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                   "#{\\footnote pic}${\\footnote Picture}\r\n\\pard A " +
                       picture + " drawing.\\par}");
    const CompileResult result = CompileHelpProject(folder / "p.hpj");
    EXPECT_EQ(result.log.Errors() + result.log.Warnings(), 0);
    std::string bytes = hlp::BuildHelpFileBytes(result, 0);
    fs::remove_all(folder);
    return bytes;
}

TEST(EmbeddedMetafile, MetafileFileReadsBackWithTheExtentsOfItsBox) {
    // A placeable header: its key, no handle, a box of 1440 by 720 units,
    // 1440 of them an inch, nothing reserved, any checksum.
    const std::string wmf =
        "\xD7\xCD\xC6\x9A\0\0\0\0\0\0\xA0\x05\xD0\x02\xA0\x05\0\0\0\0\0\0"s + kRecords;
    const help::HelpDocument read =
        help::ReadHelpFileBytes(HelpFileOf("\\{bmc pic.wmf\\}", {{"pic.wmf", wmf}}));
    ASSERT_EQ(read.pictures.size(), 1u);
    EXPECT_EQ(read.pictures[0].metafile, kRecords);
    EXPECT_EQ(read.pictures[0].width, 2540);
    EXPECT_EQ(read.pictures[0].height, 1270);
}

TEST(EmbeddedMetafile, ReadsBackFromTheHelpFile) {
    const std::string bytes =
        HelpFileOf("{\\pict\\wmetafile8\\picw1000\\pich500\\picwgoal567\\pichgoal283 " +
                   std::string(kRecordsHex) + "}");
    const help::HelpDocument read = help::ReadHelpFileBytes(bytes);
    ASSERT_EQ(read.pictures.size(), 1u);
    EXPECT_EQ(read.pictures[0].metafile, kRecords);
    EXPECT_EQ(read.pictures[0].width, 1000);
    EXPECT_EQ(read.pictures[0].height, 500);
    const std::string dump = test::HlpReader(bytes).Dump();
    EXPECT_NE(dump.find("metafile packing 2 mode 8 extents 1000x500 hotspots 0\n    bytes "
                        "0100090000030C0000000000030000000000030000000000\n"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("{bmc |bm0}"), std::string::npos) << dump;
}

}  // namespace
}  // namespace scrivlet::hc
