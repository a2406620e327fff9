#include "cli/build_command.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "core/build/build_paths.h"
#include "core/build/compile.h"
#include "core/projectfile/project_file.h"
#include "core/util/cp1252.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"
#include "core/util/huge_heap.h"
#include "core/util/install_layout.h"

namespace scrivlet::cli {
namespace {

// Prints the log as it grows. The first line is the project's file name as
// the file system spells it; every other line is Windows-1252 text.
class PrintingLog : public LogSink {
public:
    explicit PrintingLog(std::ostream& out) : out_(out) {}
    void StartLog(bool) override {
        count_ = 0;
        errors_ = false;
    }
    void LogLine(std::string_view line) override {
        if (count_++ == 0) {
            out_ << line << '\n';
            return;
        }
        errors_ = errors_ || IsErrorLogLine(line);
        out_ << Cp1252ToUtf8(line) << '\n';
    }
    bool HadErrors() const { return errors_; }

private:
    std::ostream& out_;
    std::size_t count_ = 0;
    bool errors_ = false;
};

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return "";
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::string UnescapeIniValue(std::string_view raw) {
    std::string value;
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i + 1 < raw.size()) {
            const char next = raw[++i];
            value += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else if (c == ';' && !quoted) {
            break;  // a comment
        } else {
            value += c;
        }
    }
    return Trim(value);
}

}  // namespace

std::optional<BuildArguments> ParseBuildArguments(const std::vector<std::string>& args,
                                                  std::ostream& err) {
    BuildArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--compiler" && hasValue) {
            parsed.compiler = args[++i];
        } else if (arg == "--base" && hasValue) {
            parsed.baseName = args[++i];
            if (parsed.baseName.empty() ||
                parsed.baseName.find_first_of("/\\") != std::string::npos) {
                err << "scrivlet: --base takes a plain file name without a folder\n";
                return std::nullopt;
            }
        } else if (arg == "--force") {
            parsed.force = true;
        } else if (arg == "--keep") {
            parsed.keep = true;
        } else if (arg == "--no-run") {
            parsed.noRun = true;
        } else if (arg.rfind("--", 0) == 0 || !parsed.projectFile.empty()) {
            err << "scrivlet: unexpected argument " << arg << " for --build\n";
            return std::nullopt;
        } else {
            parsed.projectFile = arg;
        }
    }
    if (parsed.projectFile.empty()) {
        err << "scrivlet: --build needs a project file\n";
        return std::nullopt;
    }
    return parsed;
}

std::optional<std::string> IniValue(std::string_view bytes, std::string_view group,
                                    std::string_view key) {
    std::string current;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        const std::string line = Trim(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == group && equals != std::string::npos &&
            Trim(line.substr(0, equals)) == key) {
            return UnescapeIniValue(std::string_view(line).substr(equals + 1));
        }
    }
    return std::nullopt;
}

std::string SettingsFilePath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (xdg != nullptr && *xdg != '\0') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME")) {
        base = std::string(home) + "/.config";
    }
    return base + "/Scrivlet/Scrivlet.conf";
}

int RunBuild(const BuildArguments& arguments, std::ostream& out, std::ostream& err) {
    try {
        std::error_code ec;
        const auto path = std::filesystem::absolute(arguments.projectFile, ec).lexically_normal();
        // The project goes into memory whole, in a little more than its
        // size; the build itself adds little.
        if (const auto size = std::filesystem::file_size(path, ec); !ec) {
            ReadyHugeHeap(2 * static_cast<std::size_t>(size));
        }
        auto project = ReadProjectFile(path);
        if (!project) {
            err << "scrivlet: " << arguments.projectFile << ": no such project file\n";
            return 1;
        }
        CompileOptions options;
        if (arguments.compiler) {
            options.compilerPath = *arguments.compiler;
        } else if (const auto settings = ReadFileBytes(SettingsFilePath())) {
            options.compilerPath = IniValue(*settings, "Settings", "Compiler").value_or("");
        }
        if (options.compilerPath.empty()) {
            // No choice made: our own compiler, installed beside this program.
            if (const auto own = FindOwnCompiler(ProgramFolder())) {
                options.compilerPath = own->string();
            }
        }
        options.baseName = arguments.baseName;
        options.replaceBaseFiles = arguments.force;
        options.keepFiles = arguments.keep;
        options.runCompiler = !arguments.noRun;

        DiskBuildFiles files;
        PosixProcessRunner runner;
        PrintingLog log(out);
        NoProgress progress;
        CompileCollaborators with{files, runner, log, progress, {}};
        const CompileResult result = CompileProject(*project, options, with);
        switch (result.outcome) {
            case CompileOutcome::Built:
                return log.HadErrors() ? 1 : 0;
            case CompileOutcome::NoText:
                err << "scrivlet: the first topic has no text; nothing was built\n";
                return 1;
            case CompileOutcome::NotSaved:  // a project read from a file always has a name
                err << "scrivlet:" << kMustSaveFirst << "\n";
                return 1;
            case CompileOutcome::ChooseCompiler:
                err << "scrivlet: no help compiler at \"" << options.compilerPath
                    << "\"; name it with --compiler PATH or choose it in the options\n";
                return 1;
            case CompileOutcome::NotTheCompiler:
                err << "scrivlet: " << options.compilerPath
                    << " is not the help compiler (its name must be HCRTF.EXE or HCRTF)\n";
                return 1;
            case CompileOutcome::NoFreeBaseName:
            case CompileOutcome::Cancelled:  // the batch build's progress never cancels
            case CompileOutcome::CompilerStopped:
                return 1;
            case CompileOutcome::BaseNameTaken:
                err << "scrivlet: " << result.takenFile << " already exists; --base "
                    << result.baseName
                    << " would overwrite and then delete it (add --force to allow that)\n";
                return 1;
            case CompileOutcome::HelpIsProject:
                err << "scrivlet: " << Cp1252ToUtf8(HelpIsProjectMessage(project->HelpFileName))
                    << '\n';
                return 1;
        }
        return 1;
    } catch (const ScrivletError& e) {
        err << "scrivlet: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace scrivlet::cli
