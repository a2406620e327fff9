#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace scrivlet::help::html {

// The full-text index the search page loads as a script (so it works from
// file://): every page's file and title, and for every word the pages it
// is on, as base-36 steps from one page number to the next.
class SearchIndex {
public:
    // Adds a page; its words come with AddWords until the next page.
    void AddPage(std::string_view file, std::string_view title);
    void AddWords(std::string_view utf8Text);

    // "window.HELP_SEARCH={pages:[...],titles:[...],words:{...}};"
    std::string Script() const;

private:
    struct Postings {
        std::string code;
        int last = -1;
    };
    std::vector<std::string> files_;
    std::vector<std::string> titles_;
    std::unordered_map<std::string, Postings> words_;
};

}  // namespace scrivlet::help::html
