#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::cli {

struct ImportArguments {
    std::string source;  // a help project (.hpj) or a help file (.hlp)
    std::string output;  // the project file to write
    bool force = false;  // write over an existing project file
};

// "SOURCE OUT [--force]"; nothing (and the fault on ERR) otherwise.
std::optional<ImportArguments> ParseImportArguments(const std::vector<std::string>& args,
                                                    std::ostream& err);

// Told before each step of an import: DONE of TOTAL steps. False stops the
// import, which it can until it starts writing.
using ImportProgress = std::function<bool(int done, int total)>;

// Imports SOURCE into the project file OUTPUT (written over when it exists)
// and the pictures a help file holds into a folder beside it; returns the
// report's lines. Throws ScrivletError with the message for the author, and
// writes nothing, when the sources cannot be read. Stopped by PROGRESS, it
// writes nothing and returns no lines.
std::vector<std::string> ImportHelpSources(const std::string& source, const std::string& output,
                                           const ImportProgress& progress = {});

// Imports SOURCE into a new project file and prints the import report.
// Bad input gives one message on ERR, status 1 and no file written.
int RunImport(const ImportArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace scrivlet::cli
