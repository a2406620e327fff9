#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "hc/hc_log.h"
#include "hc/help_model.h"

namespace scrivlet::hc {

// Gives the bytes of a file named by "#include" in [MAP] (a C header of
// "#define" lines), the name as written; nothing when there is no such file.
using IncludeLoader = std::function<std::optional<std::string>(const std::string& name)>;

// Reads a help project file. Every problem becomes a finding in LOG with the
// line it was found on; reading always goes on to the end of the file.
HelpProject ReadHelpProject(std::string_view bytes, const std::string& fileName, Log& log,
                            const IncludeLoader& loadInclude = {});

// The lines of a text file, split at CR LF, LF or a lone CR.
std::vector<std::string_view> SplitLines(std::string_view bytes);

}  // namespace scrivlet::hc
