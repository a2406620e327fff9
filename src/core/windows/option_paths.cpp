#include "core/windows/option_paths.h"

#include <algorithm>

namespace scrivlet {
namespace {

std::size_t LastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1])) {
            return i - 1;
        }
    }
    return std::string_view::npos;
}

// Folders are compared as text; only the two spellings of the separator are
// taken as the same.
std::string ComparableFolder(std::string_view folder) {
    std::string text(folder);
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

}  // namespace

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string FolderOf(std::string_view path) {
    const std::size_t last = LastSeparator(path);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string FileNameOf(std::string_view path) {
    const std::size_t last = LastSeparator(path);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ContentsFileReference(std::string_view helpFile, std::string_view projectFolder,
                                  std::string_view pickedPath) {
    const bool helpFileHasFolder = std::any_of(helpFile.begin(), helpFile.end(), IsPathSeparator) &&
                                   !helpFile.starts_with(".");
    const std::string reference =
        helpFileHasFolder ? FolderOf(helpFile) : std::string(projectFolder);
    if (!reference.empty() &&
        ComparableFolder(FolderOf(pickedPath)) == ComparableFolder(reference)) {
        return FileNameOf(pickedPath);
    }
    return std::string(pickedPath);
}

}  // namespace scrivlet
