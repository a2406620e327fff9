#include "help/html/search_index.h"

#include <algorithm>

#include "help/html/html_text.h"

namespace scrivlet::help::html {
namespace {

std::string Base36(int value) {
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 36]);
        value /= 36;
    } while (value > 0);
    return text;
}

}  // namespace

void SearchIndex::AddPage(std::string_view file, std::string_view title) {
    files_.emplace_back(file);
    titles_.emplace_back(title);
    AddWords(title);
}

void SearchIndex::AddWords(std::string_view utf8Text) {
    if (files_.empty()) {
        return;
    }
    const int page = static_cast<int>(files_.size()) - 1;
    for (std::string& word : Words(utf8Text)) {
        Postings& postings = words_[std::move(word)];
        if (postings.last == page) {
            continue;
        }
        if (!postings.code.empty()) {
            postings.code += ',';
        }
        postings.code += Base36(page - (postings.last < 0 ? 0 : postings.last));
        postings.last = page;
    }
}

std::string SearchIndex::Script() const {
    std::string out = "window.HELP_SEARCH={pages:[";
    for (std::size_t i = 0; i < files_.size(); ++i) {
        out += (i == 0 ? "\"" : ",\"") + JsString(files_[i]) + "\"";
    }
    out += "],\ntitles:[";
    for (std::size_t i = 0; i < titles_.size(); ++i) {
        out += (i == 0 ? "\"" : ",\"") + JsString(titles_[i]) + "\"";
    }
    out += "],\nwords:{";
    std::vector<const std::pair<const std::string, Postings>*> sorted;
    sorted.reserve(words_.size());
    for (const auto& entry : words_) {
        sorted.push_back(&entry);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const auto* a, const auto* b) { return a->first < b->first; });
    bool first = true;
    for (const auto* entry : sorted) {
        out += first ? "\n\"" : ",\n\"";
        first = false;
        out += JsString(entry->first) + "\":\"" + entry->second.code + "\"";
    }
    out += "}};\n";
    return out;
}

}  // namespace scrivlet::help::html
