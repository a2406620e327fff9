#include "core/macros/macro_scan.h"

#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A name directly followed by "(" where a macro can begin: after a separator,
// an opening bracket, a comma, a quote or a blank; never inside a word or a
// path ("notes/a(b)").
bool StartsNestedCall(std::string_view text, std::size_t i) {
    if (!IsNameStart(text[i])) {
        return false;
    }
    if (i > 0) {
        const char before = text[i - 1];
        const bool boundary = IsBlank(before) || before == ';' || before == ':' || before == '(' ||
                              before == ',' || before == '"' || before == '`' || before == '\'';
        if (!boundary) {
            return false;
        }
    }
    std::size_t end = i;
    while (end < text.size() && IsNameChar(text[end])) {
        ++end;
    }
    return end < text.size() && text[end] == '(';
}

// The quoted arguments of an argument list, without their quotes.
std::vector<std::string> QuotedArguments(std::string_view args) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < args.size()) {
        const char c = args[i];
        if (c == '"' || c == '`' || c == '\'') {
            const char close = c == '"' ? '"' : '\'';
            const std::size_t end = args.find(close, i + 1);
            if (end == std::string_view::npos) {
                break;
            }
            out.emplace_back(args.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            ++i;
        }
    }
    return out;
}

}  // namespace

MacroScan ScanMacros(std::string_view text) {
    MacroScan scan;
    std::size_t i = 0;
    auto fail = [&](std::string message) {
        if (scan.fault.empty()) {
            scan.fault = std::move(message);
        }
    };
    while (i < text.size()) {
        while (i < text.size() && (IsBlank(text[i]) || text[i] == ';' || text[i] == ':')) {
            ++i;
        }
        if (i >= text.size()) {
            break;
        }
        if (!IsNameStart(text[i])) {
            fail("a macro name was expected at \"" + std::string(text.substr(i, 20)) + "\"");
            break;
        }
        const std::size_t nameStart = i;
        while (i < text.size() && IsNameChar(text[i])) {
            ++i;
        }
        MacroCall call{std::string(text.substr(nameStart, i - nameStart)), nameStart, false};
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
        if (i >= text.size() || text[i] != '(') {
            scan.calls.push_back(std::move(call));
            fail("\"(\" is missing after " + scan.calls.back().name);
            break;
        }
        // Find the matching ")" outside quotes; nested calls are collected on
        // the way.
        const std::size_t argsStart = i + 1;
        int depth = 0;
        char quote = 0;
        std::size_t argsEnd = std::string_view::npos;
        std::vector<MacroCall> nested;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (i >= argsStart && StartsNestedCall(text, i)) {
                std::size_t end = i;
                while (IsNameChar(text[end])) {
                    ++end;
                }
                nested.push_back({std::string(text.substr(i, end - i)), i, true});
            }
            if (quote != 0) {
                if (c == quote) {
                    quote = 0;
                }
                continue;
            }
            if (c == '"') {
                quote = '"';
            } else if (c == '`') {
                quote = '\'';
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                if (--depth == 0) {
                    argsEnd = i;
                    ++i;
                    break;
                }
            }
        }
        if (argsEnd == std::string_view::npos) {
            scan.calls.push_back(std::move(call));
            fail(quote != 0 ? "a quoted argument of " + scan.calls.back().name + " is not closed"
                            : "\")\" is missing after the arguments of " + scan.calls.back().name);
            break;
        }
        const std::string upper = UpperAscii(call.name);
        if (upper == "REGISTERROUTINE" || upper == "RR") {
            const auto quoted = QuotedArguments(text.substr(argsStart, argsEnd - argsStart));
            if (quoted.size() >= 2) {
                scan.registered.push_back(quoted[1]);
            }
        }
        const std::string name = call.name;
        scan.calls.push_back(std::move(call));
        for (MacroCall& n : nested) {
            scan.calls.push_back(std::move(n));
        }
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
        if (i < text.size() && text[i] != ';' && text[i] != ':') {
            fail("\";\" is missing after " + name);
            break;
        }
    }
    return scan;
}

}  // namespace scrivlet
