#pragma once

#include <iosfwd>
#include <string>

namespace scrivlet::cli {

// "--lint PROJECT.scw": the project checker for continuous integration of
// help projects. Prints one finding a line and the totals; exit status 1
// when any finding is an error (or the project cannot be read), else 0.
int RunLint(const std::string& projectFile, std::ostream& out, std::ostream& err);

}  // namespace scrivlet::cli
