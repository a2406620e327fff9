#include "core/build/build_paths.h"

namespace scrivlet {

std::string_view FileNamePart(std::string_view name) {
    std::size_t start = 0;
    if (name.size() >= 2 && name[1] == ':') {
        start = 2;
    }
    const std::size_t separator = name.find_last_of("\\/");
    if (separator != std::string_view::npos && separator + 1 > start) {
        start = separator + 1;
    }
    return name.substr(start);
}

std::string ProjectFolder(std::string_view projectFileName) {
    const std::string_view name = FileNamePart(projectFileName);
    return std::string(projectFileName.substr(0, projectFileName.size() - name.size()));
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
