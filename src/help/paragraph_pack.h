#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "help/help_file.h"

namespace scrivlet::help {

// A topic's text: its paragraphs and the hotspots their runs refer to.
struct TopicText {
    std::vector<Paragraph> paragraphs;
    std::vector<Hotspot> hotspots;
};

// A topic's text as one string of bytes: every field of every paragraph, run
// and hotspot, about a sixth of the room the objects take. A program that
// holds many topics at once (the compiler of a large project) keeps them so
// and unpacks one topic at a time.
std::string PackTopicText(const std::vector<Paragraph>& paragraphs,
                          const std::vector<Hotspot>& hotspots);

// The text PACKED holds, exactly as it was packed. Bytes that are not what
// PackTopicText wrote throw std::invalid_argument.
TopicText UnpackTopicText(std::string_view packed);

// How many paragraphs PACKED holds, without unpacking them.
std::size_t PackedParagraphCount(std::string_view packed);

// The text of TOPIC, unpacked when it holds it packed.
TopicText TextOf(const Topic& topic);

}  // namespace scrivlet::help
