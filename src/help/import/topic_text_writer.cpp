#include "help/import/topic_text_writer.h"

#include <algorithm>

#include "core/markup/markup_codes.h"

namespace scrivlet::help {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kCodeRed = 0x0000FF;  // red in the low byte, the codes' colour

const char* FamilyWord(const std::string& family) {
    static constexpr const char* kFamilies[] = {"swiss", "roman", "modern", "script",
                                                "decor", "tech",  "nil"};
    for (const char* known : kFamilies) {
        if (family == known) {
            return known;
        }
    }
    return "nil";
}

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The build reads a code's target up to ">" or "]" and a window name as
// letters and digits; anything else cannot travel inside a code.
bool FitsLinkCode(std::string_view target, std::string_view window) {
    if (target.empty() || target.find_first_of(">]\r\n") != std::string_view::npos) {
        return false;
    }
    return std::all_of(window.begin(), window.end(), IsAsciiAlnum);
}

// The topic's own tables: an entry's position is its number in the text.
class TopicTables {
public:
    int FontNumber(int helpFont) {
        const auto at = std::find(fonts_.begin(), fonts_.end(), helpFont);
        if (at != fonts_.end()) {
            return static_cast<int>(at - fonts_.begin());
        }
        fonts_.push_back(helpFont);
        return static_cast<int>(fonts_.size()) - 1;
    }
    int ColorNumber(uint32_t rgb) {
        const auto at = std::find(colors_.begin(), colors_.end(), rgb);
        if (at != colors_.end()) {
            return static_cast<int>(at - colors_.begin());
        }
        colors_.push_back(rgb);
        return static_cast<int>(colors_.size()) - 1;
    }
    std::string FontLine(const HelpFile& help) const {
        std::string line = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            const int index = fonts_[i];
            Font font{"Arial", "swiss", 0};
            if (index >= 0 && static_cast<std::size_t>(index) < help.fonts.size()) {
                font = help.fonts[static_cast<std::size_t>(index)];
            }
            line += "{\\f" + std::to_string(i) + "\\f" + FamilyWord(font.family);
            if (font.charset != 0) {
                line += "\\fcharset" + std::to_string(font.charset);
            }
            line += " " + EscapeTopicText(font.name) + ";}";
        }
        return line + "}";
    }
    std::string ColorLine() const {
        std::string line = "{\\colortbl";
        for (const uint32_t rgb : colors_) {
            line += "\\red" + std::to_string(rgb & 0xFF) + "\\green" +
                    std::to_string((rgb >> 8) & 0xFF) + "\\blue" +
                    std::to_string((rgb >> 16) & 0xFF) + ";";
        }
        return line + "}";
    }

private:
    std::vector<int> fonts_;
    std::vector<uint32_t> colors_;
};

class Writer {
public:
    Writer(const HelpFile& help, const Topic& topic, const TopicTextContext& context)
        : help_(help), topic_(topic), context_(context) {
        tables_.ColorNumber(kBlack);
    }

    TopicText Write() {
        const std::vector<Paragraph>& paragraphs = topic_.paragraphs;
        std::size_t region = 0;  // the leading keep-with-next paragraphs
        while (region < paragraphs.size() && paragraphs[region].format.keepNext) {
            ++region;
        }
        bool laterKeepn = false;
        for (std::size_t i = region; i < paragraphs.size(); ++i) {
            laterKeepn = laterKeepn || paragraphs[i].format.keepNext;
        }
        if (laterKeepn) {
            result_.notCarried.push_back(
                "a keep-with-next paragraph after the scrolling text starts (it scrolls now)");
        }
        std::string line = "\\deflang" + std::to_string(context_.lcid == 0 ? 1033 : context_.lcid);
        for (std::size_t i = 0; i < paragraphs.size(); ++i) {
            const Paragraph& paragraph = paragraphs[i];
            current_.clear();
            if (paragraph.format.inTable &&
                (i == 0 || !paragraphs[i - 1].format.inTable || paragraphs[i - 1].format.rowEnd)) {
                line += RowDefinition(paragraphs, i);
            }
            line += ParagraphWords(paragraph.format, i > 0 && i < region);
            WriteAnchors(line, static_cast<int>(i));
            WriteRuns(line, paragraph);
            if (region > 0 && i == region - 1) {
                line += CodeRun(CharFormat{}, kKeepnCode, 16);
            }
            lines_.push_back(std::move(line));
            line = EndOf(paragraph.format);
        }
        if (paragraphs.empty()) {
            line =
                "\\deflang" + std::to_string(context_.lcid == 0 ? 1033 : context_.lcid) + "\\pard";
            WriteAnchors(line, 0);
            lines_.push_back(std::move(line));
            line = "\\par ";
        }
        line += "}";
        lines_.push_back(std::move(line));

        tables_.FontNumber(0);  // a table with no font would not open
        result_.lines.reserve(lines_.size() + 2);
        result_.lines.push_back(tables_.FontLine(help_));
        result_.lines.push_back(tables_.ColorLine());
        for (std::string& text : lines_) {
            result_.lines.push_back(std::move(text));
        }
        return std::move(result_);
    }

private:
    std::string RowDefinition(const std::vector<Paragraph>& paragraphs, std::size_t first) {
        std::size_t end = first;
        while (end + 1 < paragraphs.size() && !paragraphs[end].format.rowEnd) {
            ++end;
        }
        const ParagraphFormat& row = paragraphs[end].format;
        std::string words = "\\trowd\\trgaph" + std::to_string(row.rowGap) + "\\trleft" +
                            std::to_string(row.rowLeft);
        for (const int edge : row.cellEdges) {
            words += "\\cellx" + std::to_string(edge);
        }
        return words;
    }

    static std::string EndOf(const ParagraphFormat& format) {
        if (format.inTable && format.rowEnd) {
            return "\\cell\\row ";
        }
        if (format.inTable && format.cellEnd) {
            return "\\cell ";
        }
        return "\\par ";
    }

    static std::string ParagraphWords(const ParagraphFormat& format, bool keepn) {
        std::string words = "\\pard";
        auto add = [&words](const char* word, int value) {
            if (value != 0) {
                words += word + std::to_string(value);
            }
        };
        if (format.inTable) {
            words += "\\intbl";
        }
        if (keepn) {
            words += "\\keepn";
        }
        if (format.noWrap) {
            words += "\\keep";
        }
        switch (format.alignment) {
            case Alignment::Center:
                words += "\\qc";
                break;
            case Alignment::Right:
                words += "\\qr";
                break;
            case Alignment::Justify:
                words += "\\qj";
                break;
            case Alignment::Left:
                break;
        }
        add("\\fi", format.firstIndent);
        add("\\li", format.leftIndent);
        add("\\ri", format.rightIndent);
        add("\\sb", format.spaceBefore);
        add("\\sa", format.spaceAfter);
        add("\\sl", format.lineSpacing);
        if ((format.borders & kBorderSides) != 0) {
            static constexpr std::pair<unsigned, const char*> kSides[] = {{BorderBox, "\\box"},
                                                                          {BorderTop, "\\brdrt"},
                                                                          {BorderLeft, "\\brdrl"},
                                                                          {BorderBottom, "\\brdrb"},
                                                                          {BorderRight, "\\brdrr"}};
            for (const auto& [bit, word] : kSides) {
                if ((format.borders & bit) != 0) {
                    words += word;
                }
            }
            words += (format.borders & BorderThick) != 0
                         ? "\\brdrth"
                         : ((format.borders & BorderDouble) != 0 ? "\\brdrdb" : "\\brdrs");
            add("\\brdrw", format.borderWidth);
        }
        for (const TabStop& tab : format.tabs) {
            if (tab.kind == TabKind::Right) {
                words += "\\tqr";
            } else if (tab.kind == TabKind::Center) {
                words += "\\tqc";
            } else if (tab.kind == TabKind::Decimal) {
                words += "\\tqdec";
            }
            words += "\\tx" + std::to_string(tab.position);
        }
        return words;
    }

    std::string FormatWords(const CharFormat& format, int halfPoints, uint32_t* color) {
        std::string words = "\\plain\\f" + std::to_string(tables_.FontNumber(format.font)) +
                            "\\fs" + std::to_string(halfPoints);
        if (format.bold) {
            words += "\\b";
        }
        if (format.italic) {
            words += "\\i";
        }
        if (format.doubleUnderline) {
            words += "\\uldb";
        } else if (format.underline) {
            words += "\\ul";
        }
        if (format.strike) {
            words += "\\strike";
        }
        if (format.smallCaps) {
            words += "\\scaps";
        }
        if (format.baseline > 0) {
            words += "\\super";
        } else if (format.baseline < 0) {
            words += "\\sub";
        }
        if (color != nullptr) {
            words += "\\cf" + std::to_string(tables_.ColorNumber(*color));
        } else if (format.color >= 0 &&
                   static_cast<std::size_t>(format.color) < help_.colors.size()) {
            words += "\\cf" + std::to_string(tables_.ColorNumber(help_.colors[format.color]));
        }
        return words + " ";
    }

    void SetFormat(std::string& line, const CharFormat& format) {
        std::string words = FormatWords(format, format.halfPoints, nullptr);
        if (words != current_) {
            line += words;
            current_ = std::move(words);
        }
    }

    // A code in the editor's code colour, in the text's font without any
    // hotspot look; SIZE overrides the text's size when given.
    std::string CodeRun(CharFormat format, std::string_view code, int size = 0) {
        format.underline = format.doubleUnderline = format.strike = false;
        uint32_t red = kCodeRed;
        std::string run = FormatWords(format, size > 0 ? size : format.halfPoints, &red);
        current_.clear();
        return run + std::string(code);
    }

    void WriteAnchors(std::string& line, int paragraph) {
        const int last = static_cast<int>(topic_.paragraphs.size()) - 1;
        for (std::size_t i = 1; i < topic_.contexts.size(); ++i) {
            const ContextDefinition& anchor = topic_.contexts[i];
            const int at = std::clamp(anchor.paragraph, 0, std::max(last, 0));
            if (at == paragraph && !anchor.name.empty()) {
                CharFormat format;
                if (paragraph <= last && !topic_.paragraphs[paragraph].runs.empty()) {
                    format = topic_.paragraphs[paragraph].runs.front().format;
                }
                line += CodeRun(format, BuildAnchorCode(EscapeTopicText(anchor.name)));
            }
        }
    }

    void WriteRuns(std::string& line, const Paragraph& paragraph) {
        const std::vector<Run>& runs = paragraph.runs;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            Run run = runs[i];
            if (run.hotspot >= 0 &&
                static_cast<std::size_t>(run.hotspot) < topic_.hotspots.size()) {
                MarkHotspot(run.format, topic_.hotspots[static_cast<std::size_t>(run.hotspot)]);
            }
            switch (run.kind) {
                case RunKind::Text:
                    SetFormat(line, run.format);
                    line += EscapeTopicText(run.text);
                    break;
                case RunKind::Tab:
                    SetFormat(line, run.format);
                    line += "\\tab ";
                    break;
                case RunKind::LineBreak:
                    SetFormat(line, run.format);
                    line += "\\line ";
                    break;
                case RunKind::Bitmap:
                    SetFormat(line, run.format);
                    line += ImageCode(run);
                    break;
                case RunKind::Button:
                    SetFormat(line, run.format);
                    line += "\\{button " + EscapeTopicText(run.text) + "," +
                            EscapeTopicText(run.macro) + "\\}";
                    break;
            }
            const bool hotspotEnds =
                run.hotspot >= 0 && (i + 1 == runs.size() || runs[i + 1].hotspot != run.hotspot);
            if (hotspotEnds && static_cast<std::size_t>(run.hotspot) < topic_.hotspots.size()) {
                line +=
                    HotspotCode(topic_.hotspots[static_cast<std::size_t>(run.hotspot)], run.format);
            }
        }
    }

    // A help file keeps a hotspot's text without the marks that made it
    // one; the build needs them back to see the hotspot.
    static void MarkHotspot(CharFormat& format, const Hotspot& hotspot) {
        if (format.strike || format.underline || format.doubleUnderline) {
            return;
        }
        if (hotspot.kind == HotspotKind::Popup) {
            format.underline = true;
        } else {
            format.strike = true;
        }
    }

    std::string ImageCode(const Run& run) {
        if (run.bitmap < 0 || static_cast<std::size_t>(run.bitmap) >= topic_.bitmaps.size()) {
            return "";
        }
        const BitmapRef& bitmap = topic_.bitmaps[static_cast<std::size_t>(run.bitmap)];
        const std::string name = context_.imageName ? context_.imageName(bitmap) : bitmap.name;
        if (name.empty()) {
            result_.notCarried.push_back("the picture \"" + bitmap.name + "\"");
            return "";
        }
        if (bitmap.path.empty() && bitmap.picture < 0) {
            result_.notCarried.push_back("the picture \"" + bitmap.name +
                                         "\" (not found; its image code is kept)");
        }
        ++result_.images;
        std::string code = "\\{bm";
        code += bitmap.align == BitmapAlign::Left
                    ? "l"
                    : (bitmap.align == BitmapAlign::Right ? "r" : "c");
        if (bitmap.transparent) {
            code += "t";
        }
        return code + " " + EscapeTopicText(name) + "\\}";
    }

    std::string HotspotCode(const Hotspot& hotspot, const CharFormat& format) {
        ++result_.links;
        const std::string prefix = hotspot.noColor ? "%" : (hotspot.noUnderline ? "*" : "");
        std::string target = hotspot.target;
        if (hotspot.kind == HotspotKind::Macro) {
            target = "!" + target;
        } else if (!hotspot.file.empty()) {
            target = OtherFileTarget(target, hotspot.file);
        }
        if (!FitsLinkCode(target, hotspot.window)) {
            // The build passes hidden text through untouched, so the hotspot
            // still works; the editor shows it only as formatting.
            result_.notCarried.push_back("the hotspot target \"" + target +
                                         "\" (kept as hidden text, not as a link code)");
            std::string hidden = prefix + target;
            if (!hotspot.window.empty()) {
                hidden += ">" + hotspot.window;
            }
            current_.clear();
            return "{\\v " + EscapeTopicText(hidden) + "}";
        }
        std::optional<int32_t> number;
        if (hotspot.kind != HotspotKind::Macro && hotspot.file.empty() && context_.hrefNumber) {
            number = context_.hrefNumber(hotspot.target);
        }
        const std::string code =
            number ? BuildLinkCode(true, prefix, std::to_string(*number), hotspot.window)
                   : BuildLinkCode(false, prefix, EscapeTopicText(target), hotspot.window);
        return CodeRun(format, code);
    }

    const HelpFile& help_;
    const Topic& topic_;
    const TopicTextContext& context_;
    TopicTables tables_;
    TopicText result_;
    std::vector<std::string> lines_;
    std::string current_;
};

}  // namespace

std::string EscapeTopicText(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (byte > 127) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else if (byte >= 32) {
            out += c;
        }
    }
    return out;
}

TopicText WriteTopicText(const HelpFile& help, const Topic& topic,
                         const TopicTextContext& context) {
    return Writer(help, topic, context).Write();
}

}  // namespace scrivlet::help
