#pragma once

#include <string>

#include "hc/embedded_picture.h"

namespace scrivlet::hc {

// A Windows metafile embedded in RTF ("{\pict\wmetafile8 ...}") or read from
// a .wmf file as a help picture file holding one metafile picture: its
// mapping mode, its extents (\picw and \pich, else those of a placeable
// header or the goal size, in hundredths of a millimetre) and the
// metafile's records, packed when that makes them smaller. "" when the data
// is no metafile, and *WHY says what it is.
std::string EmbeddedMetafileAsPicture(const EmbeddedPicture& picture, std::string* why);

}  // namespace scrivlet::hc
