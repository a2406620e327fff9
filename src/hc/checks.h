#pragma once

#include "hc/build_tags.h"
#include "hc/hc_log.h"
#include "hc/help_model.h"

namespace scrivlet::hc {

// The checks across the whole help file, after every topic file was read:
// build tags applied (each topic's `built`), context strings defined once and
// with distinct hashes, every jump, pop-up, [MAP] entry, [ALIAS] and CONTENTS
// topic resolved, windows defined, macros known, titles, keywords and bitmaps
// present. Returns the counts of what the help file will hold.
CompileCounts CheckHelpFile(const HelpProject& project, const BuildTagFilter& tags, HelpFile& help,
                            Log& log);

}  // namespace scrivlet::hc
