#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "help/help_file.h"
#include "help/help_project.h"

namespace scrivlet::help {

// A hotspot inside a picture (a segmented hotspot picture): a rectangle in
// the picture's pixels and what clicking it does.
struct PictureHotspot {
    Hotspot action;
    int x = 0, y = 0, width = 0, height = 0;
    std::string name;  // the hotspot's own name, as the picture editor gave it
};

// A picture carried by the document itself (from a help file's |bmN, or an
// RTF \pict), decoded so every writer can use it without the source file.
struct Picture {
    std::string name;  // "bm3" for a help file's picture, else the source's name
    int width = 0;     // pixels
    int height = 0;
    std::vector<uint32_t> pixels;  // top row first, 0xAARRGGBB; empty for a metafile
    std::string metafile;          // Windows metafile bytes, when the picture is one
    std::vector<PictureHotspot> hotspots;
};

// The whole help as every way in produces it and every way out consumes it:
// what the project file says (title, copyright, contents topic, windows,
// [MAP], [CONFIG]), the text's fonts, colours and topics, and the pictures
// that came inside the document.
struct HelpDocument {
    HelpProject project;
    HelpFile help;
    std::vector<Picture> pictures;
    int charset = 0;    // the text's Windows character set (0 ANSI, 204 Cyrillic, ...)
    uint32_t lcid = 0;  // 0 when the source names none
};

}  // namespace scrivlet::help
