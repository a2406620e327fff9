#pragma once

#include <string>
#include <vector>

#include "help/html/link_target.h"
#include "help/html/site_map.h"
#include "help/html/text_style.h"

namespace scrivlet::help::html {

// A topic's text as HTML: its non-scrolling region (the paragraphs kept
// with the next at its start) apart from the rest, and the pop-up topics its
// hotspots open, each once, in the order they first appear.
struct TopicBody {
    std::string header;
    std::string text;
    std::vector<int> popups;
};

// Writes topics' text. Links and warnings go to REPORT unless the writer
// is QUIET (a pop-up panel repeats a topic already counted on its own page).
class TopicWriter {
public:
    TopicWriter(const SiteMap& site, PublishReport& report);

    TopicBody Write(int topic, bool quiet = false);

    // The image maps of the pictures with hotspots that the last Write
    // showed, to go once at the end of the page.
    const std::string& ImageMaps() const { return maps_; }

private:
    struct State;
    std::string Paragraphs(State& state, std::size_t first, std::size_t end);
    std::string OneParagraph(State& state, std::size_t index, const char* tag);
    std::string Picture(State& state, const Run& run);
    void Warn(const State& state, const std::string& text);
    void Count(const State& state, const LinkTarget& target);

    const SiteMap& site_;
    PublishReport& report_;
    BaseFormat base_;
    std::string maps_;
};

}  // namespace scrivlet::help::html
