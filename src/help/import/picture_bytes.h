#pragma once

#include <string>

#include "help/help_document.h"

namespace scrivlet::help {

// The file a picture of the document is written as: a 24-bit Windows bitmap
// (bottom row first, rows padded to four bytes) for a picture of pixels, the
// metafile's own bytes for a metafile.
std::string PictureFileBytes(const Picture& picture);

}  // namespace scrivlet::help
