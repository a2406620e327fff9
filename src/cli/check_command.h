#pragma once

#include <iosfwd>
#include <string>

#include "core/model/project.h"

namespace scrivlet::cli {

// The report of "--check": the settings, the lists and one line per topic.
std::string DescribeProject(const Project& project);

// Loads PROJECT_FILE and prints its description; 0 on success, 1 on a bad or
// missing file (the reason goes to ERR).
int RunCheck(const std::string& projectFile, std::ostream& out, std::ostream& err);

}  // namespace scrivlet::cli
