#include "help/hlp/topic_stream.h"

#include <algorithm>

#include "help/hlp/byte_cursor.h"
#include "help/hlp/lz77_unpack.h"

namespace scrivlet::help::hlp {
namespace {

constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr std::size_t kBlockHeader = 12;
constexpr std::size_t kLinkHeader = 21;
constexpr std::size_t kUnpackedBlock = 0x4000;
// A record's text never comes near this; a larger size is damage, not text.
constexpr std::size_t kMaxText = 16u << 20;

}  // namespace

TopicStream::TopicStream(std::string_view topicFile, const SystemInfo& system) {
    const std::size_t blockSize = system.TopicBlockSize();
    const bool packed = system.Lz77Topics();
    std::vector<uint32_t> firstLinks;
    for (std::size_t at = 0; at < topicFile.size(); at += blockSize) {
        const std::string_view block = topicFile.substr(at, blockSize);
        if (block.size() < kBlockHeader) {
            break;
        }
        firstLinks.push_back(ReadDword(block, 4));
        starts_.push_back(data_.size());
        const std::string_view body = block.substr(kBlockHeader);
        if (packed) {
            data_ += UnpackLz77(body, kUnpackedBlock, "a topic block");
        } else {
            data_ += body;
        }
    }
    // A TOPICPOS counts 16 KB per block when blocks are packed; unpacked
    // blocks count their own size in some files and 16 KB in others, which
    // the first record of each block tells apart.
    if (!packed) {
        for (const uint32_t span :
             {static_cast<uint32_t>(kUnpackedBlock), static_cast<uint32_t>(blockSize)}) {
            bool fits = true;
            for (std::size_t b = 0; b < firstLinks.size() && fits; ++b) {
                fits = firstLinks[b] == kNone ||
                       (firstLinks[b] / span == b && firstLinks[b] % span >= kBlockHeader);
            }
            if (fits) {
                span_ = span;
                break;
            }
        }
    }
    if (!firstLinks.empty() && firstLinks[0] != kNone) {
        first_ = At(firstLinks[0]);
    }
}

std::size_t TopicStream::TryAt(uint32_t pos) const {
    const std::size_t block = pos / span_;
    const std::size_t inBlock = pos % span_;
    if (pos == kNone || block >= starts_.size() || inBlock < kBlockHeader) {
        return std::string::npos;
    }
    const std::size_t blockEnd = block + 1 < starts_.size() ? starts_[block + 1] : data_.size();
    if (starts_[block] + inBlock - kBlockHeader >= blockEnd) {
        return std::string::npos;
    }
    return starts_[block] + inBlock - kBlockHeader;
}

std::size_t TopicStream::At(uint32_t pos) const {
    const std::size_t at = TryAt(pos);
    if (at == std::string::npos) {
        Damaged("a topic record refers to a place outside |TOPIC");
    }
    return at;
}

TopicRecord TopicStream::Read(std::size_t at, const PhraseTable& phrases, std::size_t* next) {
    ByteCursor in(data_, "a topic record", at);
    const uint32_t size = in.Dword();
    const uint32_t textSize = in.Dword();
    in.Dword();  // the record before
    const uint32_t nextPos = in.Dword();
    const uint32_t data1Size = in.Dword();
    TopicRecord record;
    record.type = in.Byte();
    record.stream = at;
    if (data1Size < kLinkHeader || size < data1Size || size > data_.size() - at) {
        Damaged("a topic record has impossible sizes");
    }
    if (textSize > kMaxText) {
        Damaged("a topic record claims " + std::to_string(textSize) + " bytes of text");
    }
    record.data1 = data_.substr(at + kLinkHeader, data1Size - kLinkHeader);
    const std::string_view stored =
        std::string_view(data_).substr(at + data1Size, size - data1Size);
    record.data2 = textSize > stored.size() ? phrases.Expand(stored, textSize)
                                            : std::string(stored.substr(0, textSize));

    const std::size_t block = static_cast<std::size_t>(
        std::upper_bound(starts_.begin(), starts_.end(), at) - starts_.begin() - 1);
    if (block != block_) {
        block_ = block;
        characters_ = 0;
    }
    record.offset = static_cast<uint32_t>(block) * 0x8000 + characters_;
    if (record.type == kTopicHeaderRecord && record.data1.size() >= 24) {
        record.nonScroll = TryAt(ReadDword(record.data1, 16));
        record.scroll = TryAt(ReadDword(record.data1, 20));
    }
    if (record.type == kDisplayRecord || record.type == kTableRecord) {
        ByteCursor counts(record.data1, "a paragraph record");
        counts.CompressedLong();
        characters_ += counts.CompressedUShort();
    }

    *next = std::string::npos;
    if (nextPos != kNone) {
        *next = At(nextPos);
        if (*next <= at) {
            Damaged("the topic records run in a circle");
        }
    }
    return record;
}

std::vector<TopicRecord> ReadTopicRecords(std::string_view topicFile, const SystemInfo& system,
                                          const PhraseTable& phrases) {
    TopicStream stream(topicFile, system);
    std::vector<TopicRecord> records;
    std::size_t at = stream.First();
    while (at != std::string::npos) {
        std::size_t next = 0;
        records.push_back(stream.Read(at, phrases, &next));
        at = next;
    }
    return records;
}

}  // namespace scrivlet::help::hlp
