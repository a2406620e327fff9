#pragma once

#include <span>
#include <string>

#include "hc/help_model.h"
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

// What a topic's runs refer to by number.
struct TopicReferences {
    const std::vector<Hotspot>& hotspots;
    const std::vector<BitmapRef>& bitmaps;
};

ParagraphRecord EncodeParagraph(const Paragraph& paragraph, const TopicReferences& topic,
                                const HelpProject& project, FontTable& fonts,
                                const Pictures& pictures);

}  // namespace scrivlet::hc::hlp

namespace scrivlet::hc::hlp {

// A table row as one table record: the columns from the row's definition
// (on its last paragraph), then every paragraph with its settings and the
// column of its cell. ROW ends with the paragraph that ends the row.
ParagraphRecord EncodeTableRow(std::span<const Paragraph> row, const TopicReferences& topic,
                               const HelpProject& project, FontTable& fonts,
                               const Pictures& pictures);

// Columns a table row can have.
constexpr int kMaxColumns = 64;

}  // namespace scrivlet::hc::hlp
