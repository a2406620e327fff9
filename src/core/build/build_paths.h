#pragma once

#include <string>
#include <string_view>

// File and folder names (FileNameOf, ProjectFolder) come from here.
#include "core/windows/option_paths.h"

namespace scrivlet {

// The help file to display: HELP_FILE_NAME unchanged when its second
// character is ":" or its first is "\" (or "/", an absolute path here);
// otherwise inside the project folder.
std::string HelpFilePath(std::string_view helpFileName, std::string_view projectFolder);

}  // namespace scrivlet
