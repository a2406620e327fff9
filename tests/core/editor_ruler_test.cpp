#include <gtest/gtest.h>

#include "core/editor/ruler_math.h"

namespace scrivlet {
namespace {

TEST(RulerMath, FirstIndentMarkerStandsAtTwoForNoIndent) {
    EXPECT_EQ(FirstIndentMarkerLeft(0), 2);
}

TEST(RulerMath, FirstIndentOf36PointsIsAt50) {
    EXPECT_EQ(FirstIndentMarkerLeft(36), 50);
}

TEST(RulerMath, MarkerPositionsCutTowardZero) {
    // 10 points = 13.33 pixels -> 13; -10 points = -13.33 -> -13.
    EXPECT_EQ(FirstIndentMarkerLeft(10), 15);
    EXPECT_EQ(FirstIndentMarkerLeft(-10), -11);
    EXPECT_EQ(LeftIndentMarkerLeft(18, 18), 50);
    EXPECT_EQ(LeftIndentMarkerLeft(-18, 36), 26);
}

TEST(RulerMath, RightMarkerMeasuresFromTheRulerEnd) {
    // 400 - 6 - Trunc(6 * 4/3) = 386.
    EXPECT_EQ(RightIndentMarkerLeft(0, 400), 386);
    EXPECT_EQ(RightIndentMarkerLeft(30, 400), 400 - 6 - 48);
}

TEST(RulerMath, DragOffsetIsHalfTheMarkerCutDown) {
    EXPECT_EQ(DragOffsetOf(kRulerMarkerWidth), 4);
    EXPECT_EQ(DragOffsetOf(10), 5);
}

TEST(RulerMath, LeftIndentDropAt50GivesThirtySixPoints) {
    EXPECT_EQ(LeftIndentOfDrop(50, 4, 0), 36);
    // Measured from the first indent as it now stands.
    EXPECT_EQ(LeftIndentOfDrop(50, 4, 12), 24);
    EXPECT_EQ(LeftIndentOfDrop(10, 4, 36), 6 - 36);
}

TEST(RulerMath, FirstIndentDropRoundTripsThePlacedMarker) {
    EXPECT_EQ(FirstIndentOfDrop(50, 4), 36);
    EXPECT_EQ(FirstIndentOfDrop(2, 4), 0);
    // Left of the gutter the indent goes negative, cut toward zero.
    EXPECT_EQ(FirstIndentOfDrop(1, 4), 0);
}

TEST(RulerMath, RightIndentDrop) {
    // Trunc((400 + 4 - 386 - 2) * 0.75) - 12 = 12 - 12 = 0.
    EXPECT_EQ(RightIndentOfDrop(386, 4, 400), 0);
    EXPECT_EQ(RightIndentOfDrop(300, 4, 400), 76 - 12);
}

TEST(RulerMath, DragIsLimitedToTheRuler) {
    EXPECT_EQ(DraggedMarkerLeft(50, 4, 4, 400), 50);
    EXPECT_EQ(DraggedMarkerLeft(50, 10, 4, 400), 56);
    EXPECT_EQ(DraggedMarkerLeft(3, 2, 4, 400), 1);
    EXPECT_EQ(DraggedMarkerLeft(3, 1, 4, 400), std::nullopt);
    EXPECT_EQ(DraggedMarkerLeft(390, 8, 4, 400), 394);
    EXPECT_EQ(DraggedMarkerLeft(390, 9, 4, 400), std::nullopt);
}

}  // namespace
}  // namespace scrivlet
