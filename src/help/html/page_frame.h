#pragma once

#include <cstdint>
#include <string>

namespace scrivlet::help::html {

// Everything around a page's own text: the document head, the bar with
// Contents, Index, Search, Previous and Next, and the fixed header.
struct PageFrame {
    std::string title;      // UTF-8, not escaped
    std::string siteTitle;  // UTF-8, not escaped
    std::string language;   // "en", or empty when unknown
    std::string fixed;      // HTML of the topic's non-scrolling region
    std::string text;       // HTML of the page's text
    std::string after;      // HTML after the text: pop-up panels, image maps
    std::string previous;   // href, empty for none
    std::string next;
    bool browse = false;       // show Previous and Next
    bool searchIndex = false;  // load search-index.js
};

std::string WritePage(const PageFrame& frame);

// The language tag of a Windows locale id ("en" for 1033); empty when the
// id is 0 or one this table does not know.
std::string LanguageTag(uint32_t lcid);

}  // namespace scrivlet::help::html
