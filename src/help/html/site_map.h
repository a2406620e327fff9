#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "help/help_document.h"
#include "help/html/file_names.h"

namespace scrivlet::help::html {

// What the publisher tells the author once the site is written.
struct PublishReport {
    int pages = 0;                      // topic pages
    int links = 0;                      // jumps, pop-ups, macro links and contents entries written
    int broken = 0;                     // of those, the ones that lead nowhere (marked in the page)
    std::vector<std::string> warnings;  // UTF-8, one line each
};

// "12 pages, 30 links, 1 broken"
std::string ReportLine(const PublishReport& report);

// Where every topic and picture of the document goes in the site, and the
// look-ups the page writers share: links to topics, text in UTF-8.
class SiteMap {
public:
    SiteMap(const HelpDocument& document, std::string_view helpFileName);

    const HelpDocument& Document() const { return document_; }
    const HelpFile& Help() const { return document_.help; }

    // The page file of topic INDEX; empty for a topic the build left out.
    const std::string& PageOf(int topic) const { return pages_[static_cast<std::size_t>(topic)]; }
    bool Published(int topic) const {
        return topic >= 0 && static_cast<std::size_t>(topic) < pages_.size() &&
               !PageOf(topic).empty();
    }
    // The topic the site opens with (the contents topic), -1 when none is
    // published.
    int StartTopic() const { return start_; }

    // The id of the place a context string other than a topic's first
    // names inside its page ("c-name").
    static std::string ContextAnchor(const ContextDefinition& definition);

    // The href of CONTEXT (a context string of this help), "page.html" or
    // "page.html#c-name"; empty when no published topic has it. TOPIC gets
    // the topic index.
    std::string ContextHref(std::string_view context, uint32_t hash, int* topic = nullptr) const;
    // Whether FILE, as a jump or macro names it, is this help file.
    bool IsThisFile(std::string_view file) const;

    // The image file of picture INDEX ("images/bm3.png"); empty for a
    // metafile or a picture without pixels.
    const std::string& PictureFile(int picture) const;

    // Help text (bytes of the document's code page, or of FONT's own
    // character set) in UTF-8.
    std::string Text(std::string_view bytes, int font = -1) const;
    // A topic's title in UTF-8, or its first context string when it has no
    // title.
    std::string Title(int topic) const;
    // "topic "name"", the way warnings name a topic.
    std::string Describe(int topic) const;

private:
    const HelpDocument& document_;
    std::string helpStem_;  // lower case, without folder and extension
    std::vector<std::string> pages_;
    std::vector<std::string> pictures_;
    // Context hash -> the first topic defining it; links look up thousands.
    std::unordered_map<uint32_t, int> topicOfHash_;
    int start_ = -1;
    int codePage_ = 1252;
};

}  // namespace scrivlet::help::html
