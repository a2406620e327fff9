#pragma once

#include <string>

#include "core/windows/window_def.h"

namespace scrivlet {

// Window positions in definitions are in units of 1/1024 of the screen
// width (x, w) and height (y, h); the Easy Sizer turns them into pixels and
// back.
struct SizerBounds {
    int Left = 193;
    int Top = 109;
    int Width = 207;
    int Height = 156;

    friend bool operator==(const SizerBounds&, const SizerBounds&) = default;
};

// Pixel units of one help-screen unit across and down, as 1024 / size.
double UnitsPerPixel(int screenPixels);

// The sizer's bounds from the position fields on a screen of SCREENWIDTH by
// SCREENHEIGHT pixels. A field that is empty or fails its range test (x and
// y at least 0, w and h more than 0) leaves the design value. Throws
// ConvertError when a filled field is not an integer.
SizerBounds PlaceSizer(const WindowFields& fields, int screenWidth, int screenHeight);

// BOUNDS made to fit on a screen of SCREENWIDTH by SCREENHEIGHT pixels: no
// larger than the screen, and moved onto it.
SizerBounds FitToScreen(SizerBounds bounds, int screenWidth, int screenHeight);

// Writes the sizer's bounds back into the four position fields.
void ReadSizer(const SizerBounds& bounds, int screenWidth, int screenHeight, WindowFields& fields);

}  // namespace scrivlet
