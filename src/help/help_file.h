#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scrivlet::help {

// The help file as the topic files describe it, ready for the checks and for
// writing: the fonts and colours of all topic files merged, and every topic
// with its footnote properties and its paragraphs of formatted runs.

struct Font {
    std::string name;
    std::string family;  // "swiss", "roman", "modern", "script", "decor", "tech", "nil"
    int charset = 0;

    friend bool operator==(const Font&, const Font&) = default;
};

// Character formatting. Sizes are in half points, as RTF counts them.
struct CharFormat {
    int font = 0;  // index into HelpFile::fonts
    int halfPoints = 24;
    int color = -1;  // index into HelpFile::colors; -1 for the default colour
    bool bold = false;
    bool italic = false;
    bool underline = false;        // a pop-up hotspot when followed by hidden text
    bool doubleUnderline = false;  // a jump hotspot
    bool strike = false;           // a jump hotspot
    bool smallCaps = false;
    int baseline = 0;  // >0 superscript, <0 subscript

    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

enum class TabKind { Left, Right, Center, Decimal };

struct TabStop {
    int position = 0;  // twips from the left margin
    TabKind kind = TabKind::Left;

    friend bool operator==(const TabStop&, const TabStop&) = default;
};

enum class Alignment { Left, Center, Right, Justify };

// Paragraph borders: which sides, and drawn how (single when neither thick
// nor double).
enum Border : unsigned {
    BorderBox = 0x01,
    BorderTop = 0x02,
    BorderLeft = 0x04,
    BorderBottom = 0x08,
    BorderRight = 0x10,
    BorderThick = 0x20,
    BorderDouble = 0x40,
};
constexpr unsigned kBorderSides = BorderBox | BorderTop | BorderLeft | BorderBottom | BorderRight;

// Paragraph formatting; lengths in twips.
struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;    // 0 single; as \sl gives it otherwise
    bool keepNext = false;  // part of the topic's non-scrolling region
    bool noWrap = false;
    bool inTable = false;
    // In a table, the paragraph that ends a cell (\cell), and the one that
    // also ends its row (\row), which carries the row's cell right edges,
    // the gap between cells' text and the row's left edge (\cellx, \trgaph,
    // \trleft).
    bool cellEnd = false;
    bool rowEnd = false;
    std::vector<int> cellEdges;
    int rowGap = 0;
    int rowLeft = 0;
    unsigned borders = 0;  // the Border* bits below
    int borderWidth = 0;
    std::vector<TabStop> tabs;

    friend bool operator==(const ParagraphFormat&, const ParagraphFormat&) = default;
};

enum class HotspotKind { Jump, Popup, Macro };

// A hotspot: the runs that carry its index are the text the reader clicks.
struct Hotspot {
    HotspotKind kind = HotspotKind::Jump;
    std::string target;        // context string, or the macro string for Macro
    std::string window;        // ">window", empty for the current one
    std::string file;          // "@file", empty for this help file
    bool noColor = false;      // "%": no colour and no underline
    bool noUnderline = false;  // "*": coloured, no underline
    // Read from a help file, which keeps only the hash of most targets:
    // the hash, and TARGET empty unless the name is known.
    uint32_t targetHash = 0;
};

enum class BitmapAlign { Character, Left, Right };

// A {bmc}, {bml} or {bmr} reference, with the file it was found as.
struct BitmapRef {
    BitmapAlign align = BitmapAlign::Character;
    bool transparent = false;
    std::string name;  // as written
    std::string path;  // the file found on disk; empty when not found
    int picture = -1;  // index into HelpDocument::pictures when it came with the document
    // A picture embedded in a topic file (\pict), as the bytes of a BMP
    // file or of a help picture file (a metafile); PATH then names the
    // place it was embedded at, not a file.
    std::string embedded;
};

enum class RunKind { Text, Tab, LineBreak, Bitmap, Button };

struct Run {
    RunKind kind = RunKind::Text;
    CharFormat format;
    std::string text;   // Windows-1252 bytes; for Button the caption
    int hotspot = -1;   // index into Topic::hotspots
    int bitmap = -1;    // index into Topic::bitmaps
    std::string macro;  // for Button: the macro string it runs
};

struct Paragraph {
    ParagraphFormat format;
    std::vector<Run> runs;
    // The character format at the paragraph's end, which sets the height of
    // a paragraph without text.
    CharFormat mark;
};

// A context string defined by a "#" footnote, and where: the paragraph it
// stands in (0 for the topic's start).
struct ContextDefinition {
    std::string name;  // empty when read from a help file that keeps only the hash
    int paragraph = 0;
    uint32_t hash = 0;  // set by the help-file reader
};

struct Topic {
    std::string file;  // the topic file, without folder
    int number = 0;    // its place in that file, from 1
    int line = 0;      // the line of the file where it starts

    bool hasTitle = false;
    std::string title;
    std::vector<ContextDefinition> contexts;
    std::vector<std::string> keywords;     // K footnotes, split at ";"
    std::vector<std::string> aKeywords;    // A footnotes
    std::vector<std::string> buildTags;    // * footnotes
    std::string browse;                    // + footnote
    std::vector<std::string> entryMacros;  // ! footnotes
    std::string window;                    // > footnote
    bool built = true;                     // false when the build tags leave the topic out
    // From a help file: the topics before and after in the browse sequence
    // (indices into HelpFile::topics, -1 for none), which the file keeps in
    // place of the "+" footnote.
    int browsePrevious = -1;
    int browseNext = -1;

    std::vector<Paragraph> paragraphs;
    // The paragraphs and hotspots packed (help/paragraph_pack.h) in place of
    // PARAGRAPHS and HOTSPOTS, while a program holds many topics at once;
    // empty otherwise.
    std::string packedText;
    std::vector<Hotspot> hotspots;
    std::vector<BitmapRef> bitmaps;
};

struct HelpFile {
    std::vector<Font> fonts;
    std::vector<uint32_t> colors;  // RGB, red in the low byte
    std::vector<Topic> topics;
};

}  // namespace scrivlet::help
