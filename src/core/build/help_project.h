#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/project.h"

namespace scrivlet {

// The help project file (.HPJ) of a build as lines: [OPTIONS], [MAP], [FILES]
// and, when the project has them, [WINDOWS], [CONFIG], [INCLUDE] and
// [EXCLUDE]. BASE_NAME names the build's files ("scrv17"); PROJECT_FOLDER
// ends in its separator. An empty HelpFileName is first set to ".\" + the
// project file's name without its last four characters + ".hlp"; the
// modified flag is left alone.
std::vector<std::string> BuildHelpProject(Project& project, std::string_view baseName,
                                          std::string_view projectFolder);

// The name a build gives the help file when the project names none.
std::string DefaultHelpFileName(std::string_view projectFileName);

}  // namespace scrivlet
