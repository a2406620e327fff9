// Cutting topic records into packed blocks, whatever the bytes do when the
// cuts move.
#include <gtest/gtest.h>

#include <random>

#include "hc/hlp/block_layout.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/topic_writer.h"
#include "hlp_reader/hlp_numbers.h"

namespace scrivlet::hc {
namespace {

// Each block unpacks to its bytes; one that does not fill its 4 KB ends
// where a record starts, or at the end.
void ExpectSound(const hlp::PackedBlocks& blocks, const std::string& data,
                 const std::vector<uint32_t>& records) {
    ASSERT_EQ(blocks.starts.size(), blocks.packed.size());
    ASSERT_EQ(blocks.starts.front(), 0u);
    for (std::size_t b = 0; b < blocks.starts.size(); ++b) {
        const std::size_t start = blocks.starts[b];
        const std::size_t end = b + 1 < blocks.starts.size() ? blocks.starts[b + 1] : data.size();
        const std::string& packed = blocks.packed[b];
        ASSERT_LE(packed.size(), hlp::kTopicBlockData) << b;
        const std::string unpacked = test::UnpackLz77(packed);
        ASSERT_GE(unpacked.size(), end - start) << b;
        EXPECT_EQ(unpacked.substr(0, end - start), data.substr(start, end - start)) << b;
        if (packed.size() < hlp::kTopicBlockData && end < data.size()) {
            EXPECT_TRUE(std::binary_search(records.begin(), records.end(), end)) << b;
        }
        // The padding unpacks to at most as many bytes again.
        EXPECT_LE(unpacked.size() + (hlp::kTopicBlockData - packed.size()), 0x4000u) << b;
    }
}

// Bytes that pack well under few cuts and not at all under many: left to
// itself, the layout would swing between the two for ever.
TEST(BlockLayout, CutsThatWouldSwingComeToRest) {
    std::vector<uint32_t> records;
    for (uint32_t at = 0; at < 60000; at += 150) {
        records.push_back(at);
    }
    std::string random(60000, '\0');
    std::mt19937 generator(7);
    for (char& c : random) {
        c = static_cast<char>(generator());
    }
    std::string data;
    int serialized = 0;
    const auto serialize = [&](const std::vector<uint32_t>& starts, std::string& into) {
        ++serialized;
        into = starts.size() >= 8 ? std::string(60000, 'a') : random;
    };
    const hlp::PackedBlocks blocks = hlp::LayOutPackedBlocks(serialize, records);
    EXPECT_LT(serialized, 40);
    serialize(blocks.starts, data);
    ExpectSound(blocks, data, records);
}

// One record larger than a block can hold packed goes unpacked, filling
// its blocks exactly, and runs on into the next.
TEST(BlockLayout, ARecordLargerThanABlockRunsOnThroughFullBlocks) {
    const std::vector<uint32_t> records{0, 40000};
    const std::string data(40100, 'x');
    const auto serialize = [&](const std::vector<uint32_t>&, std::string& into) { into = data; };
    const hlp::PackedBlocks blocks = hlp::LayOutPackedBlocks(serialize, records);
    ExpectSound(blocks, data, records);
    EXPECT_EQ(blocks.packed.front().size(), hlp::kTopicBlockData);
}

TEST(HlpBytes, NumbersBeyondTheirFormsAreHeldAtTheirLimits) {
    std::string bytes;
    hlp::PutCompressedLong(bytes, 0x3FFFFFFF);
    hlp::PutCompressedLong(bytes, INT32_MAX);
    hlp::PutCompressedLong(bytes, INT32_MIN);
    hlp::PutCompressedLong(bytes, -0x4001);
    EXPECT_EQ(bytes, std::string("\xFF\xFF\xFF\xFF"
                                 "\xFF\xFF\xFF\xFF"
                                 "\x01\x00\x00\x00"
                                 "\xFF\x7F\xFF\x7F",
                                 16));
    bytes.clear();
    hlp::PutCompressedUShort(bytes, 0x9000);
    hlp::PutCompressedShort(bytes, 0x5000);
    hlp::PutCompressedShort(bytes, -0x5000);
    hlp::PutCompressedULong(bytes, 0xFFFFFFFF);
    EXPECT_EQ(bytes, std::string("\xFF\xFF\xFF\xFF\x01\x00\xFF\xFF\xFF\xFF", 10));
}

}  // namespace
}  // namespace scrivlet::hc
