#pragma once

#include <optional>

namespace scrivlet {

// Where the ruler puts its indent markers and what a dropped marker means.
// Indents are in points, positions in pixels. 4/3 turns points into pixels
// at 96 per inch and 0.75 turns them back; every conversion cuts toward zero,
// so a marker dropped where it was placed gives back the same indent.

// The ruler's marker width, in pixels; all three markers share it.
inline constexpr int kRulerMarkerWidth = 9;

int FirstIndentMarkerLeft(double firstIndent);
int LeftIndentMarkerLeft(double leftIndent, double firstIndent);
int RightIndentMarkerLeft(double rightIndent, int rulerWidth);

// The grab point within a marker: half its width, cut toward zero.
int DragOffsetOf(int markerWidth);

// The marker's new left after the mouse moved to X within it; nothing when
// that left falls outside 1 .. rulerWidth - 6 (the marker then stays where
// it was last accepted).
std::optional<int> DraggedMarkerLeft(int markerLeft, int x, int dragOffset, int rulerWidth);

// The indents a drop gives. The left indent is measured from the first
// indent, so it takes the paragraph's first indent as it now stands.
int FirstIndentOfDrop(int markerLeft, int dragOffset);
int LeftIndentOfDrop(int markerLeft, int dragOffset, double firstIndent);
int RightIndentOfDrop(int markerLeft, int dragOffset, int rulerWidth);

}  // namespace scrivlet
