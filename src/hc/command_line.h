#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace scrivlet::hc {

// The command line of the help compiler: "hcrtf -x NAME.hpj" as the build
// starts it, or "hcrtf NAME.hpj". Options begin with "-" or "/" and letters
// may be combined ("-xn").
struct HcrtfArguments {
    std::string projectFile;
    bool quiet = false;      // -n: findings go to the log file only
    std::string outputFile;  // -o FILE: the help file to write instead of HLP=
    bool usage = false;      // -? or --help
    std::string error;       // what is wrong with the command line; "" when nothing
};

HcrtfArguments ParseHcrtfArguments(const std::vector<std::string>& args);

// Runs the compiler on ARGS (without the program name). Findings go to the
// ERRORLOG file the project names and, unless quiet, to OUT; problems with the
// command line or the log file go to ERR. Returns 0 when the help file was
// written (whatever the warnings and errors) and the log too, 1 otherwise.
int RunHcrtf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace scrivlet::hc
