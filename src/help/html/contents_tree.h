#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "help/html/link_target.h"
#include "help/html/site_map.h"

namespace scrivlet::help::html {

// One entry of the site's contents: a book (children, no target) or a page.
struct ContentsNode {
    std::string title;  // UTF-8
    bool book = false;
    LinkTarget target;  // for a page
    std::vector<ContentsNode> children;
};

// The contents from the lines of a contents file (.cnt): books and pages
// nested by their levels, macro entries as far as the web can follow them.
// Include lines and entries for other help files are warned about.
std::vector<ContentsNode> ContentsFromFile(const SiteMap& site, std::string_view cntBytes,
                                           PublishReport& report);

// Without a contents file: each browse sequence in its order (a book per
// named sequence when there are several), then the topics in no sequence.
std::vector<ContentsNode> ContentsFromBrowse(const SiteMap& site,
                                             const std::vector<std::vector<int>>& sequences);

// The browse sequences of the published topics, each in reading order: from
// the neighbours a help file keeps, or from the "+" footnotes ("name:key",
// sorted by key within a name; topics with equal keys keep their order).
std::vector<std::vector<int>> BrowseSequences(const SiteMap& site);

// For every topic, the previous and next published topic of its sequence
// (-1 for none).
std::vector<std::pair<int, int>> BrowseNeighbours(const SiteMap& site,
                                                  const std::vector<std::vector<int>>& sequences);

// Nested lists of NODES; COUNTED adds their links to REPORT.
std::string ContentsHtml(const std::vector<ContentsNode>& nodes);
void CountContentsLinks(const std::vector<ContentsNode>& nodes, PublishReport& report);

}  // namespace scrivlet::help::html
