#pragma once
// Round trips of help files: what hcrtf's model and the help-file reader's
// model must agree on, described as text so that a difference shows where
// it is. The description leaves out what a help file cannot keep (the
// topic files, footnote order, run boundaries) and what the writer is known
// to change (lengths in units of ten twips, hotspot text drawn without its
// marks).
#include <string>
#include <vector>

#include "help/help_document.h"

namespace scrivlet::hc::test {

// One line per paragraph: its settings, then its text with a mark wherever
// the format, the hotspot or the kind of run changes. PICTURES are the
// document's pictures when BITMAPS refer to them by index; otherwise every
// bitmap with a file is described by its alignment only.
std::string DescribeParagraphs(const help::HelpFile& help, const help::Topic& topic);

// The topic's title, its context hashes (with ALIASES, the hashes that
// also lead to it), sorted keywords, window and entry macros.
std::string DescribeTopic(const help::Topic& topic, std::vector<uint32_t> aliases);

// Title, copyright, citation, .cnt file, windows and [CONFIG] macros.
std::string DescribeProject(const help::HelpProject& project);

}  // namespace scrivlet::hc::test
