#include "core/build/markup.h"

#include <optional>

#include "core/build/text_replace.h"
#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAsciiAlnum(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// KEYWORD (upper case) in LINE at or after FROM, letter case ignored.
std::size_t FindKeyword(std::string_view line, std::string_view keyword, std::size_t from) {
    while (true) {
        const std::size_t at = line.find(keyword[0], from);
        if (at == std::string_view::npos || line.size() - at < keyword.size()) {
            return std::string_view::npos;
        }
        std::size_t i = 1;
        while (i < keyword.size() && UpperAscii(line[at + i]) == keyword[i]) {
            ++i;
        }
        if (i == keyword.size()) {
            return at;
        }
        from = at + 1;
    }
}

// The end of a window name that starts at FROM.
std::size_t WindowNameEnd(std::string_view line, std::size_t from) {
    while (from < line.size() && IsAsciiAlnum(line[from])) {
        ++from;
    }
    return from;
}

// One piece of markup as read: where it ends (the closing character
// included) and what replaces it. Nothing when it runs into the end of the
// line.
struct Rewrite {
    std::size_t end;
    std::string replacement;
};

// After the target: "]" closes; ">" with a window name is followed by the
// closing character; ">" alone is itself the closing character.
std::optional<std::size_t> ClosingAt(std::string_view line, std::size_t pos, std::string& window) {
    if (pos < line.size() && line[pos] == '>') {
        const std::size_t nameEnd = WindowNameEnd(line, pos + 1);
        if (nameEnd > pos + 1) {
            window = std::string(line.substr(pos + 1, nameEnd - pos - 1));
            pos = nameEnd;
        }
    }
    if (pos >= line.size()) {
        return std::nullopt;
    }
    return pos;
}

std::string HiddenTarget(std::string_view prefix, std::string_view target,
                         const std::string& window) {
    std::string out = "{\\v ";
    out += prefix;
    out += target;
    if (!window.empty()) {
        out += '>';
        out += window;
    }
    out += '}';
    return out;
}

std::optional<Rewrite> ReadHref(std::string_view line, std::size_t start,
                                const MarkupContext& context) {
    std::size_t pos = start + 6;
    std::string_view prefix;
    if (pos < line.size() && !IsDigit(line[pos])) {
        prefix = line.substr(pos, 1);
        ++pos;
    }
    const std::size_t numberStart = pos;
    while (pos < line.size() && IsDigit(line[pos])) {
        ++pos;
    }
    const std::string_view number = line.substr(numberStart, pos - numberStart);
    std::string window;
    const auto closing = ClosingAt(line, pos, window);
    if (!closing) {
        return std::nullopt;
    }
    const int index = context.index.IndexOfTopicID(number);
    if (index < 0) {
        std::string message = "    Topic ID " + std::string(number) + " not found.";
        if (context.holder != nullptr) {
            message += " (topic " + IntToStr(context.holder->TopicID) + " \"" +
                       context.holder->Title.str() + "\")";
        }
        context.log.LogLine(message);
        return Rewrite{*closing + 1, ""};
    }
    const std::string target = EscapeHighChars(context.topics[index].ContextString.str());
    return Rewrite{*closing + 1, HiddenTarget(prefix, target, window)};
}

std::optional<Rewrite> ReadLink(std::string_view line, std::size_t start) {
    std::size_t pos = start + 6;
    std::string_view prefix;
    if (pos < line.size() && (line[pos] == '%' || line[pos] == '*')) {
        prefix = line.substr(pos, 1);
        ++pos;
    }
    const std::size_t targetEnd = line.find_first_of(">]", pos);
    if (targetEnd == std::string_view::npos) {
        return std::nullopt;
    }
    std::string window;
    const auto closing = ClosingAt(line, targetEnd, window);
    if (!closing) {
        return std::nullopt;
    }
    return Rewrite{*closing + 1, HiddenTarget(prefix, line.substr(pos, targetEnd - pos), window)};
}

std::optional<Rewrite> ReadAnchor(std::string_view line, std::size_t start) {
    const std::size_t close = line.find(']', start + 3);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    std::string footnote = "#{\\footnote ";
    footnote += line.substr(start + 3, close - start - 3);
    footnote += '}';
    return Rewrite{close + 1, std::move(footnote)};
}

enum class Pass { Href, Link, Anchor };

void TranslatePass(std::string& line, Pass pass, const MarkupContext& context) {
    const std::string_view keyword =
        pass == Pass::Href ? "[HREF=" : (pass == Pass::Link ? "[LINK=" : "[#=");
    std::size_t from = 0;
    while (true) {
        const std::size_t start = FindKeyword(line, keyword, from);
        if (start == std::string::npos) {
            return;
        }
        std::optional<Rewrite> rewrite;
        switch (pass) {
            case Pass::Href:
                rewrite = ReadHref(line, start, context);
                break;
            case Pass::Link:
                rewrite = ReadLink(line, start);
                break;
            case Pass::Anchor:
                rewrite = ReadAnchor(line, start);
                break;
        }
        if (!rewrite) {
            // Left open up to the end of the line: keep it for the author to see.
            context.log.LogLine("    Error - markup not closed: \"" + line.substr(start) + "\"");
            from = start + keyword.size();
            continue;
        }
        line.replace(start, rewrite->end - start, rewrite->replacement);
        // Go on after the inserted text: a context string or target that
        // itself holds a keyword must not be read again (it would never end).
        from = start + rewrite->replacement.size();
    }
}

}  // namespace

void TranslateMarkupInPlace(std::string& line, const MarkupContext& context) {
    TranslatePass(line, Pass::Href, context);
    TranslatePass(line, Pass::Link, context);
    TranslatePass(line, Pass::Anchor, context);
}

std::string TranslateMarkup(std::string_view line, const MarkupContext& context) {
    std::string out(line);
    TranslateMarkupInPlace(out, context);
    return out;
}

}  // namespace scrivlet
