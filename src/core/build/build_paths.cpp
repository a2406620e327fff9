#include "core/build/build_paths.h"

#include "core/model/project.h"
#include "core/windows/option_paths.h"

namespace scrivlet {

std::string ProjectFolder(std::string_view projectFileName) {
    if (projectFileName == kUntitled) {
        return {};
    }
    return FolderOf(projectFileName);
}

std::string HelpFilePath(std::string_view helpFileName, std::string_view projectFolder) {
    const bool absolute =
        (helpFileName.size() >= 2 && helpFileName[1] == ':') ||
        (!helpFileName.empty() && (helpFileName[0] == '\\' || helpFileName[0] == '/'));
    if (absolute) {
        return std::string(helpFileName);
    }
    return std::string(projectFolder) + std::string(helpFileName);
}

}  // namespace scrivlet
