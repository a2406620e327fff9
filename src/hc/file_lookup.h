#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace scrivlet::hc {

// True for "C:..." and for names that begin with "\" or "/".
bool IsAbsoluteName(std::string_view name);

// The file a name from a help project or topic file stands for, looked up
// under FOLDER unless the name is absolute. "\" and "/" both separate folders,
// and a part whose letter case differs from the disk's is still found (help
// projects come from a system that ignores case). Nothing when no such file
// exists. A drive letter cannot be found on this system.
std::optional<std::filesystem::path> FindFile(const std::filesystem::path& folder,
                                              std::string_view name);

// The path a name stands for under FOLDER, for a file that is to be written:
// the folder parts are looked up as FindFile does, the last part is kept.
std::filesystem::path PathForWriting(const std::filesystem::path& folder, std::string_view name);

}  // namespace scrivlet::hc
