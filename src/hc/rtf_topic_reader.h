#pragma once

#include <string>
#include <string_view>

#include "hc/hc_log.h"
#include "hc/help_model.h"
#include "hc/topic_builder.h"

namespace scrivlet::hc {

// Reads one RTF topic file into HELP: its fonts and colours are merged into
// the help file's tables and its topics (separated by \page) appended. Every
// problem becomes a finding in LOG; reading never stops early except for a
// file that is not RTF at all. With PACK, each topic's paragraphs and
// hotspots are kept packed (help/paragraph_pack.h).
void ReadTopicFile(std::string_view bytes, const std::string& fileName, HelpFile& help, Log& log,
                   const BitmapFinder& findBitmap, bool pack = false);

}  // namespace scrivlet::hc
