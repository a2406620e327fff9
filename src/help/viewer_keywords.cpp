#include "help/viewer_keywords.h"

#include <algorithm>
#include <map>

namespace scrivlet::help {
std::string FoldedKeyword(std::string_view keyword) {
    std::string out(keyword);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return out;
}

std::vector<KeywordEntry> BuildKeywordIndex(const HelpFile& help) {
    std::map<std::string, KeywordEntry> byFolded;
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        for (const std::string& keyword : help.topics[t].keywords) {
            if (keyword.empty()) {
                continue;
            }
            KeywordEntry& entry = byFolded[FoldedKeyword(keyword)];
            if (entry.keyword.empty()) {
                entry.keyword = keyword;
            }
            if (entry.topics.empty() || entry.topics.back() != static_cast<int>(t)) {
                entry.topics.push_back(static_cast<int>(t));
            }
        }
    }
    std::vector<KeywordEntry> index;
    index.reserve(byFolded.size());
    for (auto& [folded, entry] : byFolded) {
        index.push_back(std::move(entry));
    }
    return index;
}

std::size_t KeywordIndexPosition(const std::vector<KeywordEntry>& index, std::string_view typed) {
    const std::string folded = FoldedKeyword(typed);
    const auto it = std::lower_bound(index.begin(), index.end(), folded,
                                     [](const KeywordEntry& entry, const std::string& key) {
                                         return FoldedKeyword(entry.keyword) < key;
                                     });
    return static_cast<std::size_t>(it - index.begin());
}

}  // namespace scrivlet::help
