#pragma once

#include <cstddef>

namespace scrivlet {

// Typing limits of the project options dialog.
inline constexpr std::size_t kHelpTitleTypingLimit = 50;
inline constexpr std::size_t kCopyrightTypingLimit = 255;

// Project options text boxes: a key with character CODE may be typed into a
// box holding LENGTH characters under the typing limit LIMIT. Codes 0 to 28
// (backspace, tab, enter, escape, control shortcuts such as paste) always
// pass, so pasted text is not limited here.
bool OptionsBoxAcceptsKey(int code, std::size_t length, std::size_t limit);

// Window name and caption: a key that would add a printable character
// (code 32 or more) is ignored once the text is LIMIT long; control keys
// always pass.
bool WindowFieldAcceptsKey(int code, std::size_t length, std::size_t limit);

// Position fields take digits and control keys: codes from space to "/" and
// from ":" to "~" are ignored, so "-" cannot be typed.
bool PositionFieldAcceptsKey(int code);

}  // namespace scrivlet
