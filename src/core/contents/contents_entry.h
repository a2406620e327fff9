#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/short_string.h"

namespace scrivlet {

// One line of a contents file taken apart. The editor keeps the raw lines and
// decomposes one whenever it draws, edits, indents or drops an entry.
struct ContentsEntry {
    // 0 for a line that begins with ":" or ";" or has no digits; -1 when there
    // is no entry at all (an index out of range).
    int32_t EntryLevel = 0;
    ShortString EntryTitle;
    // The context string of a topic entry, or "!" and the macro of a macro
    // entry; empty for a heading.
    ShortString EntryTarget;
    ShortString EntryFile;
    ShortString EntryWindow;
};

// Cuts the text at its last ";" and removes the blanks and control characters
// left before it. Text without ";" comes back unchanged.
std::string StripComment(std::string_view text);

ContentsEntry ParseEntry(std::string_view line);

// The kinds an entry can be. A comment is none of page, book or include; the
// "no entry" of an index out of range is neither a page nor a book.
bool IsComment(const ContentsEntry& entry);
bool IsInclude(const ContentsEntry& entry);
bool IsPage(const ContentsEntry& entry);
bool IsMacro(const ContentsEntry& entry);
bool IsBook(const ContentsEntry& entry);

// How many decimal digits the line begins with: the level text that Move
// Right and Move Left replace.
std::size_t LevelDigitCount(std::string_view line);

// The line with its leading level digits replaced by LEVEL in decimal.
std::string WithLevel(std::string_view line, int32_t level);

}  // namespace scrivlet
