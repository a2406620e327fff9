#include "help/paragraph_pack.h"

#include <cstdint>
#include <stdexcept>

namespace scrivlet::help {
namespace {

// Numbers as 7-bit groups, lowest first; signed ones folded so that small
// negative numbers stay short.
void PutNumber(std::string& out, uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

void PutSigned(std::string& out, int value) {
    const int64_t wide = value;
    PutNumber(out, (static_cast<uint64_t>(wide) << 1) ^ static_cast<uint64_t>(wide >> 63));
}

void PutText(std::string& out, const std::string& text) {
    PutNumber(out, text.size());
    out += text;
}

void PutCharFormat(std::string& out, const CharFormat& format) {
    PutSigned(out, format.font);
    PutSigned(out, format.halfPoints);
    PutSigned(out, format.color);
    PutSigned(out, format.baseline);
    PutNumber(out, (format.bold ? 1u : 0u) | (format.italic ? 2u : 0u) |
                       (format.underline ? 4u : 0u) | (format.doubleUnderline ? 8u : 0u) |
                       (format.strike ? 16u : 0u) | (format.smallCaps ? 32u : 0u));
}

void PutParagraphFormat(std::string& out, const ParagraphFormat& format) {
    PutNumber(out, static_cast<unsigned>(format.alignment));
    for (const int length : {format.leftIndent, format.rightIndent, format.firstIndent,
                             format.spaceBefore, format.spaceAfter, format.lineSpacing,
                             format.rowGap, format.rowLeft, format.borderWidth}) {
        PutSigned(out, length);
    }
    PutNumber(out, (format.keepNext ? 1u : 0u) | (format.noWrap ? 2u : 0u) |
                       (format.inTable ? 4u : 0u) | (format.cellEnd ? 8u : 0u) |
                       (format.rowEnd ? 16u : 0u));
    PutNumber(out, format.borders);
    PutNumber(out, format.cellEdges.size());
    for (const int edge : format.cellEdges) {
        PutSigned(out, edge);
    }
    PutNumber(out, format.tabs.size());
    for (const TabStop& tab : format.tabs) {
        PutSigned(out, tab.position);
        PutNumber(out, static_cast<unsigned>(tab.kind));
    }
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return at_ == bytes_.size(); }

    uint64_t Number() {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (at_ >= bytes_.size()) {
                Fail();
            }
            const auto byte = static_cast<unsigned char>(bytes_[at_++]);
            value |= static_cast<uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) {
                return value;
            }
        }
        Fail();
    }

    // A count of items that take at least a byte each.
    std::size_t Count() {
        const uint64_t count = Number();
        if (count > bytes_.size() - at_) {
            Fail();
        }
        return static_cast<std::size_t>(count);
    }

    int Signed() {
        const uint64_t folded = Number();
        const auto value = static_cast<int64_t>(folded >> 1) ^ -static_cast<int64_t>(folded & 1);
        return static_cast<int>(value);
    }

    unsigned Small(unsigned most) {
        const uint64_t value = Number();
        if (value > most) {
            Fail();
        }
        return static_cast<unsigned>(value);
    }

    std::string Text() {
        const std::size_t size = Count();
        std::string text(bytes_.substr(at_, size));
        at_ += size;
        return text;
    }

    CharFormat Chars() {
        CharFormat format;
        format.font = Signed();
        format.halfPoints = Signed();
        format.color = Signed();
        format.baseline = Signed();
        const unsigned flags = Small(63);
        format.bold = (flags & 1) != 0;
        format.italic = (flags & 2) != 0;
        format.underline = (flags & 4) != 0;
        format.doubleUnderline = (flags & 8) != 0;
        format.strike = (flags & 16) != 0;
        format.smallCaps = (flags & 32) != 0;
        return format;
    }

    ParagraphFormat ParagraphLayout() {
        ParagraphFormat format;
        format.alignment = static_cast<Alignment>(Small(static_cast<unsigned>(Alignment::Justify)));
        for (int* length : {&format.leftIndent, &format.rightIndent, &format.firstIndent,
                            &format.spaceBefore, &format.spaceAfter, &format.lineSpacing,
                            &format.rowGap, &format.rowLeft, &format.borderWidth}) {
            *length = Signed();
        }
        const unsigned flags = Small(31);
        format.keepNext = (flags & 1) != 0;
        format.noWrap = (flags & 2) != 0;
        format.inTable = (flags & 4) != 0;
        format.cellEnd = (flags & 8) != 0;
        format.rowEnd = (flags & 16) != 0;
        format.borders = Small(0xFF);
        format.cellEdges.resize(Count());
        for (int& edge : format.cellEdges) {
            edge = Signed();
        }
        format.tabs.resize(Count());
        for (TabStop& tab : format.tabs) {
            tab.position = Signed();
            tab.kind = static_cast<TabKind>(Small(static_cast<unsigned>(TabKind::Decimal)));
        }
        return format;
    }

private:
    [[noreturn]] static void Fail() { throw std::invalid_argument("the packed text is damaged"); }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::string PackTopicText(const std::vector<Paragraph>& paragraphs,
                          const std::vector<Hotspot>& hotspots) {
    std::string out;
    PutNumber(out, paragraphs.size());
    for (const Paragraph& paragraph : paragraphs) {
        PutParagraphFormat(out, paragraph.format);
        PutCharFormat(out, paragraph.mark);
        PutNumber(out, paragraph.runs.size());
        for (const Run& run : paragraph.runs) {
            PutNumber(out, static_cast<unsigned>(run.kind));
            PutCharFormat(out, run.format);
            PutText(out, run.text);
            PutSigned(out, run.hotspot);
            PutSigned(out, run.bitmap);
            PutText(out, run.macro);
        }
    }
    PutNumber(out, hotspots.size());
    for (const Hotspot& hotspot : hotspots) {
        PutNumber(out, static_cast<unsigned>(hotspot.kind));
        PutText(out, hotspot.target);
        PutText(out, hotspot.window);
        PutText(out, hotspot.file);
        PutNumber(out, (hotspot.noColor ? 1u : 0u) | (hotspot.noUnderline ? 2u : 0u));
        PutNumber(out, hotspot.targetHash);
    }
    out.shrink_to_fit();
    return out;
}

TopicText UnpackTopicText(std::string_view packed) {
    Reader in(packed);
    TopicText text;
    text.paragraphs.resize(in.Count());
    for (Paragraph& paragraph : text.paragraphs) {
        paragraph.format = in.ParagraphLayout();
        paragraph.mark = in.Chars();
        paragraph.runs.resize(in.Count());
        for (Run& run : paragraph.runs) {
            run.kind = static_cast<RunKind>(in.Small(static_cast<unsigned>(RunKind::Button)));
            run.format = in.Chars();
            run.text = in.Text();
            run.hotspot = in.Signed();
            run.bitmap = in.Signed();
            run.macro = in.Text();
        }
    }
    text.hotspots.resize(in.Count());
    for (Hotspot& hotspot : text.hotspots) {
        hotspot.kind =
            static_cast<HotspotKind>(in.Small(static_cast<unsigned>(HotspotKind::Macro)));
        hotspot.target = in.Text();
        hotspot.window = in.Text();
        hotspot.file = in.Text();
        const unsigned flags = in.Small(3);
        hotspot.noColor = (flags & 1) != 0;
        hotspot.noUnderline = (flags & 2) != 0;
        hotspot.targetHash = in.Small(0xFFFFFFFF);
    }
    if (!in.AtEnd()) {
        throw std::invalid_argument("the packed text is damaged");
    }
    return text;
}

std::size_t PackedParagraphCount(std::string_view packed) {
    return Reader(packed).Count();
}

TopicText TextOf(const Topic& topic) {
    return topic.packedText.empty() ? TopicText{topic.paragraphs, topic.hotspots}
                                    : UnpackTopicText(topic.packedText);
}

}  // namespace scrivlet::help
