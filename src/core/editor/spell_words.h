#pragma once

#include <optional>
#include <string>

namespace scrivlet {

// A word of topic text: where it starts and how many characters it has.
struct WordSpan {
    int start = 0;
    int length = 0;

    bool operator==(const WordSpan&) const = default;
};

// The first word that lies wholly inside [from, end) of TEXT (UTF-16, as the
// editor holds it). Words are runs of letters, digits and inner apostrophes;
// markup codes ("[href=...]", "[link=...]", "[#=...]", "[keepn]", "{bm...}",
// "{button ...}") are not text and are stepped over whole. Runs that hold a
// digit are numbers, not words, and are skipped too.
std::optional<WordSpan> NextWord(const std::u16string& text, int from, int end);

// The word that holds (or ends at) POSITION; nothing when POSITION touches
// no letter.
std::optional<WordSpan> WordAt(const std::u16string& text, int position);

}  // namespace scrivlet
