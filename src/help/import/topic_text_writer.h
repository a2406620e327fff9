#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "help/help_file.h"

namespace scrivlet::help {

// What the writer needs to know of the rest of the project: the number of
// the topic a context string opens, when a "[href=" code can name it (the
// context is a topic's own and its number is unique); the image name to
// write for a bitmap reference.
struct TopicTextContext {
    std::function<std::optional<int32_t>(std::string_view context)> hrefNumber;
    std::function<std::string(const BitmapRef& bitmap)> imageName;
    uint32_t lcid = 1033;
};

// A topic's text in the editor's RTF layout, and what of it could not become
// an editor code (each said in words the author can act on).
struct TopicText {
    std::vector<std::string> lines;
    std::vector<std::string> notCarried;
    int links = 0;
    int images = 0;
};

// Writes TOPIC of HELP as the editor writes a topic: its own font and colour
// tables numbered from 0 in order of use, one paragraph a line, hotspots as
// link codes after their text, bitmaps as image codes, the second and later
// context strings as anchor codes where they were defined, and the
// keep-with-next paragraphs at the topic's start as the non-scrolling code.
TopicText WriteTopicText(const HelpFile& help, const Topic& topic, const TopicTextContext& context);

// Text as the layout escapes it: "\", "{" and "}" with a backslash, bytes
// above 127 as "\'hh", control bytes dropped.
std::string EscapeTopicText(std::string_view text);

}  // namespace scrivlet::help
