#include "help/html/web_macro.h"

#include <vector>

#include "core/util/convert.h"

namespace scrivlet::help::html {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// A quoted argument loses its quotes: "x", `x' and `x" all give x.
std::string Unquote(std::string_view text) {
    text = TrimBlanksAndTabs(text);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '`') &&
        (text.back() == '"' || text.back() == '\'')) {
        text = text.substr(1, text.size() - 2);
    }
    return std::string(text);
}

// Splits TEXT at SEPARATOR where it stands outside quotes and brackets.
std::vector<std::string_view> SplitOutside(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    int depth = 0;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '(' || c == '`')) {
            ++depth;
        } else if (!quoted && (c == ')' || c == '\'') && depth > 0) {
            --depth;
        } else if (!quoted && depth == 0 && c == separator) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The file argument names this help file: empty, or the macro variable for
// the current file.
std::string OwnFile(const std::string& file) {
    const std::string lower = Lower(file);
    return lower == "qchpath" ? std::string() : file;
}

std::optional<WebMacro> OneMacro(std::string_view text) {
    text = TrimBlanksAndTabs(text);
    const std::size_t open = text.find('(');
    const std::string name = Lower(TrimBlanksAndTabs(text.substr(0, open)));
    std::vector<std::string> args;
    if (open != std::string_view::npos) {
        std::string_view inner = text.substr(open + 1);
        if (!inner.empty() && inner.back() == ')') {
            inner.remove_suffix(1);
        }
        if (!TrimBlanksAndTabs(inner).empty()) {
            for (const std::string_view arg : SplitOutside(inner, ',')) {
                args.push_back(Unquote(arg));
            }
        }
    }
    using Kind = WebMacro::Kind;
    auto withFile = [&](Kind kind) -> std::optional<WebMacro> {
        if (args.size() < 2) {
            return std::nullopt;
        }
        return WebMacro{kind, args[1], OwnFile(args[0])};
    };
    if (name == "jumpid" || name == "ji") {
        return withFile(Kind::Jump);
    }
    if (name == "popupid" || name == "pi") {
        return withFile(Kind::Popup);
    }
    if (name == "jumpcontents" || name == "jc" || name == "contents") {
        return WebMacro{Kind::Contents, {}, {}};
    }
    if (name == "search" || name == "finder" || name == "ft") {
        return WebMacro{Kind::Search, {}, {}};
    }
    if (name == "back" || name == "history") {
        return WebMacro{Kind::Back, {}, {}};
    }
    if ((name == "klink" || name == "kl" || name == "alink" || name == "al") && !args.empty()) {
        // The first of the keywords ("a;b") is where the index opens.
        std::string keyword = args[0].substr(0, args[0].find(';'));
        return WebMacro{Kind::Keyword, std::string(TrimBlanksAndTabs(keyword)), {}};
    }
    if ((name == "jumpkeyword" || name == "jk") && args.size() >= 2) {
        return WebMacro{Kind::Keyword, args[1], OwnFile(args[0])};
    }
    if (name == "helponhelp" || name == "index") {
        return WebMacro{Kind::Index, {}, {}};
    }
    return std::nullopt;
}

// Macros that only arrange the help window, which a browser does itself.
bool IsWindowOnly(std::string_view text) {
    const std::string name = Lower(TrimBlanksAndTabs(text.substr(0, text.find('('))));
    return name == "positionwindow" || name == "pw" || name == "focuswindow" ||
           name == "closewindow" || name == "cw" || name == "closesecondarys" || name == "cs" ||
           name == "setontop" || name == "helponttop" || name == "noshow" || name == "ns";
}

}  // namespace

std::optional<WebMacro> WebMacroOf(std::string_view macro) {
    std::optional<WebMacro> found;
    for (const std::string_view part : SplitOutside(macro, ';')) {
        if (TrimBlanksAndTabs(part).empty() || IsWindowOnly(part)) {
            continue;
        }
        auto one = OneMacro(part);
        if (!one || found) {
            return std::nullopt;
        }
        found = std::move(one);
    }
    return found;
}

}  // namespace scrivlet::help::html
