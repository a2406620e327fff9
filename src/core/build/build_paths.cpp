#include "core/build/build_paths.h"

#include "core/model/project.h"
#include "core/util/disk_path.h"
#include "core/windows/option_paths.h"

namespace scrivlet {

std::string ProjectFolder(std::string_view projectFileName) {
    if (projectFileName == kUntitled) {
        return {};
    }
    return FolderOf(projectFileName);
}

std::string HelpFilePath(std::string_view helpFileName, std::string_view projectFolder) {
    if (IsAbsoluteStoredPath(helpFileName)) {
        return ToDiskPath(helpFileName);
    }
    return ToDiskPath(std::string(projectFolder) + std::string(helpFileName));
}

}  // namespace scrivlet
