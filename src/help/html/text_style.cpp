#include "help/html/text_style.h"

#include <cstdio>
#include <map>
#include <utility>

namespace scrivlet::help::html {
namespace {

const char* GenericFamily(const std::string& family) {
    if (family == "roman") {
        return "serif";
    }
    if (family == "modern") {
        return "monospace";
    }
    if (family == "script") {
        return "cursive";
    }
    if (family == "decor") {
        return "fantasy";
    }
    return "sans-serif";
}

std::string FontFamily(const Font& font) {
    std::string name;
    for (const char c : font.name) {
        // A name goes in single quotes inside a double-quoted attribute.
        if (c != '\'' && c != '"' && c != '\\' && c != '<' && c != '&' &&
            static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x80) {
            name += c;
        }
    }
    const char* generic = GenericFamily(font.family);
    return name.empty() ? generic : "'" + name + "'," + generic;
}

std::string Border(unsigned borders, int width) {
    const char* line = (borders & BorderDouble) ? "double" : "solid";
    const int px = (borders & BorderDouble) ? 3 : (borders & BorderThick) ? 2 : 1;
    const std::string value =
        std::to_string(width > 15 ? std::max(px, width / 15) : px) + "px " + line;
    if (borders & BorderBox) {
        return "border:" + value + ";padding:2px;";
    }
    std::string style;
    for (auto [bit, side] : {std::pair{BorderTop, "top"}, std::pair{BorderLeft, "left"},
                             std::pair{BorderBottom, "bottom"}, std::pair{BorderRight, "right"}}) {
        if (borders & bit) {
            style += std::string("border-") + side + ":" + value + ";";
        }
    }
    return style;
}

}  // namespace

BaseFormat MostCommonFormat(const HelpFile& help) {
    std::map<std::pair<int, int>, std::size_t> counts;
    for (const Topic& topic : help.topics) {
        for (const Paragraph& paragraph : topic.paragraphs) {
            for (const Run& run : paragraph.runs) {
                counts[{run.format.font, run.format.halfPoints}] += run.text.size();
            }
        }
    }
    BaseFormat base;
    std::size_t best = 0;
    for (const auto& [key, count] : counts) {
        if (count > best) {
            best = count;
            base.font = key.first;
            base.halfPoints = key.second;
        }
    }
    return base;
}

std::string Pixels(int twips) {
    return std::to_string(twips / 15) + "px";
}

std::string CssColor(uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb & 0xFF, (rgb >> 8) & 0xFF,
                  (rgb >> 16) & 0xFF);
    return text;
}

RunTags TagsFor(const CharFormat& format, const HelpFile& help, const BaseFormat& base,
                bool hotspot) {
    RunTags tags;
    std::string style;
    if (format.font != base.font && format.font >= 0 &&
        static_cast<std::size_t>(format.font) < help.fonts.size()) {
        style +=
            "font-family:" + FontFamily(help.fonts[static_cast<std::size_t>(format.font)]) + ";";
    }
    if (format.halfPoints != base.halfPoints && base.halfPoints > 0 && format.halfPoints > 0) {
        const int percent = format.halfPoints * 100 / base.halfPoints;
        style += "font-size:" + std::to_string(percent) + "%;";
    }
    if (!hotspot && format.color >= 0 &&
        static_cast<std::size_t>(format.color) < help.colors.size()) {
        const uint32_t rgb = help.colors[static_cast<std::size_t>(format.color)] & 0xFFFFFF;
        if (rgb != 0) {
            style += "color:" + CssColor(rgb) + ";";
        }
    }
    if (format.smallCaps) {
        style += "font-variant:small-caps;";
    }
    if (!hotspot && format.doubleUnderline) {
        style += "text-decoration:underline double;";
    }
    std::string close;
    auto wrap = [&](const char* tag) {
        tags.open += std::string("<") + tag + ">";
        close = std::string("</") + tag + ">" + close;
    };
    if (!style.empty()) {
        style.pop_back();
        tags.open += "<span style=\"" + style + "\">";
        close = "</span>";
    }
    if (format.bold) {
        wrap("b");
    }
    if (format.italic) {
        wrap("i");
    }
    if (!hotspot && format.underline) {
        wrap("u");
    }
    if (!hotspot && format.strike) {
        wrap("s");
    }
    if (format.baseline > 0) {
        wrap("sup");
    } else if (format.baseline < 0) {
        wrap("sub");
    }
    tags.close = close;
    return tags;
}

std::string ParagraphStyle(const ParagraphFormat& format) {
    std::string style;
    switch (format.alignment) {
        case Alignment::Center:
            style += "text-align:center;";
            break;
        case Alignment::Right:
            style += "text-align:right;";
            break;
        case Alignment::Justify:
            style += "text-align:justify;";
            break;
        case Alignment::Left:
            break;
    }
    if (format.leftIndent > 0) {
        style += "margin-left:" + Pixels(format.leftIndent) + ";";
    }
    if (format.rightIndent > 0) {
        style += "margin-right:" + Pixels(format.rightIndent) + ";";
    }
    if (format.firstIndent != 0) {
        style += "text-indent:" + Pixels(format.firstIndent) + ";";
    }
    if (format.spaceBefore > 0) {
        style += "margin-top:" + Pixels(format.spaceBefore) + ";";
    }
    if (format.spaceAfter > 0) {
        style += "margin-bottom:" + Pixels(format.spaceAfter) + ";";
    }
    if (format.lineSpacing != 0) {
        // Positive: at least that much; negative: exactly.
        const int twips = format.lineSpacing < 0 ? -format.lineSpacing : format.lineSpacing;
        style += "line-height:" + Pixels(twips) + ";";
    }
    if (format.noWrap) {
        style += "white-space:nowrap;";
    }
    if ((format.borders & kBorderSides) != 0) {
        style += Border(format.borders, format.borderWidth);
    }
    if (!style.empty()) {
        style.pop_back();
    }
    return style;
}

}  // namespace scrivlet::help::html
