#pragma once

#include <string>

#include "core/contents/contents_file.h"
#include "core/model/project.h"

namespace scrivlet {

// Where the editor looks for the project's contents file. A bare name (or one
// beginning with ".") of a saved project is put in the folder of the help
// file when that is a path of its own, otherwise in the project's folder.
// Any other name is used as it stands. "\" and "/" both separate folders.
std::string FindContentsFileName(const Project& project);
std::string FindContentsFileName(const std::string& contentsName, const std::string& helpName,
                                 const std::string& projectFileName);

// The name as a path on this machine: "\" separators become "/".
std::string ContentsDiskPath(const std::string& name);

// A new, unnamed file with the project's help title and the bare name of its
// help file filled in, and no unsaved changes.
void StartNewContents(ContentsFile& file);
void PrefillContents(ContentsFile& file, const Project& project);

}  // namespace scrivlet
