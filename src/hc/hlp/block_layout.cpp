#include "hc/hlp/block_layout.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "hc/hlp/lz77.h"
#include "hc/hlp/topic_writer.h"
#include "help/hlp/lz77_unpack.h"

namespace scrivlet::hc::hlp {
namespace {

// A block that packs into less than 4 KB is padded, and readers unpack the
// padding too, to at most as many bytes again; so that a block never unpacks
// to more than 16 KB, it takes at most 16 KB less a block's worth.
constexpr std::size_t kMaxInput = 0x4000 - kTopicBlockData;
// How far past its last byte the packer looks, so that a block whose bytes
// did not change packs the same.
constexpr std::size_t kLookahead = 32;
// Rounds in which cuts may move either way, before they only move earlier.
constexpr int kFreeRounds = 8;
// Earlier-only rounds always end; this only bounds a fault of this code.
constexpr int kMaxRounds = 10000;

struct Block {
    uint32_t start = 0;
    uint32_t end = 0;
    std::size_t examined = 0;  // bytes from START the packing depended on
    std::string packed;
    // The bytes past END that the packing looked at: with those PACKED
    // unpacks to, all it depended on, so that the run of the last round
    // need not be kept to tell whether a block's bytes changed.
    std::string lookedAhead;
};

// Notes what BLOCK's packing looked at past its end.
Block Noted(Block block, std::string_view data) {
    const std::size_t length = block.end - block.start;
    const std::size_t past = block.examined > length ? block.examined - length : 0;
    block.lookedAhead = std::string(data.substr(block.end, past));
    return block;
}

// The last record start after AFTER and at most AT_MOST; 0 when there is none.
uint32_t LastRecordStart(const std::vector<uint32_t>& records, uint32_t after, uint32_t atMost) {
    auto it = std::upper_bound(records.begin(), records.end(), atMost);
    if (it == records.begin()) {
        return 0;
    }
    --it;
    return *it > after ? *it : 0;
}

// As much from START as packs into one block.
Block Greedy(std::string_view data, uint32_t start, const std::vector<uint32_t>& records) {
    const std::string_view rest = data.substr(start);
    std::size_t consumed = 0;
    Block block;
    block.start = start;
    block.packed = Lz77CompressPrefix(rest, kMaxInput, kTopicBlockData, &consumed);
    block.examined = std::min(std::min(rest.size(), kMaxInput), consumed + kLookahead);
    if (consumed < rest.size() && block.packed.size() < kTopicBlockData) {
        // The input limit stopped it: the block ends where the last record
        // that starts in it starts, so that no record runs on through the
        // padding. A record that fills the limit on its own goes unpacked
        // instead, which fills the block exactly.
        const auto boundary =
            LastRecordStart(records, start, static_cast<uint32_t>(start + consumed));
        if (boundary != 0) {
            block.packed = Lz77CompressPrefix(rest, boundary - start, kTopicBlockData, &consumed);
        } else {
            block.packed = Lz77Literals(rest, kTopicBlockData, &consumed);
        }
    }
    block.end = static_cast<uint32_t>(start + consumed);
    return Noted(std::move(block), data);
}

// A block from START that ends no later than AT_MOST: where a record starts,
// as late as packs. GREEDY is kept when no record starts there.
Block NoLaterThan(std::string_view data, uint32_t start, uint32_t atMost,
                  const std::vector<uint32_t>& records, Block greedy) {
    const std::string_view rest = data.substr(start);
    uint32_t limit = std::min(atMost, static_cast<uint32_t>(start + kMaxInput));
    for (uint32_t boundary; (boundary = LastRecordStart(records, start, limit)) != 0;
         limit = boundary - 1) {
        std::size_t consumed = 0;
        std::string packed = Lz77CompressPrefix(rest, boundary - start, kTopicBlockData, &consumed);
        if (consumed == boundary - start) {
            return Noted({start,
                          boundary,
                          std::min(rest.size(), consumed + kLookahead),
                          std::move(packed),
                          {}},
                         data);
        }
    }
    return greedy;
}

bool SameBytes(std::size_t sizeBefore, std::string_view now, const Block& block) {
    const std::size_t length = block.end - block.start;
    if (sizeBefore != now.size() ||
        now.compare(block.end, block.lookedAhead.size(), block.lookedAhead) != 0) {
        return false;
    }
    return help::hlp::UnpackLz77(block.packed, length, "a topic block") ==
           now.substr(block.start, length);
}

}  // namespace

PackedBlocks LayOutPackedBlocks(
    const std::function<void(const std::vector<uint32_t>& starts, std::string& data)>& serialize,
    const std::vector<uint32_t>& records) {
    std::vector<uint32_t> starts{0};
    std::vector<Block> last;
    std::vector<uint32_t> lastEnds;
    std::string data;
    std::size_t lastSize = 0;
    for (int round = 0;; ++round) {
        serialize(starts, data);
        const bool earlierOnly = round >= kFreeRounds;
        std::vector<Block> blocks;
        std::size_t old = 0;
        for (uint32_t start = 0;;) {
            // A block of the last round that starts before START is of
            // no more use.
            while (old < last.size() && last[old].start < start) {
                std::string().swap(last[old].packed);
                ++old;
            }
            Block block = old < last.size() && last[old].start == start &&
                                  SameBytes(lastSize, data, last[old])
                              ? std::move(last[old])
                              : Greedy(data, start, records);
            const std::size_t index = blocks.size();
            if (earlierOnly && index < lastEnds.size() && block.end > lastEnds[index]) {
                block = NoLaterThan(data, start, lastEnds[index], records, std::move(block));
            }
            blocks.push_back(std::move(block));
            if (blocks.back().end == start || blocks.back().end >= data.size()) {
                break;
            }
            start = blocks.back().end;
        }
        std::vector<uint32_t> next;
        next.reserve(blocks.size());
        for (const Block& block : blocks) {
            next.push_back(block.start);
        }
        if (next == starts) {
            PackedBlocks result;
            result.starts = std::move(next);
            for (Block& block : blocks) {
                result.packed.push_back(std::move(block.packed));
            }
            return result;
        }
        if (round == kMaxRounds) {
            throw std::logic_error("the topic blocks did not come to rest");
        }
        lastSize = data.size();
        last = std::move(blocks);
        lastEnds.clear();
        for (const Block& block : last) {
            lastEnds.push_back(block.end);
        }
        starts = std::move(next);
    }
}

}  // namespace scrivlet::hc::hlp
