#include "cli/batch.h"

#include <ostream>

#include "cli/build_command.h"
#include "cli/check_command.h"
#include "cli/import_command.h"
#include "cli/lint_command.h"
#include "cli/publish_command.h"

namespace scrivlet::cli {
namespace {

constexpr const char* kUsage =
    "Usage: scrivlet [PROJECT.scw]\n"
    "       scrivlet --check PROJECT.scw\n"
    "       scrivlet --build PROJECT.scw [--compiler PATH] [--base NAME [--force]]\n"
    "                                    [--keep] [--no-run]\n"
    "       scrivlet --lint PROJECT.scw\n"
    "       scrivlet --view FILE.hlp [--context NAME | --map N | --keyword WORD]\n"
    "       scrivlet --publish html PROJECT.scw|FILE.hlp OUTDIR [--force]\n"
    "       scrivlet --import PROJECT.hpj|FILE.hlp OUT.scw [--force]\n"
    "\n"
    "  PROJECT.scw          open the project in the window\n"
    "  --check PROJECT.scw  load the project without a window and describe it\n"
    "  --build PROJECT.scw  build the help files in the project folder, run the help\n"
    "                       compiler and print the log; exit status 1 when it holds\n"
    "                       an error. --compiler names the compiler (default: the\n"
    "                       Compiler setting), --base fixes the build files' name,\n"
    "                       --force lets that name replace existing files, --keep\n"
    "                       keeps them, --no-run only writes the .rtf and .hpj\n"
    "  --lint PROJECT.scw   check links, orphans, duplicates, titles, images, macros\n"
    "                       and windows; one finding a line, exit status 1 when any\n"
    "                       is an error\n"
    "  --view FILE.hlp      show the help file in the help viewer, at its contents\n"
    "                       topic or at the topic of a context string, a map number\n"
    "                       or a keyword\n"
    "  --publish html       publish the project or help file as a web site in OUTDIR,\n"
    "                       which must be empty unless --force is given\n"
    "  --import SOURCE OUT.scw  make a project of a help project (.hpj and its\n"
    "                       topic files) or a help file (.hlp) and print what was\n"
    "                       imported; --force writes over an existing OUT.scw\n"
    "  --help               show this text\n";

}  // namespace

std::optional<int> RunBatch(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
    if (args.empty()) {
        return std::nullopt;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        out << kUsage;
        return 0;
    }
    if (command == "--check") {
        if (args.size() != 2) {
            err << kUsage;
            return 2;
        }
        return RunCheck(args[1], out, err);
    }
    if (command == "--lint") {
        if (args.size() != 2) {
            err << kUsage;
            return 2;
        }
        return RunLint(args[1], out, err);
    }
    if (command == "--import") {
        const auto parsed =
            ParseImportArguments(std::vector<std::string>(args.begin() + 1, args.end()), err);
        if (!parsed) {
            err << kUsage;
            return 2;
        }
        return RunImport(*parsed, out, err);
    }
    if (command == "--build") {
        const auto parsed =
            ParseBuildArguments(std::vector<std::string>(args.begin() + 1, args.end()), err);
        if (!parsed) {
            err << kUsage;
            return 2;
        }
        return RunBuild(*parsed, out, err);
    }
    if (command == "--publish") {
        const auto parsed =
            ParsePublishArguments(std::vector<std::string>(args.begin() + 1, args.end()), err);
        if (!parsed) {
            err << kUsage;
            return 2;
        }
        return RunPublish(*parsed, out, err);
    }
    if (command.size() > 2 && command.compare(0, 2, "--") == 0) {
        err << "scrivlet: unknown option " << command << "\n" << kUsage;
        return 2;
    }
    return std::nullopt;
}

}  // namespace scrivlet::cli
