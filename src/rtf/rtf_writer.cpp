#include "rtf/rtf_writer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <cmath>
#include <unordered_map>

#include "core/rtf/font_family.h"
#include "core/util/cp1252.h"
#include "rtf/ansi_text.h"
#include "rtf/paragraph_format.h"

namespace scrivlet {

namespace {

struct FontEntry {
    std::string name;  // as written in the table
    std::string line;  // "{\fN\fswiss Arial;}"
};

const char* FamilyWordForHint(QFont::StyleHint hint) {
    switch (hint) {
        case QFont::SansSerif:
            return "\\fswiss";
        case QFont::Serif:
            return "\\froman";
        case QFont::TypeWriter:
        case QFont::Monospace:
            return "\\fmodern";
        case QFont::Cursive:
            return "\\fscript";
        case QFont::Decorative:
        case QFont::Fantasy:
            return "\\fdecor";
        default:
            return "\\fnil";
    }
}

void AppendHex(std::string& out, unsigned char byte) {
    static const char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

// Font names go into the table as they are; the characters that would end or
// break a font group cannot be written there at all.
std::string FontNameBytes(const QString& name) {
    std::string out;
    for (char c : ToAnsi(name)) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (c == '{' || c == '}' || c == ';' || c == '\\' || byte < 0x20) {
            continue;
        }
        if (byte > 127) {
            AppendHex(out, byte);
        } else {
            out += c;
        }
    }
    return out;
}

class TopicTextWriter {
public:
    explicit TopicTextWriter(const QTextDocument& doc) : doc_(doc), default_(doc.defaultFont()) {}

    std::vector<std::string> Write() {
        std::vector<std::string> lines;
        lines.emplace_back();  // font table, filled in last
        lines.emplace_back();  // colour table
        bool first = true;
        for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
            std::string line = first ? "\\deflang1033" : "\\par ";
            first = false;
            WriteParagraph(block, line);
            lines.push_back(std::move(line));
        }
        lines.emplace_back("\\par }");

        std::string& fonts = lines[0];
        fonts = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl";
        for (const FontEntry& font : fonts_) {
            fonts += font.line;
        }
        fonts += '}';
        std::string& colours = lines[1];
        colours = "{\\colortbl";
        for (QRgb rgb : colours_) {
            colours += "\\red" + std::to_string(qRed(rgb)) + "\\green" +
                       std::to_string(qGreen(rgb)) + "\\blue" + std::to_string(qBlue(rgb)) + ";";
        }
        colours += '}';
        return lines;
    }

private:
    void WriteParagraph(const QTextBlock& block, std::string& line) {
        QTextBlockFormat format = block.blockFormat();
        line += "\\pard";
        if (HasBullet(block)) {
            // The plain text of the bullet first, for readers that know no
            // numbering, then the numbering itself.
            line += "{\\pntext" + CharPrefix(FirstCharFormat(block), false) + "\\'95\\tab}";
            line += "{\\*\\pn\\pnlvlblt\\pnindent0{\\pntxtb\\'95}}";
        }
        Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignRight) {
            line += "\\qr";
        } else if (align & Qt::AlignHCenter) {
            line += "\\qc";
        } else if (align & Qt::AlignJustify) {
            line += "\\qj";
        }
        AppendTwips(line, "\\fi", format.textIndent());
        AppendTwips(line, "\\li", format.leftMargin());
        AppendTwips(line, "\\ri", format.rightMargin());

        std::string lastPrefix;
        bool anyText = false;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            std::string prefix = CharPrefix(fragment.charFormat(), true);
            if (prefix != lastPrefix) {
                line += prefix;
                lastPrefix = std::move(prefix);
            }
            AppendText(line, fragment.text());
            anyText = true;
        }
        if (!anyText) {
            // An empty paragraph keeps the format typing would start with.
            line += CharPrefix(block.charFormat(), true);
        }
    }

    static void AppendTwips(std::string& line, const char* word, double pixels) {
        int twips = PixelsToTwips(pixels);
        if (twips != 0) {
            line += word;
            line += std::to_string(twips);
        }
    }

    static QTextCharFormat FirstCharFormat(const QTextBlock& block) {
        QTextBlock::iterator it = block.begin();
        return it.atEnd() ? block.charFormat() : it.fragment().charFormat();
    }

    // "\plain\fN\fsM" and the character properties; with DELIMIT a closing
    // blank so that text may follow.
    std::string CharPrefix(const QTextCharFormat& format, bool delimit) {
        QFont font = format.font().resolve(default_);
        std::string out = "\\plain\\f" + std::to_string(FontIndex(font)) + "\\fs" +
                          std::to_string(HalfPoints(font));
        if (font.bold()) {
            out += "\\b";
        }
        if (font.italic()) {
            out += "\\i";
        }
        if (font.underline()) {
            out += "\\ul";
        }
        if (font.strikeOut()) {
            out += "\\strike";
        }
        if (format.foreground().style() != Qt::NoBrush) {
            QRgb rgb = format.foreground().color().rgb() & 0xFFFFFFu;
            if (rgb != 0) {
                out += "\\cf" + std::to_string(ColourIndex(rgb | 0xFF000000u));
            }
        }
        if (delimit) {
            out += ' ';
        }
        return out;
    }

    // Half points, cut toward zero as the rich-edit control does (a 15-pixel
    // font is 11.25 points and written as "\fs22").
    static int HalfPoints(const QFont& font) {
        double points = font.pointSizeF();
        if (points <= 0 && font.pixelSize() > 0) {
            points = font.pixelSize() * 0.75;
        }
        int half = static_cast<int>(points * 2 + 0.001);
        return half < 1 ? 24 : half;
    }

    // Fonts are told apart by the name as written, so that two names which
    // only differ in what the table cannot hold share one entry.
    int FontIndex(const QFont& font) {
        std::string bytes = FontNameBytes(font.family());
        if (bytes.empty()) {
            bytes = FontNameBytes(default_.family());
        }
        if (bytes.empty()) {
            bytes = "Arial";
        }
        if (auto it = fontIndex_.find(bytes); it != fontIndex_.end()) {
            return it->second;
        }
        std::string word(rtf::FamilyWordForFontName(bytes));
        if (word.empty()) {
            word = FamilyWordForHint(font.styleHint());
        }
        int index = static_cast<int>(fonts_.size());
        fontIndex_.emplace(bytes, index);
        fonts_.push_back({bytes, "{\\f" + std::to_string(index) + word + " " + bytes + ";}"});
        return index;
    }

    int ColourIndex(QRgb rgb) {
        auto [it, added] = colourIndex_.emplace(rgb, static_cast<int>(colours_.size()));
        if (added) {
            colours_.push_back(rgb);
        }
        return it->second;
    }

    static void AppendText(std::string& out, const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            char16_t c = text[i].unicode();
            switch (c) {
                case u'\\':
                    out += "\\\\";
                    continue;
                case u'{':
                    out += "\\{";
                    continue;
                case u'}':
                    out += "\\}";
                    continue;
                case u'\t':
                    out += "\\tab ";
                    continue;
                case 0x2028:  // line break within the paragraph
                    out += "\\line ";
                    continue;
                case 0x2029:
                case 0xFFFC:  // objects and frame marks have no place in topic text
                case 0xFDD0:
                case 0xFDD1:
                    continue;
                default:
                    break;
            }
            if (c < 0x20) {
                continue;
            }
            if (c < 0x80) {
                out += static_cast<char>(c);
                continue;
            }
            unsigned char byte = 0;
            if (!QChar::isSurrogate(c) && UnicodeToCp1252(c, byte) && byte >= 0x80) {
                AppendHex(out, byte);
                continue;
            }
            out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
        }
    }

    const QTextDocument& doc_;
    QFont default_;
    std::vector<FontEntry> fonts_;
    std::unordered_map<std::string, int> fontIndex_;
    std::vector<QRgb> colours_{qRgb(0, 0, 0)};
    std::unordered_map<QRgb, int> colourIndex_{{qRgb(0, 0, 0), 0}};
};

}  // namespace

std::vector<std::string> WriteTopicText(const QTextDocument& doc) {
    return TopicTextWriter(doc).Write();
}

std::string WriteRtf(const QTextDocument& doc) {
    std::string out;
    for (const std::string& line : WriteTopicText(doc)) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace scrivlet
