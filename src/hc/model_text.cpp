#include "hc/model_text.h"

namespace scrivlet::hc {
namespace {

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : "|") + items[i];
    }
    return out;
}

std::string Format(const CharFormat& f) {
    std::string out = "f" + std::to_string(f.font) + " " + std::to_string(f.halfPoints);
    if (f.color >= 0) {
        out += " c" + std::to_string(f.color);
    }
    if (f.bold) {
        out += " b";
    }
    if (f.italic) {
        out += " i";
    }
    if (f.underline) {
        out += " ul";
    }
    if (f.doubleUnderline) {
        out += " uldb";
    }
    if (f.strike) {
        out += " strike";
    }
    if (f.smallCaps) {
        out += " scaps";
    }
    if (f.baseline != 0) {
        out += f.baseline > 0 ? " super" : " sub";
    }
    return out;
}

std::string Describe(const ParagraphFormat& p) {
    static const char* const kAlign[] = {"left", "center", "right", "justify"};
    std::string out = kAlign[static_cast<int>(p.alignment)];
    auto add = [&out](const char* name, int value) {
        if (value != 0) {
            out += std::string(" ") + name + std::to_string(value);
        }
    };
    add("li", p.leftIndent);
    add("ri", p.rightIndent);
    add("fi", p.firstIndent);
    add("sb", p.spaceBefore);
    add("sa", p.spaceAfter);
    add("sl", p.lineSpacing);
    if (p.keepNext) {
        out += " keepn";
    }
    if (p.noWrap) {
        out += " keep";
    }
    if (p.inTable) {
        out += " intbl";
    }
    if (p.cellEnd) {
        out += " cell";
    }
    if (p.rowEnd) {
        out += " row gap" + std::to_string(p.rowGap) + " left" + std::to_string(p.rowLeft);
        for (int edge : p.cellEdges) {
            out += " cellx" + std::to_string(edge);
        }
    }
    static const char* const kTab[] = {"", "r", "c", "dec"};
    for (const TabStop& tab : p.tabs) {
        out += std::string(" tx") + kTab[static_cast<int>(tab.kind)] + std::to_string(tab.position);
    }
    return out;
}

std::string Describe(const Hotspot& h) {
    static const char* const kKind[] = {"jump", "popup", "macro"};
    std::string out = std::string(kKind[static_cast<int>(h.kind)]) + " " + h.target;
    if (!h.file.empty()) {
        out += " @" + h.file;
    }
    if (!h.window.empty()) {
        out += " >" + h.window;
    }
    if (h.noColor) {
        out += " %";
    }
    if (h.noUnderline) {
        out += " *";
    }
    return out;
}

}  // namespace

std::string DescribeTopic(const Topic& topic) {
    std::string out = "topic #" + std::to_string(topic.number) + " of " + topic.file + " line " +
                      std::to_string(topic.line) + "\n";
    if (topic.hasTitle) {
        out += "  $ " + topic.title + "\n";
    }
    for (const ContextDefinition& context : topic.contexts) {
        out += "  # " + context.name + " @" + std::to_string(context.paragraph) + "\n";
    }
    if (!topic.keywords.empty()) {
        out += "  K " + Join(topic.keywords) + "\n";
    }
    if (!topic.aKeywords.empty()) {
        out += "  A " + Join(topic.aKeywords) + "\n";
    }
    if (!topic.buildTags.empty()) {
        out += "  * " + Join(topic.buildTags) + "\n";
    }
    if (!topic.browse.empty()) {
        out += "  + " + topic.browse + "\n";
    }
    for (const std::string& macro : topic.entryMacros) {
        out += "  ! " + macro + "\n";
    }
    if (!topic.window.empty()) {
        out += "  > " + topic.window + "\n";
    }
    for (const Paragraph& paragraph : topic.paragraphs) {
        out += "  para " + Describe(paragraph.format) + "\n";
        for (const Run& run : paragraph.runs) {
            out += "    [" + Format(run.format);
            if (run.hotspot >= 0) {
                out += " {" + Describe(topic.hotspots[static_cast<std::size_t>(run.hotspot)]) + "}";
            }
            out += "] ";
            switch (run.kind) {
                case RunKind::Text:
                    out += "\"" + run.text + "\"";
                    break;
                case RunKind::Tab:
                    out += "TAB";
                    break;
                case RunKind::LineBreak:
                    out += "LINE";
                    break;
                case RunKind::Bitmap: {
                    const BitmapRef& bitmap = topic.bitmaps[static_cast<std::size_t>(run.bitmap)];
                    static const char* const kAlign[] = {"c", "l", "r"};
                    out += std::string("BITMAP bm") + kAlign[static_cast<int>(bitmap.align)] +
                           (bitmap.transparent ? "t " : " ") + bitmap.name +
                           (bitmap.path.empty() ? " (missing)" : "");
                    break;
                }
                case RunKind::Button:
                    out += "BUTTON \"" + run.text + "\" " + run.macro;
                    break;
            }
            out += "\n";
        }
    }
    return out;
}

}  // namespace scrivlet::hc
