#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "help/help_document.h"
#include "help/html/site_map.h"

namespace scrivlet::help::html {

// What the publisher needs besides the document.
struct PublishInput {
    std::string helpFileName;   // the help file's name, so its own file in jumps is recognised
    std::string contentsBytes;  // the contents file (.cnt); empty: from the browse sequences
};

// One file of the site: its path inside the output folder ("/" separated)
// and its bytes.
struct SiteFile {
    std::string path;
    std::string bytes;
};

struct Site {
    std::vector<SiteFile> files;
    PublishReport report;
};

// Told how many topics are done out of how many; returning false stops
// the publishing (Publish then gives an empty site).
using PublishProgress = std::function<bool(std::size_t done, std::size_t total)>;

// The whole web site of DOCUMENT in memory: a page per published topic,
// index.html (contents), keywords.html, search.html, search-index.js,
// help.css, help.js and the pictures as PNG files.
Site Publish(const HelpDocument& document, const PublishInput& input,
             const PublishProgress& progress = {});

// Writes SITE's files below FOLDER, creating it and its sub-folders. Throws
// std::filesystem::filesystem_error or std::runtime_error when a file
// cannot be written.
void WriteSite(const Site& site, const std::filesystem::path& folder);

// One topic as a standalone page for a preview: its text with the
// non-scrolling region on top, links as in the site, the style sheet
// inside. Nothing is counted or warned about.
std::string PreviewPage(const HelpDocument& document, int topic);

// The sum of the file sizes of SITE.
std::size_t SiteSize(const Site& site);

}  // namespace scrivlet::help::html
