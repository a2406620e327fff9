#include "core/editor/colors.h"

namespace scrivlet {

RgbColor ColorOfIndex(int index) {
    if (index < 0 || index > 14) {
        return kColorTable[15];
    }
    return kColorTable[static_cast<std::size_t>(index)];
}

int IndexOfColor(RgbColor color) {
    for (std::size_t i = 0; i < kColorTable.size(); ++i) {
        if (kColorTable[i] == color) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

}  // namespace scrivlet
