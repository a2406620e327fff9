#pragma once

#include <cstdint>
#include <string_view>

namespace scrivlet {

// A colour of a window definition: 24-bit RGB with red in the low byte,
// green in the middle byte and blue in the high byte.
struct RgbColor {
    int Red = 0;
    int Green = 0;
    int Blue = 0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

RgbColor RgbOfColorRef(int32_t color);
int32_t ColorRefOf(int red, int green, int blue);

// The one preset custom colour of the colour dialog, in the colour dialog's
// own setting form: hexadecimal digits of the colour value.
inline constexpr std::string_view kCustomColorSetting = "ColorA=E2FFFF";

// The colour value of a "ColorX=hex" setting; -1 when it has no valid hex.
int32_t CustomColorValue(std::string_view setting);

}  // namespace scrivlet
