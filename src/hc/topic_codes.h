#pragma once

#include <string>
#include <string_view>

#include "hc/help_model.h"

namespace scrivlet::hc {

// Reads the hidden text after a hotspot: an optional "%" (no colour, no
// underline) or "*" (no underline), then either "!" and a macro string, or a
// context string with an optional "@file" and ">window" in either order.
// KIND is what the hotspot's formatting says (jump or pop-up); a macro target
// makes it a macro hotspot. FAULT gets what is wrong ("" when nothing is).
Hotspot ReadHotspotTarget(std::string_view hidden, HotspotKind kind, std::string& fault);

// A text command in braces that the topic text writes as literal "\{...\}".
struct TextCommand {
    enum class Kind { Bitmap, Button, Unsupported, None } kind = Kind::None;
    BitmapAlign align = BitmapAlign::Character;
    bool transparent = false;
    std::string argument;  // the bitmap file, or the button caption
    std::string macro;     // the button's macro string
    std::string name;      // the command word as written
};

// What the text between the braces is: "bmc file", "bmlt file", "button
// caption, macros", another WinHelp command ("mci ...", "ewc ..."), or None
// for ordinary text that happens to be in braces.
TextCommand ReadTextCommand(std::string_view inside);

}  // namespace scrivlet::hc
