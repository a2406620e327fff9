#include "help/viewer_search.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace scrivlet::help {
namespace {

// Windows-1252 letters above 127: the accented Latin letters and the few
// the code page adds (S, Z and OE with caron or ligature, Y diaeresis).
bool IsHighLetter(unsigned char c) {
    if (c >= 0xC0) {
        return c != 0xD7 && c != 0xF7;
    }
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E ||
           c == 0x9F || c == 0x83;
}

bool IsWordByte(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           IsHighLetter(c);
}

char Fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<char>(c + 32);
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return static_cast<char>(c + 32);
    }
    switch (c) {
        case 0x8A:
        case 0x8C:
        case 0x8E:
            return static_cast<char>(c + 0x10);
        case 0x9F:
            return static_cast<char>(0xFF);
        default:
            return static_cast<char>(c);
    }
}

template <typename Each>
void ForEachWord(std::string_view text, std::string& word, Each&& each) {
    word.clear();
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsWordByte(c)) {
            word += Fold(c);
        } else if (!word.empty()) {
            each(word);
            word.clear();
        }
    }
    if (!word.empty()) {
        each(word);
        word.clear();
    }
}

constexpr double kTitleWeight = 5.0;

}  // namespace

std::vector<std::string> SearchWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    ForEachWord(text, word, [&words](const std::string& w) { words.push_back(w); });
    return words;
}

std::string TopicPlainText(const Topic& topic) {
    std::string out;
    for (const Paragraph& paragraph : topic.paragraphs) {
        for (const Run& run : paragraph.runs) {
            switch (run.kind) {
                case RunKind::Text:
                case RunKind::Button:
                    out += run.text;
                    break;
                case RunKind::Tab:
                case RunKind::LineBreak:
                    out += ' ';
                    break;
                case RunKind::Bitmap:
                    break;
            }
        }
        out += '\n';
    }
    return out;
}

FullTextIndex::FullTextIndex(const HelpFile& help)
    : topicCount_(static_cast<int>(help.topics.size())) {
    std::unordered_map<uint32_t, Posting> counts;
    for (int t = 0; t < topicCount_; ++t) {
        const Topic& topic = help.topics[static_cast<std::size_t>(t)];
        counts.clear();
        Add(t, topic.title, true, counts);
        for (const Paragraph& paragraph : topic.paragraphs) {
            for (const Run& run : paragraph.runs) {
                if (run.kind == RunKind::Text || run.kind == RunKind::Button) {
                    Add(t, run.text, false, counts);
                }
            }
        }
        for (const auto& [id, posting] : counts) {
            postings_[id].push_back(posting);
        }
    }
    sorted_.resize(words_.size());
    for (uint32_t id = 0; id < sorted_.size(); ++id) {
        sorted_[id] = id;
    }
    std::sort(sorted_.begin(), sorted_.end(),
              [this](uint32_t a, uint32_t b) { return words_[a] < words_[b]; });
}

void FullTextIndex::Add(int topic, std::string_view text, bool title,
                        std::unordered_map<uint32_t, Posting>& counts) {
    // A word split between two runs (a change of format inside it) counts
    // as two words; help text rarely does that, and the index stays simple.
    std::string word;
    ForEachWord(text, word, [&](const std::string& w) {
        auto [it, added] = ids_.try_emplace(w, static_cast<uint32_t>(words_.size()));
        if (added) {
            words_.push_back(w);
            postings_.emplace_back();
        }
        Posting& posting = counts.try_emplace(it->second, Posting{topic, 0, 0}).first->second;
        ++(title ? posting.titleCount : posting.textCount);
    });
}

std::vector<uint32_t> FullTextIndex::Matching(const std::string& queryWord, bool prefix) const {
    std::vector<uint32_t> ids;
    if (!prefix) {
        if (auto it = ids_.find(queryWord); it != ids_.end()) {
            ids.push_back(it->second);
        }
        return ids;
    }
    auto it =
        std::lower_bound(sorted_.begin(), sorted_.end(), queryWord,
                         [this](uint32_t id, const std::string& w) { return words_[id] < w; });
    for (; it != sorted_.end() && words_[*it].compare(0, queryWord.size(), queryWord) == 0; ++it) {
        ids.push_back(*it);
    }
    return ids;
}

std::vector<SearchHit> FullTextIndex::Search(std::string_view query, bool prefix) const {
    const std::vector<std::string> queryWords = SearchWords(query);
    if (queryWords.empty()) {
        return {};
    }
    // topic -> (score, how many query words it holds)
    std::map<int, std::pair<double, std::size_t>> found;
    for (std::size_t q = 0; q < queryWords.size(); ++q) {
        std::map<int, double> wordScores;
        for (const uint32_t id : Matching(queryWords[q], prefix)) {
            const auto& list = postings_[id];
            const double rarity =
                std::log(1.0 + static_cast<double>(topicCount_) / static_cast<double>(list.size()));
            for (const Posting& p : list) {
                wordScores[p.topic] += (p.textCount + kTitleWeight * p.titleCount) * rarity;
            }
        }
        for (const auto& [topic, score] : wordScores) {
            if (q == 0) {
                found[topic] = {score, 1};
            } else if (auto it = found.find(topic); it != found.end() && it->second.second == q) {
                it->second = {it->second.first + score, q + 1};
            }
        }
    }
    std::vector<SearchHit> hits;
    for (const auto& [topic, entry] : found) {
        if (entry.second == queryWords.size()) {
            hits.push_back({topic, entry.first});
        }
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const SearchHit& a, const SearchHit& b) { return a.score > b.score; });
    return hits;
}

std::vector<std::string> FullTextIndex::WordsStartingWith(std::string_view prefix) const {
    std::string folded;
    for (const char c : prefix) {
        folded += Fold(static_cast<unsigned char>(c));
    }
    std::vector<std::string> out;
    for (const uint32_t id : Matching(folded, true)) {
        out.push_back(words_[id]);
    }
    return out;
}

}  // namespace scrivlet::help
