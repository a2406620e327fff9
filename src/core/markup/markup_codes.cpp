#include "core/markup/markup_codes.h"

namespace scrivlet {

std::string LinkPrefix(int appearanceIndex) {
    switch (appearanceIndex) {
        case static_cast<int>(LinkAppearance::UnderlineOnly):
            return "*";
        case static_cast<int>(LinkAppearance::NoColor):
            return "%";
        default:
            return "";
    }
}

std::string BuildLinkCode(bool projectTopic, std::string_view prefix, std::string_view target,
                          std::string_view window) {
    std::string code = projectTopic ? "[href=" : "[link=";
    code += prefix;
    code += target;
    if (!window.empty()) {
        code += '>';
        code += window;
    }
    code += ']';
    return code;
}

std::string JoinMacroLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& line : lines) {
        joined += line;
        joined += ';';
    }
    return joined;
}

std::string MacroTarget(const std::vector<std::string>& lines) {
    return "!" + JoinMacroLines(lines);
}

std::string OtherFileTarget(std::string_view topic, std::string_view file) {
    std::string target(topic);
    target += '@';
    target += file;
    return target;
}

std::string BuildImageCode(ImageAlign align, bool transparent, std::string_view fileName) {
    std::string code = "{bm";
    switch (align) {
        case ImageAlign::Character:
            code += 'c';
            break;
        case ImageAlign::Right:
            code += 'r';
            break;
        case ImageAlign::Left:
        default:
            code += 'l';
            break;
    }
    if (transparent) {
        code += 't';
    }
    code += ' ';
    code += fileName;
    code += '}';
    if (code.size() > kImageCodeMax) {
        code.resize(kImageCodeMax);
    }
    return code;
}

std::string BuildButtonCode(std::string_view caption, const std::vector<std::string>& macroLines) {
    std::string code = "{button ";
    code += caption;
    code += ", ";
    code += JoinMacroLines(macroLines);
    code += '}';
    return code;
}

std::string BuildAnchorCode(std::string_view name) {
    std::string code = "[#=";
    code += name;
    code += ']';
    return code;
}

double KeepnFontSize(double pointSize) {
    return pointSize > 12 ? 8 : pointSize;
}

std::vector<std::string> SplitEditLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace scrivlet
