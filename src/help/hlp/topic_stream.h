#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "help/hlp/phrases.h"
#include "help/hlp/system_reader.h"

namespace scrivlet::help::hlp {

// Record types of |TOPIC.
constexpr unsigned kTopicHeaderRecord = 0x02;
constexpr unsigned kDisplayRecord = 0x20;
constexpr unsigned kTableRecord = 0x23;

// One record of |TOPIC with its text unpacked.
struct TopicRecord {
    unsigned type = 0;
    std::size_t stream = 0;  // where it starts in the unpacked blocks, for ordering
    uint32_t offset = 0;     // its TOPICOFFSET
    std::string data1;       // settings and formatting commands
    std::string data2;       // text, phrases expanded
    // For a topic header: where the topic's non-scrolling region starts and
    // where its scrolling region does (npos for none).
    std::size_t nonScroll = std::string::npos;
    std::size_t scroll = std::string::npos;
};

// The topic blocks of |TOPIC unpacked one after another, and where a
// TOPICPOS (a block number and a place in it) falls in them.
class TopicStream {
public:
    TopicStream(std::string_view topicFile, const SystemInfo& system);

    // The unpacked position of POS; throws HelpFileError when it lies
    // outside every block.
    std::size_t At(uint32_t pos) const;
    // As At, npos for a place outside every block or for none (-1).
    std::size_t TryAt(uint32_t pos) const;
    // The position of the first record; npos when there is none.
    std::size_t First() const { return first_; }
    std::size_t Size() const { return data_.size(); }

    // Reads the record at position AT and gives the position of the next
    // (npos after the last). Records must follow one another forwards, so a
    // damaged chain cannot loop.
    TopicRecord Read(std::size_t at, const PhraseTable& phrases, std::size_t* next);

private:
    std::string data_;
    std::vector<std::size_t> starts_;  // per block: where its data starts in data_
    uint32_t span_ = 0x4000;           // what a block counts in a TOPICPOS
    std::size_t first_ = std::string::npos;
    // TOPICOFFSET: the block a record starts in and the characters before
    // it in that block.
    std::size_t block_ = SIZE_MAX;
    uint32_t characters_ = 0;
};

// Every record of |TOPIC in order.
std::vector<TopicRecord> ReadTopicRecords(std::string_view topicFile, const SystemInfo& system,
                                          const PhraseTable& phrases);

}  // namespace scrivlet::help::hlp
