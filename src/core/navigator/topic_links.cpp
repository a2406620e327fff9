#include "core/navigator/topic_links.h"

#include <charconv>

namespace scrivlet {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAlnum(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (Upper(text[at + i]) != Upper(word[i])) {
            return false;
        }
    }
    return true;
}

// The hotspot's kind from the formatting before the code: the editor writes
// a jump's text struck through and a pop-up's underlined.
bool PopupBefore(std::string_view text, std::size_t at) {
    const std::string_view before = text.substr(0, at);
    const std::size_t strike = before.rfind("\\strike");
    std::size_t underline = std::string_view::npos;
    for (std::size_t from = before.size(); from > 0;) {
        const std::size_t found = before.rfind("\\ul", from - 1);
        if (found == std::string_view::npos) {
            break;
        }
        const std::size_t next = found + 3;
        // "\ul" alone, not "\uldb" (a jump) or "\ulnone".
        if (next >= before.size() || !((before[next] >= 'a' && before[next] <= 'z'))) {
            underline = found;
            break;
        }
        from = found;
    }
    if (underline == std::string_view::npos) {
        return false;
    }
    return strike == std::string_view::npos || underline > strike;
}

// ">window" then "]": the end of a link code after its target.
bool CloseLink(std::string_view text, std::size_t& pos, TopicCode& code) {
    if (pos < text.size() && text[pos] == '>') {
        std::size_t end = pos + 1;
        while (end < text.size() && IsAlnum(text[end])) {
            ++end;
        }
        code.window = std::string(text.substr(pos + 1, end - pos - 1));
        pos = end;
    }
    if (pos >= text.size()) {
        return false;
    }
    ++pos;  // "]" or whatever closes it, as the build reads it
    return true;
}

bool ReadHref(std::string_view text, std::size_t start, TopicCode& code, std::size_t& pos) {
    pos = start + 6;
    if (pos < text.size() && !IsDigit(text[pos])) {
        ++pos;  // the appearance prefix
    }
    const std::size_t digits = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    const std::string_view number = text.substr(digits, pos - digits);
    int32_t id = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), id);
    code.idValid = !number.empty() && error == std::errc() && end == number.data() + number.size();
    code.topicId = code.idValid ? id : 0;
    code.kind = CodeKind::TopicLink;
    return CloseLink(text, pos, code);
}

bool ReadLink(std::string_view text, std::size_t start, TopicCode& code, std::size_t& pos) {
    pos = start + 6;
    if (pos < text.size() && (text[pos] == '%' || text[pos] == '*')) {
        ++pos;
    }
    const std::size_t targetEnd = text.find_first_of(">]", pos);
    if (targetEnd == std::string_view::npos) {
        return false;
    }
    code.target = std::string(text.substr(pos, targetEnd - pos));
    if (!code.target.empty() && code.target[0] == '!') {
        code.kind = CodeKind::MacroLink;
        code.target.erase(0, 1);
    } else {
        code.kind = CodeKind::OtherLink;
    }
    pos = targetEnd;
    return CloseLink(text, pos, code);
}

// "\{bmc name\}", "\{bmlt name\}", "\{button caption, macros\}": braces are
// escaped in topic text.
bool ReadBraced(std::string_view text, std::size_t start, TopicCode& code) {
    const std::size_t close = text.find("\\}", start);
    if (close == std::string_view::npos) {
        return false;
    }
    const std::string_view inner = text.substr(start + 2, close - start - 2);
    if (StartsWithNoCase(inner, 0, "button ")) {
        code.kind = CodeKind::Button;
        const std::size_t comma = inner.find(',');
        if (comma != std::string_view::npos) {
            std::string_view macros = inner.substr(comma + 1);
            while (!macros.empty() && macros.front() == ' ') {
                macros.remove_prefix(1);
            }
            code.target = std::string(macros);
        }
    } else {
        const std::size_t blank = inner.find(' ');
        if (blank == std::string_view::npos) {
            return false;
        }
        code.kind = CodeKind::Image;
        code.target = std::string(inner.substr(blank + 1));
    }
    code.length = close + 2 - start;
    return true;
}

bool IsImageStart(std::string_view text, std::size_t at) {
    // "\{bm" + "c", "l" or "r", maybe "t", then a blank.
    if (!StartsWithNoCase(text, at, "\\{bm") || at + 5 >= text.size()) {
        return false;
    }
    const char align = Upper(text[at + 4]);
    return align == 'C' || align == 'L' || align == 'R';
}

}  // namespace

void ScanLineCodes(std::string_view text, std::size_t line, std::vector<TopicCode>& codes) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t at = text.find_first_of("[\\", pos);
        if (at == std::string_view::npos) {
            return;
        }
        TopicCode code;
        code.line = line;
        code.column = at;
        bool found = false;
        std::size_t end = at;
        if (text[at] == '[') {
            if (StartsWithNoCase(text, at, "[href=")) {
                found = ReadHref(text, at, code, end);
            } else if (StartsWithNoCase(text, at, "[link=")) {
                found = ReadLink(text, at, code, end);
            } else if (StartsWithNoCase(text, at, "[#=")) {
                const std::size_t close = text.find(']', at + 3);
                found = close != std::string_view::npos;
                if (found) {
                    code.kind = CodeKind::Anchor;
                    code.target = std::string(text.substr(at + 3, close - at - 3));
                    end = close + 1;
                }
            }
            if (found) {
                code.length = end - at;
                if (code.kind == CodeKind::TopicLink || code.kind == CodeKind::OtherLink ||
                    code.kind == CodeKind::MacroLink) {
                    code.popup = PopupBefore(text, at);
                }
            }
        } else if (text.size() - at >= 2 && text[at + 1] == '\\') {
            pos = at + 2;  // an escaped backslash starts nothing
            continue;
        } else if (IsImageStart(text, at) || StartsWithNoCase(text, at, "\\{button ")) {
            found = ReadBraced(text, at, code);
        }
        if (found) {
            codes.push_back(std::move(code));
            pos = at + codes.back().length;
        } else {
            pos = at + 1;
        }
    }
}

std::vector<TopicCode> ScanTopicCodes(const TTopic& topic) {
    std::vector<TopicCode> codes;
    // The first two lines are the font and colour tables.
    for (std::size_t i = 2; i < topic.Text.size(); ++i) {
        ScanLineCodes(topic.Text[i], i, codes);
    }
    return codes;
}

}  // namespace scrivlet
