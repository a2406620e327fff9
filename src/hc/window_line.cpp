#include "hc/window_line.h"

#include <vector>

#include "core/util/convert.h"

namespace scrivlet::hc {
namespace {

// Splits at commas that are neither quoted nor inside parentheses.
std::vector<std::string_view> TopLevelFields(std::string_view text, std::string& fault) {
    std::vector<std::string_view> fields;
    int depth = 0;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '(') {
            ++depth;
        } else if (!quoted && c == ')') {
            --depth;
            if (depth < 0) {
                fault = "\")\" without \"(\"";
                return fields;
            }
        } else if (!quoted && depth == 0 && c == ',') {
            fields.push_back(TrimBlanksAndTabs(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    if (quoted) {
        fault = "the caption's closing quotation mark is missing";
    } else if (depth != 0) {
        fault = "\")\" is missing";
    }
    fields.push_back(TrimBlanksAndTabs(text.substr(start)));
    return fields;
}

bool ReadNumber(std::string_view text, std::optional<int32_t>& out) {
    text = TrimBlanksAndTabs(text);
    if (text.empty()) {
        out.reset();
        return true;
    }
    const auto value = TryStrToInt(text);
    if (!value) {
        return false;
    }
    out = *value;
    return true;
}

// "(r16777215)", "r16777215" or "(255,255,255)".
bool ReadColor(std::string_view text, std::optional<uint32_t>& out) {
    text = TrimBlanksAndTabs(text);
    if (text.empty()) {
        out.reset();
        return true;
    }
    if (text.front() == '(') {
        if (text.back() != ')') {
            return false;
        }
        text = TrimBlanksAndTabs(text.substr(1, text.size() - 2));
    }
    if (!text.empty() && (text.front() == 'r' || text.front() == 'R')) {
        const auto value = TryStrToInt(text.substr(1));
        if (!value || *value < 0 || *value > 0xFFFFFF) {
            return false;
        }
        out = static_cast<uint32_t>(*value);
        return true;
    }
    uint32_t rgb = 0;
    int count = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            comma = text.size();
        }
        const auto part = TryStrToInt(TrimBlanksAndTabs(text.substr(start, comma - start)));
        if (!part || *part < 0 || *part > 255 || count == 3) {
            return false;
        }
        rgb |= static_cast<uint32_t>(*part) << (8 * count);
        ++count;
        start = comma + 1;
    }
    if (count != 3) {
        return false;
    }
    out = rgb;
    return true;
}

}  // namespace

std::string ReadWindowFields(std::string_view definition, WindowDefinition& window) {
    std::string fault;
    const std::vector<std::string_view> fields = TopLevelFields(definition, fault);
    if (!fault.empty()) {
        return fault;
    }
    if (fields.size() > 6) {
        return "it has more than six fields";
    }
    std::string_view caption = fields[0];
    if (!caption.empty() && caption.front() == '"') {
        if (caption.size() < 2 || caption.back() != '"') {
            return "the caption's closing quotation mark is missing";
        }
        caption = caption.substr(1, caption.size() - 2);
    }
    window.caption = std::string(caption);
    if (fields.size() > 1 && !fields[1].empty()) {
        std::string_view pos = fields[1];
        if (pos.front() != '(' || pos.back() != ')') {
            return "the position is not in parentheses";
        }
        pos = pos.substr(1, pos.size() - 2);
        std::optional<int32_t>* parts[4] = {&window.x, &window.y, &window.width, &window.height};
        std::size_t start = 0;
        for (int i = 0; i < 4; ++i) {
            std::size_t comma = pos.find(',', start);
            if ((comma == std::string_view::npos) != (i == 3)) {
                return "the position does not hold four numbers";
            }
            if (comma == std::string_view::npos) {
                comma = pos.size();
            }
            if (!ReadNumber(pos.substr(start, comma - start), *parts[i])) {
                return "the position holds something that is not a number";
            }
            start = comma + 1;
        }
    }
    if (fields.size() > 2) {
        std::optional<int32_t> state;
        if (!ReadNumber(fields[2], state)) {
            return "the window state is not a number";
        }
        if (state) {
            window.buttons = static_cast<uint32_t>(*state);
        }
    }
    if (fields.size() > 3 && !ReadColor(fields[3], window.scrollColor)) {
        return "the scrolling colour is not a colour";
    }
    if (fields.size() > 4 && !ReadColor(fields[4], window.fixedColor)) {
        return "the non-scrolling colour is not a colour";
    }
    if (fields.size() > 5) {
        // "f3": window flags, of which the lowest keeps the window on top.
        std::string_view last = fields[5];
        const bool flags = !last.empty() && (last.front() == 'f' || last.front() == 'F');
        if (flags) {
            last.remove_prefix(1);
        }
        if (!ReadNumber(last, window.onTop)) {
            return "the on-top field is not a number";
        }
        if (flags && window.onTop) {
            window.onTop = *window.onTop & 1;
        }
    }
    return {};
}

}  // namespace scrivlet::hc
