#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "help/help_file.h"

namespace scrivlet::help {

// A topic's paragraphs as one string of bytes: every field of every
// paragraph and run, about a sixth of the room the objects take. A program
// that holds many topics at once (the compiler of a large project) keeps them
// so and unpacks one topic at a time.
std::string PackParagraphs(const std::vector<Paragraph>& paragraphs);

// The paragraphs PACKED holds, exactly as they were packed. Bytes that are
// not what PackParagraphs wrote throw std::invalid_argument.
std::vector<Paragraph> UnpackParagraphs(std::string_view packed);

// How many paragraphs PACKED holds, without unpacking them.
std::size_t PackedParagraphCount(std::string_view packed);

// The paragraphs of TOPIC, unpacked when it holds them packed.
std::vector<Paragraph> ParagraphsOf(const Topic& topic);

}  // namespace scrivlet::help
