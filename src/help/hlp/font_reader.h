#pragma once

#include <string_view>
#include <vector>

#include "help/help_file.h"

namespace scrivlet::help::hlp {

// |FONT: its face names become the fonts and its text colours the colours
// of HELP; each descriptor becomes the character format it stands for.
// Black is the default colour (-1), as the text is drawn without one.
std::vector<CharFormat> ReadFonts(std::string_view bytes, HelpFile& help);

}  // namespace scrivlet::help::hlp
