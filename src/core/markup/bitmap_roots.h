#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// After an image was chosen: adds IMAGEFOLDER (with its trailing separator)
// to ROOTS when it differs from PROJECTFOLDER (compared exactly; empty for a
// project never saved) and ROOTS does not already hold it (compared without
// regard to the case of a to z). Returns true when it was added.
bool AddImageFolder(std::vector<std::string>& roots, std::string_view imageFolder,
                    std::string_view projectFolder);

}  // namespace scrivlet
