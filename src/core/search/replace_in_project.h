#pragma once

#include <string_view>

namespace scrivlet {

class Project;

// Replaces PATTERN by REPLACEMENT in the author text of every topic, in
// project order, and returns the total. A total above 0 marks the project
// modified; a total of 0 leaves the flag as it was.
int ReplaceAllInProject(Project& project, std::string_view pattern, std::string_view replacement,
                        bool matchCase);

}  // namespace scrivlet
