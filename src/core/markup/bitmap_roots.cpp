#include "core/markup/bitmap_roots.h"

#include "core/util/convert.h"

namespace scrivlet {

bool AddImageFolder(std::vector<std::string>& roots, std::string_view imageFolder,
                    std::string_view projectFolder) {
    if (imageFolder == projectFolder) {
        return false;
    }
    const std::string key = UpperAscii(imageFolder);
    for (const auto& root : roots) {
        if (UpperAscii(root) == key) {
            return false;
        }
    }
    roots.emplace_back(imageFolder);
    return true;
}

}  // namespace scrivlet
