#pragma once

#include <string>

#include "help/help_file.h"

namespace scrivlet::help::html {

// The character format most of the document's text has; the site's CSS
// sets it, and runs say only how they differ.
struct BaseFormat {
    int font = 0;
    int halfPoints = 20;
};
BaseFormat MostCommonFormat(const HelpFile& help);

// The elements that open and close a run of FORMAT: <b>, <i>, <u>, <s>,
// <sup>, <sub> and a <span style> for font, size, colour and small capitals
// that differ from BASE. A hotspot's own underline, strike-through and
// colour are left to the link's style.
struct RunTags {
    std::string open;
    std::string close;
};
RunTags TagsFor(const CharFormat& format, const HelpFile& help, const BaseFormat& base,
                bool hotspot);

// The style attribute value of a paragraph: alignment, indents, spacing,
// borders and no-wrap; empty for a plain paragraph.
std::string ParagraphStyle(const ParagraphFormat& format);

// Twips as CSS pixels (1440 twips an inch, 96 pixels an inch).
std::string Pixels(int twips);

// "#rrggbb" of a colour stored with red in the low byte.
std::string CssColor(uint32_t rgb);

}  // namespace scrivlet::help::html
