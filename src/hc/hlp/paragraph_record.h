#pragma once

#include <string>

#include "hc/help_file.h"
#include "hc/help_project.h"
#include "hc/hlp/font_table.h"
#include "hc/hlp/picture_file.h"

namespace scrivlet::hc::hlp {

// A display paragraph as a topic record: LINKDATA1 holds the paragraph
// settings and the formatting commands, LINKDATA2 the text, one
// NUL-terminated piece before each command. CHARACTERS is how many
// character positions the paragraph takes (text, tabs, line breaks, the
// paragraph end), the count topic offsets are made of.
struct ParagraphRecord {
    std::string linkData1;
    std::string linkData2;
    uint32_t characters = 0;
};

ParagraphRecord EncodeParagraph(const Paragraph& paragraph, const Topic& topic,
                                const HelpProject& project, FontTable& fonts,
                                const Pictures& pictures);

}  // namespace scrivlet::hc::hlp
