#include "hc/command_line.h"

#include <ostream>

#include "core/util/cp1252.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/file_lookup.h"
#include "hc/hlp/hlp_writer.h"

namespace scrivlet::hc {
namespace {

constexpr const char* kUsage =
    "Usage: hcrtf [-x] [-n] [-o FILE.hlp] NAME.hpj\n"
    "Reads the help project NAME.hpj and the topic files it names, checks them and\n"
    "writes the findings to the file its ERRORLOG option names.\n"
    "  -x   run without a window (always so here)\n"
    "  -n   write the findings only to the log file\n"
    "  -o   the help file to write instead of the project's HLP option\n";

// "/x" and "/xn" are switches as on Windows, but "/home/me/p.hpj" is a file.
bool IsSlashSwitch(const std::string& arg) {
    if (arg.size() > 3 || arg[0] != '/') {
        return false;
    }
    for (std::size_t i = 1; i < arg.size(); ++i) {
        const char c = static_cast<char>(arg[i] | 0x20);
        if (c < 'a' || c > 'z') {
            return arg == "/?";
        }
    }
    return true;
}

}  // namespace

HcrtfArguments ParseHcrtfArguments(const std::vector<std::string>& args) {
    HcrtfArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-?" || arg == "/?" || arg == "-h") {
            parsed.usage = true;
            continue;
        }
        if (arg.size() >= 2 && (arg[0] == '-' || IsSlashSwitch(arg))) {
            for (std::size_t j = 1; j < arg.size(); ++j) {
                const char letter = static_cast<char>(arg[j] | 0x20);
                if (letter == 'x') {
                    continue;
                }
                if (letter == 'n') {
                    parsed.quiet = true;
                    continue;
                }
                if (letter == 'o') {
                    if (j + 1 < arg.size()) {
                        parsed.outputFile = arg.substr(j + 1);
                    } else if (i + 1 < args.size()) {
                        parsed.outputFile = args[++i];
                    } else {
                        parsed.error = "-o needs the name of the help file to write.";
                    }
                    break;
                }
                parsed.error = "Unknown option \"" + arg + "\".";
                return parsed;
            }
            continue;
        }
        if (!parsed.projectFile.empty()) {
            parsed.error = "Only one help project file can be compiled at a time.";
            return parsed;
        }
        parsed.projectFile = arg;
    }
    if (parsed.projectFile.empty() && !parsed.usage && parsed.error.empty()) {
        parsed.error = "No help project file was given.";
    }
    return parsed;
}

int RunHcrtf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const HcrtfArguments parsed = ParseHcrtfArguments(args);
    if (parsed.usage) {
        out << kUsage;
        return 0;
    }
    if (!parsed.error.empty()) {
        err << "hcrtf: " << parsed.error << "\n" << kUsage;
        return 1;
    }
    // Only the help file is wanted of the topics: their text is kept packed.
    CompileResult result = CompileHelpProject(parsed.projectFile, true);
    if (!parsed.outputFile.empty()) {
        result.project.hlp = {parsed.outputFile, 0, {}};
    }
    const std::vector<std::string> lines = hlp::WriteHelpFileAndLog(result);
    if (!parsed.quiet) {
        for (const std::string& line : lines) {
            out << Cp1252ToUtf8(line) << "\n";
        }
    }
    int status = result.log.Fatal() > 0 ? 1 : 0;
    if (!result.project.errorLog.text.empty()) {
        const auto path = PathForWriting(result.folder, result.project.errorLog.text);
        try {
            WriteFileBytes(path, LogFileBytes(lines));
        } catch (const ScrivletError& e) {
            err << "hcrtf: the log file cannot be written: " << e.what() << "\n";
            status = 1;
        }
    }
    return status;
}

}  // namespace scrivlet::hc
