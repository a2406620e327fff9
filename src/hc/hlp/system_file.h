#pragma once

#include <cstdint>
#include <string>

#include "hc/help_model.h"
#include "hc/hlp/system_extras.h"

namespace scrivlet::hc::hlp {

// The |SYSTEM internal file of a WinHelp 4 file: the header, then one record
// per setting of the project. CONTENTS is the contents topic's TOPICOFFSET;
// FLAGS 0 for uncompressed topic blocks, 4 for LZ77-compressed ones.
std::string BuildSystemFile(const HelpProject& project, uint32_t contents, unsigned flags,
                            uint32_t date, const SystemExtras& extras);

}  // namespace scrivlet::hc::hlp
