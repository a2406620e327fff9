#include <gtest/gtest.h>

#include "core/util/errors.h"
#include "core/windows/sizer.h"

namespace scrivlet {
namespace {

WindowFields Position(const char* x, const char* y, const char* w, const char* h) {
    WindowFields fields;
    fields.X = x;
    fields.Y = y;
    fields.W = w;
    fields.H = h;
    return fields;
}

TEST(Sizer, AnOversizedWindowIsFittedToTheScreen) {
    const SizerBounds huge = PlaceSizer(Position("900", "10", "99999999", "99999999"), 1280, 900);
    EXPECT_EQ(FitToScreen(huge, 1280, 900), (SizerBounds{0, 0, 1280, 900}));
    EXPECT_EQ(FitToScreen({1200, 850, 300, 200}, 1280, 900), (SizerBounds{980, 700, 300, 200}));
    EXPECT_EQ(FitToScreen({5, 6, 7, 8}, 1280, 900), (SizerBounds{5, 6, 7, 8}));
}

TEST(Sizer, EightHundredPixelScreenBothWays) {
    const SizerBounds bounds = PlaceSizer(Position("512", "-1", "-1", "-1"), 800, 600);
    EXPECT_EQ(bounds.Left, 400);
    WindowFields fields;
    ReadSizer({400, 0, 100, 100}, 800, 600, fields);
    EXPECT_EQ(fields.X, "512");
}

TEST(Sizer, UnsetFieldsKeepTheDesignBounds) {
    EXPECT_EQ(PlaceSizer(Position("-1", "-1", "-1", "-1"), 1024, 768), (SizerBounds{}));
    EXPECT_EQ(PlaceSizer(Position("", "", "", ""), 1024, 768), (SizerBounds{193, 109, 207, 156}));
    // Zero passes for x and y, not for w and h.
    EXPECT_EQ(PlaceSizer(Position("0", "0", "0", "0"), 1024, 768), (SizerBounds{0, 0, 207, 156}));
}

TEST(Sizer, PlacesEveryField) {
    // 1024 / 1280 = 0.8 across, 1024 / 1024 = 1 down.
    const SizerBounds bounds = PlaceSizer(Position("100", "200", "300", "400"), 1280, 1024);
    EXPECT_EQ(bounds.Left, 125);
    EXPECT_EQ(bounds.Top, 200);
    EXPECT_EQ(bounds.Width, 375);
    EXPECT_EQ(bounds.Height, 400);
}

TEST(Sizer, TruncatesTowardZero) {
    // 1024 / 1366 = 0.7496...: 1 unit is 1.334 pixels, 2 units 2.668.
    EXPECT_EQ(PlaceSizer(Position("1", "-1", "2", "-1"), 1366, 768).Left, 1);
    EXPECT_EQ(PlaceSizer(Position("1", "-1", "2", "-1"), 1366, 768).Width, 2);
    WindowFields fields;
    // 1024 / 768 * 1 = 1.333 -> 1; 1024 / 1366 * 1365 = 1023.25 -> 1023.
    ReadSizer({1365, 1, 3, 767}, 1366, 768, fields);
    EXPECT_EQ(fields.X, "1023");
    EXPECT_EQ(fields.Y, "1");
    EXPECT_EQ(fields.W, "2");
    EXPECT_EQ(fields.H, "1022");
}

TEST(Sizer, OrderOfOperationsMatters) {
    // 1024 / 1000 = 1.024 exactly in decimal but not in binary; the result
    // follows the division by that quotient, not x * W / 1024.
    const double quotient = 1024.0 / 1000.0;
    for (int x = 0; x <= 1024; ++x) {
        const int expected = static_cast<int>(x / quotient);
        EXPECT_EQ(PlaceSizer(Position(std::to_string(x).c_str(), "-1", "-1", "-1"), 1000, 700).Left,
                  expected);
    }
}

TEST(Sizer, ReadBackWritesAllFourFields) {
    WindowFields fields = Position("", "", "", "");
    ReadSizer({193, 109, 207, 156}, 1024, 768, fields);
    EXPECT_EQ(fields.X, "193");
    EXPECT_EQ(fields.Y, "145");  // 1.3333 * 109 = 145.33
    EXPECT_EQ(fields.W, "207");
    EXPECT_EQ(fields.H, "208");  // 1.3333 * 156 = 208
}

TEST(Sizer, NonIntegerFieldFails) {
    EXPECT_THROW(PlaceSizer(Position("1", "x", "1", "1"), 800, 600), ConvertError);
}

TEST(Sizer, DegenerateScreenDoesNotOverflow) {
    WindowFields fields;
    ReadSizer({100, 100, 100, 100}, 0, 0, fields);
    EXPECT_EQ(fields.X, "2147483647");
    EXPECT_EQ(PlaceSizer(Position("5", "5", "5", "5"), 0, 0), (SizerBounds{0, 0, 0, 0}));
}

}  // namespace
}  // namespace scrivlet
