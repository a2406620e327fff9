#pragma once

#include "help/help_file.h"

namespace scrivlet::help {

// The topic before (NEXT false) or after TOPIC in its browse sequence, or
// -1. A help file keeps the neighbours themselves; a help built from topic
// files has "+" footnotes instead ("group:sequence"), ordered within their
// group by sequence, then by topic order.
int BrowseNeighbour(const HelpFile& help, int topic, bool next);

}  // namespace scrivlet::help
