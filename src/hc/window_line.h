#pragma once

#include <string>
#include <string_view>

#include "hc/help_model.h"

namespace scrivlet::hc {

// Reads the part of a [WINDOWS] line after "name =" into WINDOW. Returns ""
// when the line is sound, otherwise what is wrong with it; the fields read
// before the fault are kept.
std::string ReadWindowFields(std::string_view definition, WindowDefinition& window);

}  // namespace scrivlet::hc
