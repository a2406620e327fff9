#include "core/contents/contents_location.h"

namespace scrivlet {
namespace {

constexpr std::string_view kSeparators = "\\/";

bool HasFolderSeparator(std::string_view name) {
    return name.find_first_of(kSeparators) != name.npos;
}

// The folder of NAME with its trailing separator; empty for a bare name.
std::string FolderPart(std::string_view name) {
    const std::size_t sep = name.find_last_of(kSeparators);
    return sep == std::string_view::npos ? std::string() : std::string(name.substr(0, sep + 1));
}

}  // namespace

std::string FindContentsFileName(const Project& project) {
    return FindContentsFileName(project.ContentsFileName, project.HelpFileName,
                                project.ProjectFileName);
}

std::string FindContentsFileName(const std::string& name, const std::string& help,
                                 const std::string& projectFileName) {
    if (name.empty() || projectFileName == kUntitled ||
        (HasFolderSeparator(name) && name.front() != '.')) {
        return name;
    }
    if (HasFolderSeparator(help) && help.front() != '.') {
        return FolderPart(help) + name;
    }
    return FolderPart(projectFileName) + name;
}

std::string ContentsDiskPath(const std::string& name) {
    std::string path = name;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

void StartNewContents(ContentsFile& file) {
    file.ClearContents();
    file.CntFileName = "Untitled";
    file.CntModified = false;
}

void PrefillContents(ContentsFile& file, const Project& project) {
    StartNewContents(file);
    file.DefaultTitle = project.HelpTitle.str();
    file.DefaultFile = FileNamePart(project.HelpFileName.str());
}

}  // namespace scrivlet
