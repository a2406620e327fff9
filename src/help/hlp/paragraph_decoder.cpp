#include "help/hlp/paragraph_decoder.h"

#include <algorithm>
#include <cstdio>

#include "help/hlp/byte_cursor.h"
#include "help/hlp/topic_stream.h"

namespace scrivlet::help::hlp {
namespace {

enum Command : unsigned {
    kFieldCode = 0x20,
    kFieldType = 0x21,
    kFont = 0x80,
    kLineBreak = 0x81,
    kParagraphEnd = 0x82,
    kTab = 0x83,
    kPictureCharacter = 0x86,
    kPictureLeft = 0x87,
    kPictureRight = 0x88,
    kHotspotEnd = 0x89,
    kNoBreakSpace = 0x8B,
    kNoBreakHyphen = 0x8C,
    kMacro = 0xC8,
    kMacroNoColor = 0xCC,
    kPopupOffset = 0xE0,
    kJumpOffset = 0xE1,
    kPopup = 0xE2,
    kJump = 0xE3,
    kPopupNoColor = 0xE6,
    kJumpNoColor = 0xE7,
    kPopupFar = 0xEA,
    kJumpFar = 0xEB,
    kPopupFarNoColor = 0xEE,
    kJumpFarNoColor = 0xEF,
    kEnd = 0xFF,
};

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

// Lengths are stored in units of ten twips.
int Twips(int units) {
    return units * 10;
}

ParagraphFormat ReadSettings(ByteCursor& in) {
    ParagraphFormat f;
    in.Skip(4);
    const unsigned bits = in.Word();
    if (bits & 0x0001)
        in.CompressedLong();
    if (bits & 0x0002)
        f.spaceBefore = Twips(in.CompressedShort());
    if (bits & 0x0004)
        f.spaceAfter = Twips(in.CompressedShort());
    if (bits & 0x0008)
        f.lineSpacing = Twips(in.CompressedShort());
    if (bits & 0x0010)
        f.leftIndent = Twips(in.CompressedShort());
    if (bits & 0x0020)
        f.rightIndent = Twips(in.CompressedShort());
    if (bits & 0x0040)
        f.firstIndent = Twips(in.CompressedShort());
    if (bits & 0x0100) {
        f.borders = in.Byte() & 0x7F;
        f.borderWidth = Twips(static_cast<int16_t>(static_cast<uint16_t>(in.Word())));
    }
    if (bits & 0x0200) {
        const int count = in.CompressedShort();
        for (int i = 0; i < count; ++i) {
            const unsigned stop = in.CompressedUShort();
            TabStop tab;
            tab.position = Twips(static_cast<int>(stop & 0x3FFF));
            if (stop & 0x4000) {
                const unsigned kind = in.CompressedUShort();
                tab.kind = kind == 1 ? TabKind::Right : kind == 2 ? TabKind::Center : TabKind::Left;
            }
            f.tabs.push_back(tab);
        }
        // WinHelp stops the first tab of a hanging paragraph at its left
        // indent by itself; a stop written there says nothing more.
        if (f.firstIndent < 0 && f.leftIndent > 0) {
            const auto at = std::find(f.tabs.begin(), f.tabs.end(), TabStop{f.leftIndent});
            if (at != f.tabs.end()) {
                f.tabs.erase(at);
            }
        }
    }
    if (bits & 0x0400)
        f.alignment = Alignment::Right;
    if (bits & 0x0800)
        f.alignment = Alignment::Center;
    f.noWrap = (bits & 0x1000) != 0;
    return f;
}

// Builds the runs of one record's paragraphs from its text pieces and
// commands.
class RunBuilder {
public:
    RunBuilder(std::string_view text, const ParagraphContext& context, Topic& topic)
        : text_(text), context_(context), topic_(topic) {}

    void Start(const ParagraphFormat& format) {
        topic_.paragraphs.push_back(Paragraph{format, {}});
        ++added_;
        open_ = true;
    }

    // The commands of one paragraph, up to its end mark.
    void Commands(ByteCursor& in) {
        for (;;) {
            Text(NextPiece());
            if (in.AtEnd()) {
                return;
            }
            const unsigned command = in.Byte();
            if (command == kEnd) {
                return;
            }
            Do(command, in);
        }
    }

    std::size_t Added() const { return added_; }

private:
    std::string_view NextPiece() {
        if (textAt_ >= text_.size()) {
            return {};
        }
        const std::size_t end = std::min(text_.find('\0', textAt_), text_.size());
        const std::string_view piece = text_.substr(textAt_, end - textAt_);
        textAt_ = end + 1;
        return piece;
    }

    Paragraph& Current() {
        if (!open_) {
            // Text after a paragraph's end starts another with its settings.
            Start(topic_.paragraphs.back().format);
        }
        return topic_.paragraphs.back();
    }

    void Text(std::string_view text) {
        if (text.empty()) {
            return;
        }
        Paragraph& p = Current();
        if (!p.runs.empty()) {
            Run& last = p.runs.back();
            if (last.kind == RunKind::Text && last.hotspot == hotspot_ && last.format == format_) {
                last.text.append(text);
                return;
            }
        }
        Add(RunKind::Text).text = std::string(text);
    }

    Run& Add(RunKind kind) {
        Run run;
        run.kind = kind;
        run.format = format_;
        run.hotspot = hotspot_;
        Paragraph& p = Current();
        p.runs.push_back(std::move(run));
        return p.runs.back();
    }

    void OpenHotspot(Hotspot hotspot) {
        topic_.hotspots.push_back(std::move(hotspot));
        hotspot_ = static_cast<int>(topic_.hotspots.size() - 1);
    }

    void Picture(unsigned command, ByteCursor& in) {
        const unsigned type = in.Byte();
        const int32_t size = in.CompressedLong();
        if (type == 0x22) {
            in.CompressedUShort();  // hotspots in the picture
        }
        if (size < 0) {
            in.Fail("has a picture of negative size");
        }
        ByteCursor picture(in.Take(static_cast<std::size_t>(size)), "a picture reference");
        if (type != 0x03 && type != 0x22) {
            return;  // an embedded window, which this viewer does not run
        }
        const unsigned embedded = picture.Word();
        const unsigned number = picture.Word();
        if (embedded != 0) {
            return;  // picture data kept in the record, a form help files do not use
        }
        BitmapRef ref;
        ref.align = command == kPictureLeft    ? BitmapAlign::Left
                    : command == kPictureRight ? BitmapAlign::Right
                                               : BitmapAlign::Character;
        ref.name = "bm" + std::to_string(number);
        topic_.bitmaps.push_back(ref);
        Add(RunKind::Bitmap).bitmap = static_cast<int>(topic_.bitmaps.size() - 1);
    }

    void FarHotspot(unsigned command, ByteCursor& in) {
        const unsigned size = in.Word();
        ByteCursor far(in.Take(size), "a jump to another file or window");
        Hotspot h;
        h.kind = (command & 1) ? HotspotKind::Jump : HotspotKind::Popup;
        h.noColor = command == kPopupFarNoColor || command == kJumpFarNoColor;
        const unsigned type = far.Byte();
        h.targetHash = far.Dword();
        if (type == 1) {
            const unsigned window = far.Byte();
            if (window < context_.windows.size()) {
                h.window = context_.windows[window].name;
            }
        } else if (type == 4) {
            h.file = std::string(far.CString());
        } else if (type == 6) {
            h.window = std::string(far.CString());
            h.file = std::string(far.CString());
        }
        OpenHotspot(std::move(h));
    }

    void Do(unsigned command, ByteCursor& in) {
        switch (command) {
            case kFieldCode:
                in.Dword();
                break;
            case kFieldType:
                in.Word();
                break;
            case kFont: {
                const unsigned font = in.Word();
                format_ = font < context_.fonts.size() ? context_.fonts[font] : CharFormat{};
                break;
            }
            case kLineBreak:
                Add(RunKind::LineBreak);
                break;
            case kParagraphEnd:
                Current();
                open_ = false;
                break;
            case kTab:
                Add(RunKind::Tab);
                break;
            case kPictureCharacter:
            case kPictureLeft:
            case kPictureRight:
                Picture(command, in);
                break;
            case kHotspotEnd:
                hotspot_ = -1;
                break;
            case kNoBreakSpace:
                Text("\xA0");
                break;
            case kNoBreakHyphen:
                Text("-");
                break;
            case kMacro:
            case kMacroNoColor: {
                const unsigned size = in.Word();
                Hotspot h;
                h.kind = HotspotKind::Macro;
                h.noColor = command == kMacroNoColor;
                ByteCursor macro(in.Take(size), "a macro hotspot");
                h.target = std::string(macro.CString());
                OpenHotspot(std::move(h));
                break;
            }
            case kPopupOffset:
            case kJumpOffset:
            case kPopup:
            case kJump:
            case kPopupNoColor:
            case kJumpNoColor: {
                Hotspot h;
                h.kind = (command & 1) ? HotspotKind::Jump : HotspotKind::Popup;
                h.noColor = command == kPopupNoColor || command == kJumpNoColor;
                h.targetHash = in.Dword();
                OpenHotspot(std::move(h));
                break;
            }
            case kPopupFar:
            case kJumpFar:
            case kPopupFarNoColor:
            case kJumpFarNoColor:
                FarHotspot(command, in);
                break;
            default:
                in.Fail("has the unknown formatting command " + Hex(command));
        }
    }

    std::string_view text_;
    std::size_t textAt_ = 0;
    const ParagraphContext& context_;
    Topic& topic_;
    CharFormat format_;
    int hotspot_ = -1;
    bool open_ = false;
    std::size_t added_ = 0;
};

// A table row's columns as right edges, the row's left edge and the gap
// between cells, all in twips.
void ReadColumns(ByteCursor& in, unsigned columns, ParagraphFormat& row) {
    std::vector<int> widths;
    std::vector<int> gaps;
    for (unsigned c = 0; c < columns; ++c) {
        widths.push_back(static_cast<int16_t>(static_cast<uint16_t>(in.Word())));
        gaps.push_back(static_cast<int16_t>(static_cast<uint16_t>(in.Word())));
    }
    if (columns == 0) {
        return;
    }
    if (columns == 1) {
        row.cellEdges = {Twips(widths[0])};
        row.rowLeft = Twips(gaps[0]);
        return;
    }
    const int gap = gaps[1];
    const int left = gaps[0] - gap;
    int edge = widths[0] + gap / 2 + left + gap;
    row.cellEdges.push_back(Twips(edge));
    for (unsigned c = 1; c < columns; ++c) {
        edge += widths[c] + gap;
        row.cellEdges.push_back(Twips(edge));
    }
    row.rowGap = Twips(gap);
    row.rowLeft = Twips(left);
}

}  // namespace

std::size_t DecodeParagraphRecord(unsigned type, std::string_view data1, std::string_view data2,
                                  bool keepNext, const ParagraphContext& context, Topic& topic) {
    ByteCursor in(data1, "a paragraph record");
    in.CompressedLong();    // its size in the topic
    in.CompressedUShort();  // its characters
    RunBuilder runs(data2, context, topic);
    if (type != kTableRecord) {
        ParagraphFormat format = ReadSettings(in);
        format.keepNext = keepNext;
        runs.Start(format);
        runs.Commands(in);
        return runs.Added();
    }
    const unsigned columns = in.Byte();
    const unsigned tableType = in.Byte();
    if (tableType == 0 || tableType == 2) {
        in.Word();  // the table's least width
    }
    ParagraphFormat row;
    ReadColumns(in, columns, row);
    const std::size_t first = topic.paragraphs.size();
    std::vector<unsigned> cellOf;
    for (;;) {
        const unsigned column = in.Word();
        if (column == 0xFFFF) {
            break;
        }
        in.Skip(3);
        ParagraphFormat format = ReadSettings(in);
        format.keepNext = keepNext;
        format.inTable = true;
        runs.Start(format);
        runs.Commands(in);
        cellOf.resize(topic.paragraphs.size() - first, column);
    }
    const std::size_t count = topic.paragraphs.size() - first;
    for (std::size_t i = 0; i < count; ++i) {
        ParagraphFormat& f = topic.paragraphs[first + i].format;
        f.inTable = true;
        f.cellEnd = i + 1 == count || cellOf[i + 1] != cellOf[i];
    }
    if (count > 0) {
        ParagraphFormat& last = topic.paragraphs.back().format;
        last.rowEnd = true;
        last.cellEdges = row.cellEdges;
        last.rowGap = row.rowGap;
        last.rowLeft = row.rowLeft;
    }
    return runs.Added();
}

}  // namespace scrivlet::help::hlp
