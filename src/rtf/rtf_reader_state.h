#pragma once

#include <QFont>
#include <QRgb>
#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

// The state an RTF reader keeps per group, and the font and colour tables.
// Internal to the topic text reader.
namespace scrivlet::rtfread {

// Half points when no "\fs" is given (12 points).
inline constexpr int kDefaultHalfPoints = 24;

struct CharState {
    int font = -1;  // table number; -1 = the "\deff" font
    int halfPoints = kDefaultHalfPoints;
    int colour = 0;  // colour table index; 0 and unknown indexes give the default colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int firstIndent = 0;  // twips
    int leftIndent = 0;
    int rightIndent = 0;
    bool bullet = false;
};

enum class Destination : std::uint8_t {
    kBody,
    kSkip,
    kFontTable,
    kColourTable,
};

struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::kBody;
};

struct FontInfo {
    int number = 0;
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
};

// Fonts by their table number, as the font table declares them.
class FontTable {
public:
    const FontInfo* Find(int number) const;
    // Called as the table is read: "\fN" starts an entry, family words and
    // name text fill it, ";" or the end of the group closes it.
    void Begin(int number);
    void SetHint(QFont::StyleHint hint);
    void AppendName(QChar c);
    void End();

private:
    // By number; a later definition of a number replaces the earlier one.
    std::unordered_map<int, FontInfo> fonts_;
    std::optional<FontInfo> current_;
};

// Colours by their table position; entries without components are "auto".
class ColourTable {
public:
    std::optional<QRgb> Find(int index) const;
    void SetRed(int value) { SetComponent(red_, value); }
    void SetGreen(int value) { SetComponent(green_, value); }
    void SetBlue(int value) { SetComponent(blue_, value); }
    void EndEntry();

private:
    void SetComponent(int& component, int value);

    std::vector<std::optional<QRgb>> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool any_ = false;
};

// What a destination word at the start of a group means for its content.
enum class DestinationKind : std::uint8_t { kNone, kFontTable, kColourTable, kSkip, kBullet };
DestinationKind ClassifyDestination(std::string_view word);

// The character a control word stands for ("\emdash", "\lquote"...), or 0.
char16_t SpecialCharacter(std::string_view word);

// The family a font table family word names, or nothing for other words.
std::optional<QFont::StyleHint> FamilyHint(std::string_view word);

}  // namespace scrivlet::rtfread
