#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "help/help_document.h"

namespace scrivlet::help {

// A help file that cannot be read: the message names what is wrong and
// where, in words the user can act on.
class HelpFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a WinHelp 3.1 or 4 help file (.hlp) into the help document model.
// Context strings the file keeps only as hashes get a name that hashes to
// the same value, so every context definition and jump target has a name.
// Throws HelpFileError for a file it cannot read; never crashes or hangs on
// damaged input.
HelpDocument ReadHelpFileBytes(std::string_view bytes);
HelpDocument ReadHelpFile(const std::filesystem::path& path);

}  // namespace scrivlet::help
