// Round trips: help files hcrtf writes, read back by the help-file reader,
// give the model hcrtf wrote them from.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/util/convert.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/bmp_reader.h"
#include "hc/hlp/hlp_writer.h"
#include "help/context_hash.h"
#include "help/help_lookup.h"
#include "help/hlp/hlp_reader.h"
#include "hlp_roundtrip_describe.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;
using help::HelpDocument;

// The built topics of RESULT and the document read from the help file
// written for it agree on everything a help file keeps.
void ExpectRoundTrip(const CompileResult& result, const HelpDocument& read) {
    std::vector<const Topic*> built;
    for (const Topic& topic : result.help.topics) {
        if (topic.built)
            built.push_back(&topic);
    }
    ASSERT_EQ(read.help.topics.size(), built.size());
    EXPECT_EQ(test::DescribeProject(read.project), test::DescribeProject(result.project));
    for (std::size_t t = 0; t < built.size(); ++t) {
        const Topic& original = *built[t];
        const Topic& back = read.help.topics[t];
        std::vector<uint32_t> aliases;
        for (const AliasEntry& alias : result.project.aliases) {
            for (const ContextDefinition& c : original.contexts) {
                if (UpperAscii(c.name) == UpperAscii(alias.context))
                    aliases.push_back(ContextHash(alias.alias));
            }
        }
        EXPECT_EQ(test::DescribeTopic(back, {}), test::DescribeTopic(original, aliases)) << t;
        EXPECT_EQ(test::DescribeParagraphs(read.help, back),
                  test::DescribeParagraphs(result.help, original))
            << "topic " << t;
        for (const ContextDefinition& c : back.contexts) {
            EXPECT_EQ(ContextHash(c.name), c.hash) << c.name;
        }
    }
    // The built topic a context string of the project leads to, -1 for none.
    auto builtTopic = [&](const std::string& context) {
        const int topic = help::FindTopicByContext(result.help, context);
        const auto at = topic < 0 ? built.end()
                                  : std::find(built.begin(), built.end(),
                                              &result.help.topics[static_cast<std::size_t>(topic)]);
        return at == built.end() ? -1 : static_cast<int>(at - built.begin());
    };
    for (const MapEntry& entry : result.project.map) {
        const int topic = builtTopic(entry.context);
        if (topic >= 0) {
            EXPECT_EQ(help::FindTopicByMapNumber(read, entry.number), topic) << entry.number;
        }
    }
    if (const int contents = builtTopic(result.project.contents.text); contents >= 0) {
        EXPECT_EQ(help::FindTopicByContext(read.help, read.project.contents.text), contents);
    }
}

HelpDocument ReadBack(const CompileResult& result) {
    return help::ReadHelpFileBytes(hlp::BuildHelpFileBytes(result, 0));
}

class HlpRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(HlpRoundTrip, TestProjectsReadBackAsWritten) {
    const CompileResult result =
        CompileHelpProject(fs::path(SCRIVLET_TEST_DATA) / "hc" / GetParam() / "project.hpj");
    // Projects with findings are written too: what was built must come back.
    // (Those whose findings make the writer leave things out are not here.)
    ExpectRoundTrip(result, ReadBack(result));
}

INSTANTIATE_TEST_SUITE_P(Projects, HlpRoundTrip,
                         ::testing::Values("alias", "build_tags", "clean", "empty_keyword",
                                           "keepn_reach", "macros", "map_contents", "no_title",
                                           "phrases"));

// A project of every feature a help file keeps, compiled packed and not.
class FeatureProject : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / "scrivlet_hlp_roundtrip";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    CompileResult Compile(bool compress) {
        WriteFileBytes(folder_ / "p.hpj",
                       std::string("[OPTIONS]\r\n") + (compress ? "COMPRESS=12\r\n" : "") +
                           "TITLE=Every Feature\r\nCOPYRIGHT=(c) Us\r\n"
                           "CONTENTS=second\r\nLCID=0x407 0x0 0x0\r\n"
                           "[FILES]\r\nt.rtf\r\n"
                           "[MAP]\r\nfirst 100\r\nsecond 200\r\n"
                           "[ALIAS]\r\nother_name=second\r\n"
                           "[WINDOWS]\r\nmain=\"Main\",(10,20,500,600),0,,\r\n"
                           "side=\"Side\",(600,0,300,400),4,(r255),(r65280),1\r\n"
                           "[CONFIG]\r\nBrowseButtons()\r\n"
                           "[CONFIG-side]\r\nCreateButton(\"b\",\"&B\",\"JI(`',`first')\")\r\n");
        WriteFileBytes(folder_ / "pic.bmp", FourBitBmp());
        WriteFileBytes(
            folder_ / "t.rtf",
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
            "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\r\n"
            "#{\\footnote first}${\\footnote First Topic}K{\\footnote alpha;beta}"
            "A{\\footnote link_a}+{\\footnote seq:1}!{\\footnote SetContents(`',`second')}\r\n"
            "\\pard\\keepn\\f0\\fs28\\b Heading\\b0\\par\r\n"
            "\\pard\\qc\\li720\\ri360\\sb120\\sa240\\f1\\fs20\\cf2 Centred \\i red\\i0  text "
            "\\cf0\\ul pop\\ulnone{\\v second}, \\uldb jump\\plain\\v second\\v0\\f1\\fs20 , "
            "\\strike far\\strike0{\\v first@other.hlp} and \\uldb win\\uldb0{\\v second>side}"
            "\\par\r\n"
            "\\pard\\fi-360\\li360\\tx360\\tqr\\tx4000\\tqc\\tx5000 \\'95\\tab one\\tab two"
            "\\line three\\par\r\n"
            "\\pard\\box\\brdrs\\brdrw15 {\\uldb macro}{\\v !Back()} \\{bmc pic.bmp\\} "
            "\\{bmlt pic.bmp\\}\\{button Go, JI(`',`second')\\}\\par\r\n"
            "\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx4500\\pard\\intbl A1\\par second "
            "para\\cell B1\\cell\\row\\pard plain after\\par\r\n"
            "\\page\r\n"
            "#{\\footnote second}${\\footnote Second}K{\\footnote beta}+{\\footnote seq:2}"
            ">{\\footnote side}\r\n\\pard\\f0\\fs20 Second topic \\uldb%back\\uldb0{\\v %first}"
            "\\par\r\n#{\\footnote mid_second}\\pard Middle\\par\r\n}");
        CompileResult result = CompileHelpProject(folder_ / "p.hpj");
        EXPECT_EQ(result.log.Errors(), 0);
        return result;
    }

    // A 3 by 2 picture of four colours in 4 bits per pixel.
    static std::string FourBitBmp() {
        auto put = [](std::string& b, uint32_t v, int n) {
            for (int i = 0; i < n; ++i)
                b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        };
        std::string b = "BM";
        put(b, 14 + 40 + 64 + 8, 4);
        put(b, 0, 4);
        put(b, 14 + 40 + 64, 4);
        put(b, 40, 4);
        put(b, 3, 4);
        put(b, 2, 4);
        put(b, 1, 2);
        put(b, 4, 2);
        for (int i = 0; i < 6; ++i)
            put(b, 0, 4);
        for (int i = 0; i < 16; ++i)
            put(b, i == 1 ? 0x0000FF : i == 2 ? 0x00FF00 : i == 3 ? 0xFF0000 : 0xFFFFFF, 4);
        b += std::string("\x12\x30\x00\x00\x03\x21\x00\x00", 8);  // bottom row first
        return b;
    }

    fs::path folder_;
};

TEST_F(FeatureProject, EveryFeatureReadsBackPackedAndUnpacked) {
    for (const bool compress : {false, true}) {
        SCOPED_TRACE(compress ? "packed" : "unpacked");
        const CompileResult result = Compile(compress);
        const HelpDocument read = ReadBack(result);
        ExpectRoundTrip(result, read);
        ASSERT_EQ(read.help.topics.size(), 2u);
        const Topic& first = read.help.topics[0];
        EXPECT_EQ(first.browseNext, 1);
        EXPECT_EQ(read.help.topics[1].browsePrevious, 0);
        EXPECT_EQ(read.lcid, 0x407u);
        EXPECT_EQ(read.project.lcid.text, "0x407 0x0 0x0");
        // Names the file keeps only as hashes come back where its macros
        // mention them.
        EXPECT_EQ(read.project.contents.text, "second");
        EXPECT_EQ(read.help.topics[0].contexts.at(0).name, "first");
        // Both bitmaps show the one picture, decoded.
        ASSERT_FALSE(read.pictures.empty());
        const help::Picture& picture = read.pictures.front();
        EXPECT_EQ(picture.width, 3);
        EXPECT_EQ(picture.height, 2);
        EXPECT_EQ(picture.pixels, (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00,
                                                         0xFF0000FF, 0xFF00FF00, 0xFFFF0000}));
    }
}

TEST_F(FeatureProject, HelpFileReadFromDiskKnowsItsName) {
    WriteFileBytes(folder_ / "Every.hlp", hlp::BuildHelpFileBytes(Compile(true), 0));
    const HelpDocument read = help::ReadHelpFile(folder_ / "Every.hlp");
    EXPECT_EQ(read.project.fileName, "Every.hlp");
    EXPECT_EQ(read.project.title.text, "Every Feature");
    EXPECT_EQ(read.help.topics.size(), 2u);
}

}  // namespace
}  // namespace scrivlet::hc
