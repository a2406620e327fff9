#include "core/windows/color_ref.h"

namespace scrivlet {

RgbColor RgbOfColorRef(int32_t color) {
    const auto value = static_cast<uint32_t>(color);
    return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>((value >> 16) & 0xFF)};
}

int32_t ColorRefOf(int red, int green, int blue) {
    return static_cast<int32_t>((static_cast<uint32_t>(blue & 0xFF) << 16) |
                                (static_cast<uint32_t>(green & 0xFF) << 8) |
                                static_cast<uint32_t>(red & 0xFF));
}

int32_t CustomColorValue(std::string_view setting) {
    const std::size_t eq = setting.find('=');
    if (eq == std::string_view::npos || eq + 1 == setting.size() || setting.size() - eq > 7) {
        return -1;
    }
    int32_t value = 0;
    for (char c : setting.substr(eq + 1)) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return -1;
        }
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace scrivlet
