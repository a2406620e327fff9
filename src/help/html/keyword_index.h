#pragma once

#include <string>
#include <vector>

#include "help/html/site_map.h"

namespace scrivlet::help::html {

// One K keyword of the published topics: its first spelling, and the topics
// that have it (in topic order, each once).
struct KeywordEntry {
    std::string text;    // UTF-8
    std::string folded;  // what it sorts and compares by
    std::vector<int> topics;
};

// Every keyword, sorted by its folded text; spellings that differ only in
// letter case are one keyword.
std::vector<KeywordEntry> CollectKeywords(const SiteMap& site);

// The main text of keywords.html: a bar of first letters, then the keywords
// grouped by letter; a keyword of one topic links to it, one of several
// lists them under it.
std::string KeywordPageText(const SiteMap& site, const std::vector<KeywordEntry>& keywords);

}  // namespace scrivlet::help::html
