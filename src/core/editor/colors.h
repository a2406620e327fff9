#pragma once

#include <array>
#include <cstdint>

namespace scrivlet {

// A colour as plain red, green and blue bytes.
struct RgbColor {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// The 16 colours shared by the font colour box, the insertion colour of
// markup codes and the options dialog, indexed 0 to 15.
inline constexpr std::array<RgbColor, 16> kColorTable{{
    {0, 0, 0},        // black
    {128, 0, 0},      // maroon
    {0, 128, 0},      // green
    {128, 128, 0},    // olive
    {0, 0, 128},      // navy
    {128, 0, 128},    // purple
    {0, 128, 128},    // teal
    {128, 128, 128},  // gray
    {192, 192, 192},  // silver
    {255, 0, 0},      // red
    {0, 255, 0},      // lime
    {255, 255, 0},    // yellow
    {0, 0, 255},      // blue
    {255, 0, 255},    // fuchsia
    {0, 255, 255},    // aqua
    {255, 255, 255},  // white
}};

// The colour of a table row. Any index above 14 gives white, and so does a
// negative one: the table has no row before black.
RgbColor ColorOfIndex(int index);

// The index of the row holding exactly COLOR; a colour not in the table gives
// 0 (black).
int IndexOfColor(RgbColor color);

}  // namespace scrivlet
