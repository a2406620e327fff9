#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "hc/help_model.h"

namespace scrivlet::hc::hlp {

// The |FONT file's descriptors: one for every distinct character format the
// topic text uses, each naming a face of the face name list.
class FontTable {
public:
    explicit FontTable(const HelpFile& help) : help_(help) {}

    // The descriptor number for FORMAT, added when it is new.
    unsigned Descriptor(const CharFormat& format);
    std::string Build() const;

private:
    using Key = std::tuple<int, int, int, unsigned>;
    unsigned Face(int font);

    const HelpFile& help_;
    std::map<Key, unsigned> index_;
    std::vector<Key> descriptors_;
    std::vector<std::string> faces_;
    std::map<std::string, unsigned> faceIndex_;
};

}  // namespace scrivlet::hc::hlp
