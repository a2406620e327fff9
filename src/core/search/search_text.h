#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlet {

// Text search as the search dialog does it, over any character type: the
// editor's text is searched as UTF-16 (so positions are the editor's own),
// stored topic text as Windows-1252 bytes.

struct SearchOptions {
    bool MatchCase = false;
    bool WholeWord = false;
};

// Only a to z fold: case-insensitive search treats no other letter as
// case-equal.
template <class C>
constexpr C FoldCase(C c) {
    return (c >= C('a') && c <= C('z')) ? C(c - C('a') + C('A')) : c;
}

template <class C>
bool SameChar(C a, C b, bool matchCase) {
    return matchCase ? a == b : FoldCase(a) == FoldCase(b);
}

// With whole words the text carries one blank on each side, so a whole word
// is a word with a blank on each side and the blanks belong to the match.
// The same rule makes the replacement text.
template <class C>
std::basic_string<C> SearchPattern(std::basic_string_view<C> text, bool wholeWord) {
    std::basic_string<C> pattern;
    if (wholeWord) {
        pattern += C(' ');
    }
    pattern += text;
    if (wholeWord) {
        pattern += C(' ');
    }
    return pattern;
}

// The first position at or after FROM where PATTERN occurs in TEXT, or npos.
// An empty pattern is never found.
template <class C>
std::size_t FindPattern(std::basic_string_view<C> text, std::basic_string_view<C> pattern,
                        bool matchCase, std::size_t from = 0) {
    if (pattern.empty() || from > text.size() || text.size() - from < pattern.size()) {
        return std::basic_string_view<C>::npos;
    }
    const std::size_t last = text.size() - pattern.size();
    for (std::size_t i = from; i <= last; ++i) {
        std::size_t k = 0;
        while (k < pattern.size() && SameChar(text[i + k], pattern[k], matchCase)) {
            ++k;
        }
        if (k == pattern.size()) {
            return i;
        }
    }
    return std::basic_string_view<C>::npos;
}

template <class C>
bool TextEquals(std::basic_string_view<C> a, std::basic_string_view<C> b, bool matchCase) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameChar(a[i], b[i], matchCase)) {
            return false;
        }
    }
    return true;
}

struct TextMatch {
    std::size_t Start = 0;
    std::size_t Length = 0;

    friend bool operator==(const TextMatch&, const TextMatch&) = default;
};

// FindNext over the editor's text: the search starts at the end of the
// selection, never before it, and finds the pattern built from FIND. Nothing
// when FIND is empty or there is no later occurrence.
template <class C>
std::optional<TextMatch> FindNextMatch(std::basic_string_view<C> text, std::size_t selStart,
                                       std::size_t selLength, std::basic_string_view<C> find,
                                       const SearchOptions& options) {
    if (find.empty()) {
        return std::nullopt;
    }
    const std::basic_string<C> pattern = SearchPattern(find, options.WholeWord);
    const std::size_t from = selStart + selLength;
    const std::size_t at = FindPattern<C>(text, pattern, options.MatchCase, from);
    if (at == std::basic_string_view<C>::npos) {
        return std::nullopt;
    }
    return TextMatch{at, pattern.size()};
}

// The first step of "Replace and find next": whether the selected text is the
// find text itself (so it is replaced without searching first).
template <class C>
bool SelectionMatchesFind(std::basic_string_view<C> selected, std::basic_string_view<C> find,
                          bool matchCase) {
    return !selected.empty() && TextEquals(selected, find, matchCase);
}

// Replaces every occurrence of PATTERN in TEXT by REPLACEMENT, searching on
// just after each inserted replacement, so a replacement is never searched
// again. Returns the number of replacements; an empty pattern replaces
// nothing.
int ReplaceInString(std::string_view pattern, std::string_view replacement, std::string& text,
                    bool matchCase);

}  // namespace scrivlet
