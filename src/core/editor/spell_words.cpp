#include "core/editor/spell_words.h"

#include <array>
#include <string_view>

namespace scrivlet {

namespace {

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c < 0x2000);
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsWordChar(char16_t c) {
    return IsLetter(c) || IsDigit(c);
}

bool IsApostrophe(char16_t c) {
    return c == u'\'' || c == 0x2019;
}

bool StartsWith(const std::u16string& text, int at, std::u16string_view prefix) {
    return text.compare(at, prefix.size(), prefix.data(), prefix.size()) == 0 &&
           static_cast<int>(text.size()) - at >= static_cast<int>(prefix.size());
}

// The end of a markup code starting at AT, or -1 when none starts there. A
// code ends at its closing bracket on the same line; an unclosed one is text.
int MarkupEnd(const std::u16string& text, int at) {
    static constexpr std::array<std::u16string_view, 4> kSquare{u"[href=", u"[link=", u"[#=",
                                                                u"[keepn]"};
    static constexpr std::array<std::u16string_view, 2> kCurly{u"{bm", u"{button "};
    char16_t close = 0;
    for (auto prefix : kSquare) {
        if (StartsWith(text, at, prefix)) {
            close = u']';
        }
    }
    for (auto prefix : kCurly) {
        if (StartsWith(text, at, prefix)) {
            close = u'}';
        }
    }
    if (close == 0) {
        return -1;
    }
    for (int i = at + 1; i < static_cast<int>(text.size()); ++i) {
        if (text[i] == close) {
            return i + 1;
        }
        if (text[i] == u'\n' || text[i] == 0x2029) {
            break;
        }
    }
    return -1;
}

// The end of the word starting at AT: letters and digits, with apostrophes
// that stand between two of them.
int WordEnd(const std::u16string& text, int at) {
    const int size = static_cast<int>(text.size());
    int i = at;
    while (i < size) {
        if (IsWordChar(text[i])) {
            ++i;
        } else if (IsApostrophe(text[i]) && i + 1 < size && IsWordChar(text[i + 1]) && i > at) {
            ++i;
        } else {
            break;
        }
    }
    return i;
}

}  // namespace

std::optional<WordSpan> NextWord(const std::u16string& text, int from, int end) {
    const int size = static_cast<int>(text.size());
    if (end > size) {
        end = size;
    }
    // A markup code that began before FROM still counts: scan from the line
    // start so that the middle of a code is never read as words.
    int i = 0;
    for (int k = from - 1; k >= 0; --k) {
        if (text[k] == u'\n' || text[k] == 0x2029) {
            i = k + 1;
            break;
        }
    }
    while (i < end) {
        const int codeEnd = MarkupEnd(text, i);
        if (codeEnd > 0) {
            i = codeEnd;
            continue;
        }
        if (!IsWordChar(text[i])) {
            ++i;
            continue;
        }
        const int wordEnd = WordEnd(text, i);
        bool hasDigit = false;
        for (int k = i; k < wordEnd; ++k) {
            hasDigit = hasDigit || IsDigit(text[k]);
        }
        if (i >= from && wordEnd <= end && !hasDigit) {
            return WordSpan{i, wordEnd - i};
        }
        i = wordEnd;
    }
    return std::nullopt;
}

std::optional<WordSpan> WordAt(const std::u16string& text, int position) {
    const int size = static_cast<int>(text.size());
    if (position < 0 || position > size) {
        return std::nullopt;
    }
    int start = position;
    while (start > 0 && (IsLetter(text[start - 1]) ||
                         (IsApostrophe(text[start - 1]) && start > 1 && IsLetter(text[start - 2]) &&
                          start < size && IsLetter(text[start])))) {
        --start;
    }
    int end = position;
    while (end < size && (IsLetter(text[end]) || (IsApostrophe(text[end]) && end > start &&
                                                  end + 1 < size && IsLetter(text[end + 1])))) {
        ++end;
    }
    if (end == start) {
        return std::nullopt;
    }
    return WordSpan{start, end - start};
}

}  // namespace scrivlet
