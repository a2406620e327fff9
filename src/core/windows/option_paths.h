#pragma once

#include <string>
#include <string_view>

#include "core/build/build_paths.h"

namespace scrivlet {

// Stored names use "\" (and, on this system, "/") between folders.
bool IsPathSeparator(char c);

// The folder part of PATH up to and including its last separator; empty
// when PATH has none.
std::string FolderOf(std::string_view path);

// The name part of PATH after its last separator.
std::string FileNameOf(std::string_view path);

// The contents file name stored for a file picked at PICKEDPATH. The
// reference folder is the folder of the help file name HELPFILE when that
// holds a separator and does not begin with "."; otherwise PROJECTFOLDER.
// A file in the reference folder is stored by its name alone, any other by
// its full path.
std::string ContentsFileReference(std::string_view helpFile, std::string_view projectFolder,
                                  std::string_view pickedPath);

}  // namespace scrivlet
