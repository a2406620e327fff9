#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "help/help_file.h"

namespace scrivlet::help {

// One line of the Index: a keyword and the topics that carry it.
struct KeywordEntry {
    std::string keyword;  // as the first topic that carries it spells it
    std::vector<int> topics;

    friend bool operator==(const KeywordEntry&, const KeywordEntry&) = default;
};

// KEYWORD with the letters A to Z in lower case: how the Index compares.
std::string FoldedKeyword(std::string_view keyword);

// Every K keyword of the help file once (letters a to z without regard to
// case), sorted as the Index lists them: without regard to case.
std::vector<KeywordEntry> BuildKeywordIndex(const HelpFile& help);

// Type-ahead: the first entry that begins with TYPED (without regard to
// case), else the first that sorts after it; the entry count when none does.
std::size_t KeywordIndexPosition(const std::vector<KeywordEntry>& index, std::string_view typed);

}  // namespace scrivlet::help
