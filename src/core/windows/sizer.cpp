#include "core/windows/sizer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

// Truncation toward zero. Values no int can hold (a screen reported as
// zero pixels wide) are clamped rather than left undefined.
int Truncate(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

}  // namespace

double UnitsPerPixel(int screenPixels) {
    return 1024.0 / static_cast<double>(screenPixels);
}

SizerBounds PlaceSizer(const WindowFields& fields, int screenWidth, int screenHeight) {
    SizerBounds bounds;
    // The order of the operations is part of the result: first 1024 divided
    // by the screen size, then the field divided by that.
    if (!fields.X.empty()) {
        if (const int32_t x = StrToInt(fields.X); x >= 0) {
            bounds.Left = Truncate(x / UnitsPerPixel(screenWidth));
        }
    }
    if (!fields.Y.empty()) {
        if (const int32_t y = StrToInt(fields.Y); y >= 0) {
            bounds.Top = Truncate(y / UnitsPerPixel(screenHeight));
        }
    }
    if (!fields.W.empty()) {
        if (const int32_t w = StrToInt(fields.W); w > 0) {
            bounds.Width = Truncate(w / UnitsPerPixel(screenWidth));
        }
    }
    if (!fields.H.empty()) {
        if (const int32_t h = StrToInt(fields.H); h > 0) {
            bounds.Height = Truncate(h / UnitsPerPixel(screenHeight));
        }
    }
    return bounds;
}

SizerBounds FitToScreen(SizerBounds bounds, int screenWidth, int screenHeight) {
    bounds.Width = std::clamp(bounds.Width, 1, std::max(screenWidth, 1));
    bounds.Height = std::clamp(bounds.Height, 1, std::max(screenHeight, 1));
    bounds.Left = std::clamp(bounds.Left, 0, std::max(screenWidth - bounds.Width, 0));
    bounds.Top = std::clamp(bounds.Top, 0, std::max(screenHeight - bounds.Height, 0));
    return bounds;
}

void ReadSizer(const SizerBounds& bounds, int screenWidth, int screenHeight, WindowFields& fields) {
    fields.X = IntToStr(Truncate(UnitsPerPixel(screenWidth) * bounds.Left));
    fields.Y = IntToStr(Truncate(UnitsPerPixel(screenHeight) * bounds.Top));
    fields.W = IntToStr(Truncate(UnitsPerPixel(screenWidth) * bounds.Width));
    fields.H = IntToStr(Truncate(UnitsPerPixel(screenHeight) * bounds.Height));
}

}  // namespace scrivlet
