#pragma once

#include <string>
#include <string_view>

namespace scrivlet::cli {

// Project texts are Windows-1252 bytes and the terminal reads UTF-8. Control
// bytes (and the undefined bytes that stand for C1 controls) become "?", so
// a damaged or hostile file cannot send escape sequences to the terminal.
// Control bytes alone made "?", the text left as it is: for messages that
// are already UTF-8.
std::string WithoutControls(std::string_view bytes);

// As above, and the text converted from Windows-1252 to UTF-8.
std::string Printable(std::string_view bytes);

}  // namespace scrivlet::cli
