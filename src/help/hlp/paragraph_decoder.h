#pragma once

#include <string_view>
#include <vector>

#include "help/help_file.h"
#include "help/help_project.h"

namespace scrivlet::help::hlp {

// What a paragraph record's commands refer to: the |FONT descriptors and the
// [WINDOWS] definitions (jumps name windows by number).
struct ParagraphContext {
    const std::vector<CharFormat>& fonts;
    const std::vector<WindowDefinition>& windows;
};

// Decodes a display (0x20) or table (0x23) record into paragraphs of TOPIC,
// with the hotspots and pictures its commands open. DATA1 holds the settings
// and commands, DATA2 the text (phrases expanded), one piece before each
// command. KEEPNEXT marks paragraphs of the non-scrolling region. Gives the
// number of paragraphs added.
std::size_t DecodeParagraphRecord(unsigned type, std::string_view data1, std::string_view data2,
                                  bool keepNext, const ParagraphContext& context, Topic& topic);

}  // namespace scrivlet::help::hlp
