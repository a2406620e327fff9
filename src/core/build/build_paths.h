#pragma once

#include <string>
#include <string_view>

namespace scrivlet {

// The file-name part of a stored name: everything after its last "\" or "/",
// or after the colon of a drive letter ("C:name").
std::string_view FileNamePart(std::string_view name);

// The folder of a project file name, with its trailing separator ("" for a
// bare name).
std::string ProjectFolder(std::string_view projectFileName);

// The help file to display: HELP_FILE_NAME unchanged when its second
// character is ":" or its first is "\" (or "/", an absolute path here);
// otherwise inside the project folder.
std::string HelpFilePath(std::string_view helpFileName, std::string_view projectFolder);

}  // namespace scrivlet
