#pragma once

#include <cstdint>
#include <string_view>

namespace scrivlet::help {

// The 32-bit number WinHelp stores for a context string instead of the
// string itself: every character is mapped to a small value (letters without
// regard to case), and the hash is multiplied by 43 and the value added, in
// unsigned 32-bit arithmetic. Jumps, the [MAP] section and the context table
// of the help file all use it, so two strings with one hash cannot both be
// jump targets.
uint32_t ContextHash(std::string_view context);

// True when a context string holds only characters every WinHelp version
// accepts in a "#" footnote: letters, digits, "." and "_".
bool IsPortableContextString(std::string_view context);

}  // namespace scrivlet::help
