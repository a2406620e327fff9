// Forms of help files hcrtf does not write but the classic compiler does
// (WinHelp 3.1 |SYSTEM, both phrase compressions, device-dependent bitmaps,
// run-length packing, hotspot pictures, metafiles), assembled from
// hand-made internal files in hcrtf's file system, and damaged files: the
// reader reads the first as they are meant and refuses the others with a
// message, never a crash.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/btree.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/file_system.h"
#include "hc/hlp/hlp_writer.h"
#include "help/context_hash.h"
#include "help/hlp/hlp_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;
using help::HelpDocument;
using help::HelpFileError;
using namespace hlp;

struct Record {
    unsigned type;
    std::string data1;
    std::string text;      // as stored
    std::size_t textSize;  // unpacked
};

// |TOPIC of one unpacked block; TOPICPOS counts 16 KB a block.
std::string TopicFile(const std::vector<Record>& records) {
    std::string data;
    std::vector<uint32_t> at;
    uint32_t position = 0;
    for (const Record& r : records) {
        at.push_back(position + 12);
        position += static_cast<uint32_t>(21 + r.data1.size() + r.text.size());
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        PutDword(data, static_cast<uint32_t>(21 + r.data1.size() + r.text.size()));
        PutDword(data, static_cast<uint32_t>(r.textSize));
        PutDword(data, i == 0 ? 0xFFFFFFFF : at[i - 1]);
        PutDword(data, i + 1 < records.size() ? at[i + 1] : 0xFFFFFFFF);
        PutDword(data, static_cast<uint32_t>(21 + r.data1.size()));
        PutByte(data, r.type);
        data += r.data1 + r.text;
    }
    std::string file;
    PutDword(file, at.back());
    PutDword(file, 12);
    PutDword(file, 12);
    return file + data;
}

Record TopicHeader(const std::string& title) {
    std::string data1;
    for (uint32_t v : {0u, 0xFFFFFFFFu, 0xFFFFFFFFu, 0u, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu})
        PutDword(data1, v);
    return {0x02, data1, title, title.size()};
}

// A paragraph of COMMANDS (font 0 first), its text stored as STORED, CHARACTERS long.
Record Paragraph(const std::string& commands, const std::string& stored, std::size_t textSize,
                 unsigned characters) {
    std::string data1;
    PutCompressedLong(data1, static_cast<int32_t>(textSize));
    PutCompressedUShort(data1, characters);
    PutDword(data1, 0);
    PutWord(data1, 0);
    return {0x20, data1 + commands + "\xFF", stored, textSize};
}

std::string Font() {
    std::string font;
    PutWord(font, 1);
    PutWord(font, 1);
    PutWord(font, 8);
    PutWord(font, 8 + 20);
    std::string face = "Times New Roman";
    face.resize(20, '\0');
    font += face;
    font += std::string("\x01\x14\x02\x00\x00\x80\x00\x00\xFF\xFF\xFF", 11);  // bold, 10 pt
    return font;
}

// |SYSTEM as WinHelp 3.1 files have it: version 21, records of a title and a contents.
std::string System31() {
    std::string s;
    PutWord(s, 0x036C);
    PutWord(s, 21);
    PutWord(s, 1);
    PutDword(s, 0);
    PutWord(s, 0);
    PutWord(s, 1);
    PutWord(s, 10);
    s += std::string("Old Style", 9) + '\0';
    return s;
}

std::string Contexts(const std::vector<std::pair<std::string, uint32_t>>& contexts) {
    std::vector<std::pair<int32_t, uint32_t>> sorted;
    for (const auto& [name, offset] : contexts)
        sorted.emplace_back(static_cast<int32_t>(ContextHash(name)), offset);
    std::sort(sorted.begin(), sorted.end());
    std::vector<BtreeEntry> entries;
    for (const auto& [hash, offset] : sorted) {
        std::string key, value;
        PutDword(key, static_cast<uint32_t>(hash));
        PutDword(value, offset);
        entries.push_back({key, value});
    }
    return BuildBtree({2048, 0x0002, "L4"}, entries);
}

// "Hello world" where "Hello" and "world" are phrases 0 and 1, as
// |Phrases codes: phrase 0 with a space after, then phrase 1.
TEST(HlpClassicForms, WinHelp31FileWithPhrasesReads) {
    for (const bool packedPhrases : {false, true}) {
        FileSystem files;
        files.Add("|SYSTEM", System31());
        files.Add("|FONT", Font());
        std::string phrases;
        PutWord(phrases, 2);
        PutWord(phrases, 0x0100);
        PutDword(phrases, 10);
        PutWord(phrases, 6);
        PutWord(phrases, 11);
        PutWord(phrases, 16);
        // "Helloworld" LZ77-packed is a flag byte of literals before the bytes.
        phrases += packedPhrases ? std::string("\0Hellowor\0ld", 12) : std::string("Helloworld");
        files.Add("|Phrases", phrases);
        files.Add("|TOPIC",
                  TopicFile({TopicHeader("Start"),
                             Paragraph(std::string("\x80\x00\x00\x82", 4),
                                       std::string("\0\x01\x01\x01\x02!\0", 7), 14, 13)}));
        files.Add("|CONTEXT", Contexts({{"start_here", 0}}));
        const HelpDocument doc = help::ReadHelpFileBytes(files.Build());
        EXPECT_EQ(doc.project.title.text, "Old Style");
        ASSERT_EQ(doc.help.topics.size(), 1u);
        const help::Topic& topic = doc.help.topics[0];
        EXPECT_EQ(topic.title, "Start");
        ASSERT_EQ(topic.paragraphs.size(), 1u);
        ASSERT_EQ(topic.paragraphs[0].runs.size(), 1u);
        EXPECT_EQ(topic.paragraphs[0].runs[0].text, "Hello world!");
        EXPECT_TRUE(topic.paragraphs[0].runs[0].format.bold);
        EXPECT_EQ(topic.paragraphs[0].runs[0].format.halfPoints, 20);
        ASSERT_EQ(doc.help.fonts.size(), 1u);
        EXPECT_EQ(doc.help.fonts[0].name, "Times New Roman");
        EXPECT_EQ(doc.help.fonts[0].family, "roman");
        EXPECT_EQ(doc.help.colors, (std::vector<uint32_t>{0x80}));
        ASSERT_EQ(topic.contexts.size(), 1u);
        EXPECT_EQ(ContextHash(topic.contexts[0].name), ContextHash("start_here"));
    }
}

// The |PhrIndex lengths are bits: per phrase a 0 (no multiple of 2^BITS)
// and then BITS bits of the length less one, lowest first.
TEST(HlpClassicForms, HallPhrasesExpandEveryCode) {
    FileSystem files;
    files.Add("|SYSTEM", System31());
    files.Add("|FONT", Font());
    std::string index;
    for (uint32_t v : {0x4A01u, 2u, 0u, 8u, 8u, 0u})
        PutDword(index, v);
    PutWord(index, 2);  // BITS
    PutWord(index, 0x4A00);
    // "Hello": 5 = 1 + 4, a leading 1 (2^BITS) ended by 0, low bits 0 0;
    // "wor": 3 = 1 + 2, a 0, low bits 0 1. Lowest first: 1000 001.
    PutDword(index, 0x41);
    files.Add("|PhrIndex", index);
    files.Add("|PhrImage", "Hellowor");
    // A NUL, phrase 0, one space, phrase 1, three literal bytes, a NUL.
    const std::string text = std::string("\x0F\x00\x07\x02\x13ld!\x0F", 9);
    files.Add("|TOPIC", TopicFile({TopicHeader("Hall"),
                                   Paragraph(std::string("\x80\x00\x00\x82", 4), text, 14, 13)}));
    const HelpDocument doc = help::ReadHelpFileBytes(files.Build());
    ASSERT_EQ(doc.help.topics.size(), 1u);
    ASSERT_EQ(doc.help.topics[0].paragraphs.size(), 1u);
    EXPECT_EQ(doc.help.topics[0].paragraphs[0].runs.at(0).text, "Hello world!");
}

// A monochrome device-dependent bitmap, run-length packed, with a jump and
// a macro hotspot (a segmented hotspot picture), and a metafile.
std::string PictureFile(const std::string& picture) {
    std::string file;
    PutWord(file, 0x506C);
    PutWord(file, 1);
    PutDword(file, 8);
    return file + picture;
}

std::string DdbPicture(uint32_t width, uint32_t height) {
    const std::string pixels = std::string("\x81\xFF\x02\x00\x01\xFF", 6);
    std::string hotspots;
    PutByte(hotspots, 1);
    PutWord(hotspots, 2);
    PutDword(hotspots, 0);
    for (const unsigned kind : {0xE3u, 0xC8u}) {
        PutByte(hotspots, kind);
        PutWord(hotspots, 0);
        for (unsigned v : {kind == 0xE3 ? 0u : 8u, 0u, 8u, 2u})
            PutWord(hotspots, v);
        PutDword(hotspots, 0);
    }
    hotspots += std::string("left\0Target_Ctx\0right\0Back()\0", 29);
    std::string p;
    PutByte(p, 5);
    PutByte(p, 1);
    PutCompressedULong(p, 96);
    PutCompressedULong(p, 96);
    PutCompressedUShort(p, 1);
    PutCompressedUShort(p, 1);
    PutCompressedULong(p, width);
    PutCompressedULong(p, height);
    PutCompressedULong(p, 0);
    PutCompressedULong(p, 0);
    PutCompressedULong(p, static_cast<uint32_t>(pixels.size()));
    PutCompressedULong(p, static_cast<uint32_t>(hotspots.size()));
    const std::size_t offsets = p.size();
    PutDword(p, 0);
    PutDword(p, 0);
    SetDword(p, offsets, static_cast<uint32_t>(p.size()));
    p += pixels;
    SetDword(p, offsets + 4, static_cast<uint32_t>(p.size()));
    return PictureFile(p + hotspots);
}

std::string MetafilePicture() {
    std::string p;
    PutByte(p, 8);
    PutByte(p, 0);
    PutCompressedUShort(p, 8);
    PutWord(p, 100);
    PutWord(p, 50);
    PutCompressedULong(p, 6);
    PutCompressedULong(p, 6);
    PutCompressedULong(p, 0);
    PutDword(p, static_cast<uint32_t>(p.size() + 8));
    PutDword(p, 0);
    return PictureFile(p + "METAFL");
}

std::string PictureHelpFile(const std::string& bm0) {
    FileSystem files;
    files.Add("|SYSTEM", System31());
    files.Add("|FONT", Font());
    std::string picture = std::string("\x86\x03", 2);
    PutCompressedLong(picture, 4);
    PutWord(picture, 0);
    PutWord(picture, 0);
    files.Add("|TOPIC", TopicFile({TopicHeader("Pictures"),
                                   Paragraph(std::string("\x80\x00\x00", 3) + picture + "\x82",
                                             std::string("\0\0\0", 3), 3, 2)}));
    files.Add("|bm0", bm0);
    files.Add("|bm1", MetafilePicture());
    return files.Build();
}

TEST(HlpClassicForms, DeviceDependentBitmapsHotspotsAndMetafilesRead) {
    const HelpDocument doc = help::ReadHelpFileBytes(PictureHelpFile(DdbPicture(16, 2)));
    ASSERT_EQ(doc.pictures.size(), 2u);
    const help::Picture& ddb = doc.pictures[0];
    EXPECT_EQ(ddb.name, "bm0");
    ASSERT_EQ(ddb.width, 16);
    ASSERT_EQ(ddb.height, 2);
    // Rows top-down, a set bit white.
    const uint32_t w = 0xFFFFFFFF, k = 0xFF000000;
    EXPECT_EQ(ddb.pixels[0], w);
    EXPECT_EQ(ddb.pixels[7], w);
    EXPECT_EQ(ddb.pixels[8], k);
    EXPECT_EQ(ddb.pixels[16], k);
    EXPECT_EQ(ddb.pixels[31], w);
    ASSERT_EQ(ddb.hotspots.size(), 2u);
    EXPECT_EQ(ddb.hotspots[0].name, "left");
    EXPECT_EQ(ddb.hotspots[0].action.kind, help::HotspotKind::Jump);
    EXPECT_EQ(ddb.hotspots[0].action.target, "Target_Ctx");
    EXPECT_EQ(ddb.hotspots[0].action.targetHash, ContextHash("target_ctx"));
    EXPECT_EQ(ddb.hotspots[1].action.kind, help::HotspotKind::Macro);
    EXPECT_EQ(ddb.hotspots[1].action.target, "Back()");
    EXPECT_EQ(ddb.hotspots[1].x, 8);
    EXPECT_EQ(ddb.hotspots[1].width, 8);
    const help::Picture& meta = doc.pictures[1];
    EXPECT_EQ(meta.metafile, "METAFL");
    EXPECT_EQ(meta.width, 100);
    EXPECT_TRUE(meta.pixels.empty());
    const help::Topic& topic = doc.help.topics.at(0);
    ASSERT_EQ(topic.bitmaps.size(), 1u);
    EXPECT_EQ(topic.bitmaps[0].picture, 0);
    EXPECT_EQ(topic.paragraphs.at(0).runs.at(0).kind, help::RunKind::Bitmap);
}

std::string Message(const std::string& bytes) {
    try {
        help::ReadHelpFileBytes(bytes);
    } catch (const HelpFileError& e) {
        return e.what();
    }
    return "read";
}

std::string CleanHelpFile() {
    const CompileResult result =
        CompileHelpProject(fs::path(SCRIVLET_TEST_DATA) / "hc" / "clean" / "project.hpj");
    return BuildHelpFileBytes(result, 0);
}

TEST(HlpDamagedFiles, MessagesNameTheFault) {
    EXPECT_EQ(Message("MZ not a help file at all"),
              "This is not a Windows help file: it does not begin as one does.");
    try {
        help::ReadHelpFile("/nonexistent/nothing.hlp");
        FAIL();
    } catch (const HelpFileError& e) {
        EXPECT_STREQ(e.what(), "The help file \"nothing.hlp\" cannot be read.");
    }
    const std::string clean = CleanHelpFile();
    EXPECT_EQ(Message(clean.substr(0, clean.size() - 100)),
              "The help file is damaged: the directory runs past the end of the file (the file "
              "may be truncated).");
    EXPECT_EQ(Message(PictureHelpFile(DdbPicture(100000, 100000))),
              "The help file is damaged: the picture bm0 claims 100000 by 100000 pixels.");

    FileSystem unknown;
    unknown.Add("|SYSTEM", System31());
    unknown.Add("|TOPIC", TopicFile({TopicHeader("T"), {0x42, "", "", 0}}));
    EXPECT_EQ(Message(unknown.Build()),
              "The help file is damaged: |TOPIC holds a record of the unknown type 0x42.");

    // Two leaf pages, the second leading back to the first.
    std::vector<std::pair<std::string, uint32_t>> many;
    for (int i = 0; i < 400; ++i)
        many.emplace_back("c" + std::to_string(i), 0);
    std::string tree = Contexts(many);
    SetWord(tree, 38 + 2048 + 6, 0);
    FileSystem cyclic;
    cyclic.Add("|SYSTEM", System31());
    cyclic.Add("|TOPIC", TopicFile({TopicHeader("T")}));
    cyclic.Add("|CONTEXT", tree);
    EXPECT_EQ(Message(cyclic.Build()),
              "The help file is damaged: the leaf pages of |CONTEXT run in a circle.");
}

// Every cut and many changed bytes of a real file give a document or a
// HelpFileError: nothing else escapes, nothing crashes.
TEST(HlpDamagedFiles, TruncatedAndChangedFilesNeverEscape) {
    const std::string clean = CleanHelpFile();
    auto check = [](const std::string& bytes) {
        try {
            help::ReadHelpFileBytes(bytes);
        } catch (const HelpFileError&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    };
    for (std::size_t cut = 0; cut < clean.size(); cut += 97) {
        check(clean.substr(0, cut));
    }
    uint32_t seed = 12345;
    for (int i = 0; i < 800; ++i) {
        std::string bytes = clean;
        for (int n = 0; n < 4; ++n) {
            seed = seed * 1103515245 + 12345;
            bytes[(seed >> 8) % bytes.size()] = static_cast<char>(seed >> 24);
        }
        check(bytes);
    }
}

}  // namespace
}  // namespace scrivlet::hc
