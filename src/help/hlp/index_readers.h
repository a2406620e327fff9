#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scrivlet::help::hlp {

// The look-up files of a help file, each as the pairs it holds; a TOPICOFFSET
// names the place in the topic text an entry leads to.

// |CONTEXT: context hash and TOPICOFFSET.
std::vector<std::pair<uint32_t, uint32_t>> ReadContextTree(std::string_view bytes);
// |CTXOMAP: map number and TOPICOFFSET.
std::vector<std::pair<uint32_t, uint32_t>> ReadContextMap(std::string_view bytes);
// |VIOLA: a topic's TOPICOFFSET and the number of its window.
std::vector<std::pair<uint32_t, uint32_t>> ReadWindowTree(std::string_view bytes);
// |TTLBTREE: TOPICOFFSET and title.
std::vector<std::pair<uint32_t, std::string>> ReadTitleTree(std::string_view bytes);

// |KWBTREE with |KWDATA (or |AWBTREE with |AWDATA): every keyword and the
// TOPICOFFSETs of its topics.
struct KeywordEntry {
    std::string keyword;
    std::vector<uint32_t> offsets;
};
std::vector<KeywordEntry> ReadKeywords(std::string_view tree, std::string_view data,
                                       const std::string& name);

// |CFn: one NUL-terminated macro after another.
std::vector<std::string> ReadMacroList(std::string_view bytes);

}  // namespace scrivlet::help::hlp
