#include "core/editor/ruler_math.h"

#include <cmath>

namespace scrivlet {

namespace {

int Trunc(double value) {
    return static_cast<int>(std::trunc(value));
}

int PointsToPixels(double points) {
    return Trunc(points * 4.0 / 3.0);
}

int PixelsToPoints(double pixels) {
    return Trunc(pixels * 0.75);
}

}  // namespace

int FirstIndentMarkerLeft(double firstIndent) {
    return PointsToPixels(firstIndent) + 2;
}

int LeftIndentMarkerLeft(double leftIndent, double firstIndent) {
    return PointsToPixels(leftIndent + firstIndent) + 2;
}

int RightIndentMarkerLeft(double rightIndent, int rulerWidth) {
    return rulerWidth - 6 - PointsToPixels(rightIndent + 6);
}

int DragOffsetOf(int markerWidth) {
    return markerWidth / 2;
}

std::optional<int> DraggedMarkerLeft(int markerLeft, int x, int dragOffset, int rulerWidth) {
    const int left = markerLeft + x - dragOffset;
    if (left < 1 || left > rulerWidth - 6) {
        return std::nullopt;
    }
    return left;
}

int FirstIndentOfDrop(int markerLeft, int dragOffset) {
    return PixelsToPoints(markerLeft + dragOffset - 6);
}

int LeftIndentOfDrop(int markerLeft, int dragOffset, double firstIndent) {
    return PixelsToPoints(markerLeft + dragOffset - 6) - Trunc(firstIndent);
}

int RightIndentOfDrop(int markerLeft, int dragOffset, int rulerWidth) {
    return PixelsToPoints(rulerWidth + dragOffset - markerLeft - 2) - 12;
}

}  // namespace scrivlet
