#pragma once

#include <string>
#include <string_view>

namespace scrivlet {

// The project's folder with its trailing separator; empty for a project
// never saved ("Untitled").
std::string ProjectFolder(std::string_view projectFileName);

// The help file to display: HELP_FILE_NAME unchanged when its second
// character is ":" or its first is "\" (or "/", an absolute path here);
// otherwise inside the project folder.
std::string HelpFilePath(std::string_view helpFileName, std::string_view projectFolder);

}  // namespace scrivlet
