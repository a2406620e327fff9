#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "hc/hc_log.h"
#include "hc/help_model.h"
#include "hc/hlp/bmp_reader.h"

namespace scrivlet::hc::hlp {

// The |bmN internal file for one bitmap: a picture file ("lP") holding one
// DIB picture with its palette, and no hotspots. COMPRESS packs the pixels
// with LZ77 when that makes them smaller.
std::string BuildPictureFile(const Dib& dib, bool transparent, bool compress);

// The bitmaps of the built topics, each file once per way it is drawn
// (transparent or not), numbered in the order the topics first show them.
class Pictures {
public:
    struct Picture {
        Dib dib;
        bool transparent = false;
        // A hotspot picture file (.shg, .mrb) is in the help file's own
        // picture format already and is stored as it is.
        std::string ready;
    };

    // The |bmN number of a {bm..} reference; -1 when its file was not read.
    int Number(const BitmapRef& ref) const;
    const std::vector<Picture>& All() const { return pictures_; }

    // Reads every file the built topics of HELP show; a file that is no
    // usable bitmap is an error of LOG at the first topic showing it.
    static Pictures Load(const HelpFile& help, Log& log);

private:
    std::map<std::pair<std::string, bool>, int> numbers_;
    std::vector<Picture> pictures_;
};

}  // namespace scrivlet::hc::hlp
