#pragma once

#include <string_view>

#include "help/help_document.h"

namespace scrivlet::help::hlp {

// The whole help document from the bytes of a help file: every internal
// file read and tied together (contexts, titles, keywords, windows, map
// numbers and browse neighbours found by their TOPICOFFSETs).
HelpDocument BuildDocument(std::string_view bytes);

}  // namespace scrivlet::help::hlp
