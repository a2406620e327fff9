#pragma once

#include <string>
#include <string_view>

namespace scrivlet {

// Stored names keep the forms help projects use (".\manual.hlp", "C:\x"),
// so projects move between machines. Everything that turns a stored name
// into a file on this disk goes through here: "\" and "/" both separate
// folders, and Wine's "Z:" drive is the root.
std::string ToDiskPath(std::string_view stored);

// A drive letter ("C:") or a leading separator makes a stored name absolute.
bool IsAbsoluteStoredPath(std::string_view stored);

}  // namespace scrivlet
