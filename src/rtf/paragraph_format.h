#pragma once

#include <QTextBlockFormat>

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace scrivlet {

// How the topic text codec keeps paragraph attributes in a QTextDocument, and
// the editor-facing view of them. Use these rather than QTextBlockFormat
// margins directly so that the editor, the ruler and the codec agree.
//
// Storage: block margins are in document pixels at 96 per inch, so 15 twips
// (3/4 point) to the pixel. leftMargin is the RTF "\li", textIndent the
// "\fi" (first line relative to the left margin), rightMargin the "\ri".
// A bulleted paragraph is a block of a QTextList with a bullet style.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kTwipsPerPoint = 20.0;

// The three paragraph indents as the editor and its ruler use them, in points:
// First = where the first line starts; Left = where the other lines start,
// measured from First; Right = distance from the right margin.
struct ParagraphIndents {
    double first = 0;
    double left = 0;
    double right = 0;

    bool operator==(const ParagraphIndents&) const = default;
};

ParagraphIndents IndentsOf(const QTextBlockFormat& format);
// Also keeps the hanging-indent tab stop (below) in step with the indents.
void SetIndents(QTextBlockFormat& format, const ParagraphIndents& indents);

// With a hanging indent (the first line left of the others) the first tab
// stops at the left indent, as rich-text editors and help viewers do, so a
// typed bullet and tab line up with the lines below. The stop is only shown:
// the topic text does not store it.
void SetHangingIndentTab(QTextBlockFormat& format);

// A bulleted paragraph is drawn further right than its margins say: the list
// adds its own indent, the room for the bullet. These are the indents as the
// author sees them on screen, which the ruler shows and takes back.
double ListIndentPoints(const QTextBlock& block);
ParagraphIndents ShownIndentsOf(const QTextBlock& block);
// Stores SHOWN for BLOCK into FORMAT; the first line never starts left of
// the bullet's room.
void SetShownIndents(const QTextBlock& block, QTextBlockFormat& format,
                     const ParagraphIndents& shown);

// Twips <-> the pixel values stored in the block format.
double TwipsToPixels(int twips);
int PixelsToTwips(double pixels);

// Whether BLOCK shows a bullet.
bool HasBullet(const QTextBlock& block);

// Turns the bullet on or off for every paragraph the cursor's selection
// touches (or the cursor's paragraph). Indents are left as they are.
void SetBullet(QTextCursor& cursor, bool on);

}  // namespace scrivlet
