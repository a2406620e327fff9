#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scrivlet {

// The window's preferences (section "Settings") as plain data, with the
// defaults a first start uses.
struct Preferences {
    int Top = 5;
    int Left = 5;
    int Height = 390;
    int Width = 561;
    std::string WindowState = "Normal";
    int GrabLeft = 107;
    int Col0 = 30;
    int Col1 = 95;
    int Col2 = 75;
    std::string gfont = "MS Sans Serif";
    int gsize = 8;
    bool Status = true;
    bool Ruler = true;
    std::string Compiler;
    uint8_t InsColor = 9;
    bool DelWarn = true;
    uint8_t IDcount = 0;
    uint8_t IDinc = 10;
    bool IDask = false;

    bool Maximized() const { return WindowState == "Maximized"; }
    friend bool operator==(const Preferences&, const Preferences&) = default;
};

// A stored integer: decimal, or hexadecimal after "0x"; nothing when the text
// is not an integer.
std::optional<int32_t> ParsePreferenceInt(std::string_view text);

// Byte-sized values keep the low byte, so 257 reads as 1 and -1 as 255.
uint8_t PreferenceByte(int32_t value);

// Reads every "Settings" value through LOOKUP (nothing = missing); a missing
// or unreadable value gives the default.
using PreferenceLookup = std::function<std::optional<std::string>(const std::string& name)>;
Preferences ReadPreferences(const PreferenceLookup& lookup);

// The name-value pairs written at exit, in writing order. Bounds only when the
// window is not maximized; Col0, gfont, gsize, Compiler, InsColor, DelWarn,
// IDcount, IDinc and IDask only when the options dialog was accepted during
// the run.
std::vector<std::pair<std::string, std::string>> PreferencesToWrite(const Preferences& prefs,
                                                                    bool maximized,
                                                                    bool optionsConfirmed);

}  // namespace scrivlet
