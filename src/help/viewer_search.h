#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "help/help_file.h"

namespace scrivlet::help {

// The words of Windows-1252 text, folded to lower case (A to Z and the
// accented capitals alike): runs of letters and digits.
std::vector<std::string> SearchWords(std::string_view text);

// A topic's text as plain Windows-1252 bytes: tabs and line breaks become
// blanks, paragraphs end with a line feed.
std::string TopicPlainText(const Topic& topic);

struct SearchHit {
    int topic = 0;
    double score = 0;

    friend bool operator==(const SearchHit&, const SearchHit&) = default;
};

// The full-text index of a help file: every word of every topic's title and
// text, with how often it stands in each topic.
class FullTextIndex {
public:
    explicit FullTextIndex(const HelpFile& help);

    // The topics that hold every word of QUERY (each word also matches the
    // longer words it begins with when PREFIX), best first: a word counts
    // more the rarer it is across topics, and more in a title than in the
    // text. Ties keep topic order.
    std::vector<SearchHit> Search(std::string_view query, bool prefix = true) const;

    // The indexed words that begin with PREFIX (folded), in byte order.
    std::vector<std::string> WordsStartingWith(std::string_view prefix) const;

    std::size_t WordCount() const { return words_.size(); }

private:
    struct Posting {
        int topic;
        int textCount;
        int titleCount;
    };
    void Add(int topic, std::string_view text, bool title,
             std::unordered_map<uint32_t, Posting>& counts);
    // The word ids QUERYWORD stands for.
    std::vector<uint32_t> Matching(const std::string& queryWord, bool prefix) const;

    int topicCount_ = 0;
    std::unordered_map<std::string, uint32_t> ids_;
    std::vector<std::string> words_;              // by id
    std::vector<std::vector<Posting>> postings_;  // by id, in topic order
    std::vector<uint32_t> sorted_;                // ids in word order
};

}  // namespace scrivlet::help
