#pragma once

#include <span>
#include <string>

namespace scrivlet {

// Keep-with-next for one topic's lines, in place: the first "[keepn]" marker
// (lower case only) is removed, the paragraph after it starts with "\pard",
// and the topic's "\deflang" line gets "\keepn" after its first "\pard", so
// every paragraph from the first down to the marker's forms the non-scrolling
// region. A second marker stays in the text.
void ApplyKeepn(std::span<std::string> lines);

}  // namespace scrivlet
