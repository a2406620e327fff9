#include "hc/hlp/paragraph_record.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "hc/help_model.h"
#include "hc/hlp/bytes.h"

namespace scrivlet::hc::hlp {
namespace {

// Lengths are stored in units of ten twips (half points).
int Units(int twips) {
    return std::clamp(twips / 10, -0x3FFF, 0x3FFF);
}

// The tab stops a paragraph record lists. A hanging indent (a first line
// left of the others, as bullets have) stops the first tab at the left
// indent; WinHelp does so by itself, but viewers that lay text out as RTF
// do not, so the stop is written out.
std::vector<TabStop> TabsOf(const ParagraphFormat& f) {
    std::vector<TabStop> tabs = f.tabs;
    if (f.firstIndent < 0 && f.leftIndent > 0) {
        const auto at = std::find_if(tabs.begin(), tabs.end(), [&](const TabStop& tab) {
            return tab.position >= f.leftIndent;
        });
        if (at == tabs.end() || at->position != f.leftIndent) {
            tabs.insert(at, TabStop{f.leftIndent, TabKind::Left});
        }
    }
    return tabs;
}

std::string ParagraphSettings(const ParagraphFormat& f) {
    const std::vector<TabStop> tabs = TabsOf(f);
    std::string out;
    unsigned bits = 0;
    if (f.spaceBefore != 0)
        bits |= 0x0002;
    if (f.spaceAfter != 0)
        bits |= 0x0004;
    if (f.lineSpacing != 0)
        bits |= 0x0008;
    if (f.leftIndent != 0)
        bits |= 0x0010;
    if (f.rightIndent != 0)
        bits |= 0x0020;
    if (f.firstIndent != 0)
        bits |= 0x0040;
    const unsigned borders = f.borders & kBorderSides ? f.borders & 0x7F : 0;
    if (borders != 0)
        bits |= 0x0100;
    if (!tabs.empty())
        bits |= 0x0200;
    if (f.alignment == Alignment::Right)
        bits |= 0x0400;
    if (f.alignment == Alignment::Center)
        bits |= 0x0800;
    if (f.noWrap)
        bits |= 0x1000;
    PutDword(out, 0);
    PutWord(out, bits);
    if (bits & 0x0002)
        PutCompressedShort(out, Units(f.spaceBefore));
    if (bits & 0x0004)
        PutCompressedShort(out, Units(f.spaceAfter));
    if (bits & 0x0008)
        PutCompressedShort(out, Units(f.lineSpacing));
    if (bits & 0x0010)
        PutCompressedShort(out, Units(f.leftIndent));
    if (bits & 0x0020)
        PutCompressedShort(out, Units(f.rightIndent));
    if (bits & 0x0040)
        PutCompressedShort(out, Units(f.firstIndent));
    if (bits & 0x0100) {
        PutByte(out, borders);
        PutWord(out, static_cast<unsigned>(Units(f.borderWidth)));
    }
    if (bits & 0x0200) {
        const std::size_t count = std::min<std::size_t>(tabs.size(), 32);
        PutCompressedShort(out, static_cast<int>(count));
        for (std::size_t i = 0; i < count; ++i) {
            const TabStop& tab = tabs[i];
            const unsigned position =
                static_cast<unsigned>(std::clamp(tab.position / 10, 0, 0x3FFF));
            if (tab.kind == TabKind::Left) {
                PutCompressedUShort(out, position);
            } else {
                PutCompressedUShort(out, position | 0x4000);
                PutCompressedUShort(out, tab.kind == TabKind::Right ? 1 : 2);
            }
        }
    }
    return out;
}

std::string StripPrefix(const std::string& text, char prefix) {
    return !text.empty() && text[0] == prefix ? text.substr(1) : text;
}

class Encoder {
public:
    Encoder(const HelpProject& project, FontTable& fonts) : project_(project), fonts_(fonts) {}

    void Text(const std::string& text) {
        for (char c : text) {
            if (c != '\0') {
                pending_.push_back(c);
                ++record_.characters;
            }
        }
    }

    // A command ends the text piece before it.
    void Command(const std::string& bytes, bool takesCharacter = false) {
        record_.linkData2 += pending_;
        record_.linkData2.push_back('\0');
        pending_.clear();
        commands_ += bytes;
        if (takesCharacter) {
            ++record_.characters;
        }
    }

    void Font(const CharFormat& format) {
        const unsigned descriptor = fonts_.Descriptor(format);
        if (descriptor == font_) {
            return;
        }
        font_ = descriptor;
        std::string cmd;
        PutByte(cmd, 0x80);
        PutWord(cmd, descriptor);
        Command(cmd);
    }

    void StartHotspot(const Hotspot& hotspot) {
        std::string cmd;
        if (hotspot.kind == HotspotKind::Macro) {
            PutByte(cmd, hotspot.noColor ? 0xCC : 0xC8);
            PutWord(cmd, static_cast<unsigned>(hotspot.target.size() + 1));
            PutString(cmd, hotspot.target);
            Command(cmd);
            return;
        }
        const bool jump = hotspot.kind == HotspotKind::Jump;
        const uint32_t hash = ContextHash(hotspot.target);
        const std::string window = StripPrefix(hotspot.window, '>');
        const std::string file = StripPrefix(hotspot.file, '@');
        if (window.empty() && file.empty()) {
            PutByte(cmd, (hotspot.noColor ? 0xE6 : 0xE2) | (jump ? 1 : 0));
            PutDword(cmd, hash);
            Command(cmd);
            return;
        }
        std::string tail;
        if (file.empty()) {
            int number = -1;
            for (std::size_t i = 0; i < project_.windows.size(); ++i) {
                if (project_.windows[i].name == window) {
                    number = static_cast<int>(i);
                }
            }
            if (number < 0) {
                // An unknown window was reported by the checks; jump in the
                // current one.
                PutByte(tail, 0);
            } else {
                PutByte(tail, 1);
            }
            PutDword(tail, hash);
            if (number >= 0) {
                PutByte(tail, static_cast<unsigned>(number));
            }
        } else if (window.empty()) {
            PutByte(tail, 4);
            PutDword(tail, hash);
            PutString(tail, file);
        } else {
            PutByte(tail, 6);
            PutDword(tail, hash);
            PutString(tail, window);
            PutString(tail, file);
        }
        PutByte(cmd, (hotspot.noColor ? 0xEE : 0xEA) | (jump ? 1 : 0));
        PutWord(cmd, static_cast<unsigned>(tail.size()));
        cmd += tail;
        Command(cmd);
    }

    void EndHotspot() { Command(std::string(1, '\x89')); }

    // A picture stored as |bmNUMBER, drawn as a character or at a margin;
    // the viewer counts it as one character.
    void Picture(BitmapAlign align, int number) {
        std::string cmd;
        PutByte(cmd, align == BitmapAlign::Left ? 0x87 : align == BitmapAlign::Right ? 0x88 : 0x86);
        PutByte(cmd, 0x22);  // a picture, with a count of hotspots
        PutCompressedLong(cmd, 4);
        PutCompressedUShort(cmd, 0);
        PutWord(cmd, 0);  // by number, not embedded
        PutWord(cmd, static_cast<unsigned>(number));
        Command(cmd, true);
    }

    void EndParagraph() { Command(std::string(1, '\x82'), true); }

    // The commands since the last call.
    std::string TakeCommands() { return std::exchange(commands_, std::string()); }

    // The record: its sizes, then LAYOUT (paragraph settings and commands).
    ParagraphRecord Finish(const std::string& layout) {
        std::string& data1 = record_.linkData1;
        PutCompressedLong(data1, static_cast<int32_t>(record_.linkData2.size()));
        PutCompressedUShort(data1, std::min<uint32_t>(record_.characters, 0x7FFF));
        data1 += layout;
        return std::move(record_);
    }

private:
    const HelpProject& project_;
    FontTable& fonts_;
    ParagraphRecord record_;
    std::string pending_;
    std::string commands_;
    unsigned font_ = 0xFFFFFFFF;
};

// The runs of PARAGRAPH as text and commands, its hotspots closed at its end.
void EncodeRuns(Encoder& encoder, const Paragraph& paragraph, const TopicReferences& topic,
                const Pictures& pictures) {
    int open = -1;
    for (const Run& run : paragraph.runs) {
        if (run.hotspot != open && open >= 0) {
            encoder.EndHotspot();
            open = -1;
        }
        CharFormat format = run.format;
        if (run.hotspot >= 0) {
            // The viewer draws hotspots itself; the marks that made them are
            // not part of the text's look.
            format.underline = format.doubleUnderline = format.strike = false;
        }
        encoder.Font(format);
        if (run.hotspot >= 0 && run.hotspot != open &&
            run.hotspot < static_cast<int>(topic.hotspots.size())) {
            encoder.StartHotspot(topic.hotspots[static_cast<std::size_t>(run.hotspot)]);
            open = run.hotspot;
        }
        switch (run.kind) {
            case RunKind::Text:
                encoder.Text(run.text);
                break;
            case RunKind::Tab:
                encoder.Command(std::string(1, '\x83'), true);
                break;
            case RunKind::LineBreak:
                encoder.Command(std::string(1, '\x81'), true);
                break;
            case RunKind::Button: {
                // A button shows as its caption, a hotspot running its macro.
                Hotspot macro;
                macro.kind = HotspotKind::Macro;
                macro.target = run.macro;
                if (open < 0 && !run.macro.empty()) {
                    encoder.StartHotspot(macro);
                }
                encoder.Text(run.text);
                if (open < 0 && !run.macro.empty()) {
                    encoder.EndHotspot();
                }
                break;
            }
            case RunKind::Bitmap:
                if (run.bitmap >= 0 && run.bitmap < static_cast<int>(topic.bitmaps.size())) {
                    const BitmapRef& ref = topic.bitmaps[static_cast<std::size_t>(run.bitmap)];
                    if (const int number = pictures.Number(ref); number >= 0) {
                        encoder.Picture(ref.align, number);
                    }
                }
                break;
        }
    }
    if (open >= 0) {
        encoder.EndHotspot();
    }
    if (paragraph.runs.empty()) {
        // An empty line is as high as the font its paragraph mark has.
        CharFormat mark = paragraph.mark;
        mark.underline = mark.doubleUnderline = mark.strike = false;
        encoder.Font(mark);
    }
}

// Column widths of a table row in the form viewers read them back: per
// column a width and a gap, the row's left edge and the gap between cells
// being recovered from the first two columns' values. A row of one column
// holds its right edge and its left edge.
std::string TableColumns(const ParagraphFormat& row, std::size_t columns) {
    std::vector<int> edges;
    for (int edge : row.cellEdges) {
        edges.push_back(Units(edge));
    }
    // Cells past the row's definition take the width of the last one, or
    // two inches.
    while (edges.size() < columns) {
        const int last = edges.empty() ? Units(row.rowLeft) : edges.back();
        const int width = edges.size() >= 2 ? edges.back() - edges[edges.size() - 2] : 288;
        edges.push_back(std::min(last + std::max(width, 1), 0x3FFF));
    }
    const int gap = Units(row.rowGap);
    const int left = Units(row.rowLeft);
    std::string out;
    auto put = [&out](int value) {
        PutWord(out, static_cast<unsigned>(std::clamp(value, -0x7FFF, 0x7FFF)));
    };
    if (columns == 1) {
        put(edges[0]);
        put(left);
        return out;
    }
    put(edges[0] - gap / 2 - left - gap);
    put(left + gap);
    for (std::size_t c = 1; c < columns; ++c) {
        put(edges[c] - edges[c - 1] - gap);
        put(gap);
    }
    return out;
}

}  // namespace

ParagraphRecord EncodeParagraph(const Paragraph& paragraph, const TopicReferences& topic,
                                const HelpProject& project, FontTable& fonts,
                                const Pictures& pictures) {
    Encoder encoder(project, fonts);
    EncodeRuns(encoder, paragraph, topic, pictures);
    encoder.EndParagraph();
    return encoder.Finish(ParagraphSettings(paragraph.format) + encoder.TakeCommands() + '\xFF');
}

ParagraphRecord EncodeTableRow(std::span<const Paragraph> row, const TopicReferences& topic,
                               const HelpProject& project, FontTable& fonts,
                               const Pictures& pictures) {
    std::size_t cells = 1;
    for (std::size_t p = 0; p + 1 < row.size(); ++p) {
        cells += row[p].format.cellEnd ? 1 : 0;
    }
    const ParagraphFormat& last = row.back().format;
    const std::size_t columns =
        std::min(std::max(cells, last.cellEdges.size()), static_cast<std::size_t>(kMaxColumns));
    std::string layout;
    PutByte(layout, static_cast<unsigned>(columns));
    PutByte(layout, 1);  // widths as given, not relative to the window
    layout += TableColumns(last, columns);

    Encoder encoder(project, fonts);
    std::size_t column = 0;
    for (const Paragraph& paragraph : row) {
        // Each paragraph has its settings, headed by its cell's column;
        // cells past the last column run into it.
        PutWord(layout, static_cast<unsigned>(std::min(column, columns - 1)));
        PutWord(layout, 0);
        PutByte(layout, 0);
        EncodeRuns(encoder, paragraph, topic, pictures);
        encoder.EndParagraph();
        // Viewers take a text piece before every command, the end of a
        // paragraph's commands too, as later paragraphs' text follows.
        encoder.Command(std::string(1, '\xFF'));
        layout += ParagraphSettings(paragraph.format) + encoder.TakeCommands();
        column += paragraph.format.cellEnd ? 1 : 0;
    }
    PutWord(layout, 0xFFFF);
    return encoder.Finish(layout);
}

}  // namespace scrivlet::hc::hlp
