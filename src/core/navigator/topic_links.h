#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/topic.h"

namespace scrivlet {

// The codes in a topic's text that lead somewhere or bring something in, as
// the editor inserted them: "[href=" (a topic of this project by number),
// "[link=" (another help file's topic, or a macro when it starts with "!"),
// "[#=" (an anchor), "\{bm..." (an image) and "\{button ...\}".
enum class CodeKind { TopicLink, OtherLink, MacroLink, Anchor, Image, Button };

struct TopicCode {
    CodeKind kind = CodeKind::TopicLink;
    std::size_t line = 0;    // index into TTopic::Text
    std::size_t column = 0;  // byte offset of the code in that line
    std::size_t length = 0;  // bytes of the whole code
    bool popup = false;      // for links: the hotspot text before it is a pop-up's
    int32_t topicId = 0;     // for TopicLink
    bool idValid = true;     // false when the number is not a 32-bit integer
    std::string target;      // OtherLink "ctx@file", MacroLink the macros, Anchor the name,
                             // Image the file name, Button its macros
    std::string window;      // ">name" of a link, without the ">"
};

// Every code of TOPIC's text in reading order. Codes run to the end of their
// line; one left open is not a code.
std::vector<TopicCode> ScanTopicCodes(const TTopic& topic);

// The same over one line of text, LINE its index.
void ScanLineCodes(std::string_view text, std::size_t line, std::vector<TopicCode>& codes);

}  // namespace scrivlet
