#pragma once

#include <string>
#include <string_view>

#include "help/help_document.h"

namespace scrivlet::help::hlp {

// A |bmN picture file: one picture, or several of one image at different
// resolutions (of which the one for a 96 dpi screen is taken), each a
// device-dependent or device-independent bitmap (unpacked, run-length or
// LZ77 packed) decoded to pixels, or a metafile kept as its bytes; with the
// hotspots of a segmented hotspot picture. NAME names it in messages and in
// the document. *TRANSPARENT tells whether the bitmap is marked to be drawn
// with its white showing the background.
Picture ReadPictureFile(std::string_view bytes, const std::string& name, bool* transparent);

}  // namespace scrivlet::help::hlp
