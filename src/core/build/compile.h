#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "core/build/build_files.h"
#include "core/build/build_sinks.h"
#include "core/build/process_runner.h"
#include "core/model/project.h"

namespace scrivlet {

// How a compile ended; the window turns each into its message, the options
// dialog or nothing.
enum class CompileOutcome {
    Built,            // the build ran (its problems are in the log)
    NoText,           // the first topic has no text: nothing happens
    NotSaved,         // message "   You must save your document first   "
    ChooseCompiler,   // no compiler chosen or none at its path: the options dialog
    NotTheCompiler,   // the compiler is not named HCRTF.EXE: nothing happens
    NoFreeBaseName,   // every build file name is taken: the log says so, nothing is built
    BaseNameTaken,    // a given base name has a file already: nothing is built
    HelpIsProject,    // the help file name names the project file: nothing is built
    Cancelled,        // stopped before the compiler ran: no build file is left
    CompilerStopped,  // stopped while the compiler ran: it was killed, no build file is left
};

inline constexpr const char* kMustSaveFirst = "   You must save your document first   ";
inline constexpr const char* kHyphenLine =
    "-------------------------------------------------------";
inline constexpr const char* kNoFreeBaseName =
    "    Error - no free build file name (scrv0 to scrv254 are all taken)";
inline constexpr const char* kCancelledLine =
    "Compile cancelled: the help compiler did not run, the help file is unchanged.";
inline constexpr const char* kCompilerStoppedLine =
    "Compile cancelled: the help compiler was stopped before it finished, so the help file "
    "may be out of date or incomplete.";
inline constexpr const char* kUnableToDisplay = "    Error - Unable to display help file";

// Shows the help file at PATH at the topic with CONTEXT_NUMBER (its [MAP]
// number).
using HelpDisplay = std::function<void(const std::string& path, int32_t contextNumber)>;

// Everything outside the project that a compile talks to.
struct CompileCollaborators {
    BuildFiles& files;
    ProcessRunner& runner;
    LogSink& log;
    ProgressSink& progress;
    // Empty: the help file is never shown (a batch build).
    HelpDisplay showHelp;
};

struct CompileOptions {
    std::string compilerPath;
    // Empty: drawn among the free names. A given name is refused when one of
    // its files exists, unless REPLACE_BASE_FILES.
    std::string baseName;
    bool replaceBaseFiles = false;
    // False: stop once the two files are written, and keep them.
    bool runCompiler = true;
    // Keep the build files (RTF, .HPJ and the compiler's log) afterwards.
    bool keepFiles = false;
    // The base-name draw; empty: seeded from the clock.
    std::optional<uint32_t> seed;
};

struct CompileResult {
    CompileOutcome outcome = CompileOutcome::Built;
    std::string baseName;
    // BaseNameTaken: the first of the base name's files that exists.
    std::string takenFile;
};

// The question before Show Help File shows a help file older than the
// project's last change.
std::string StaleHelpQuestion(std::string_view helpFilePath);

// The refusal of a help file name that is the project file.
std::string HelpIsProjectMessage(std::string_view helpFileName);

// The checks a compile makes before it starts building, in their order: the
// outcome is Built when the build can go ahead. Reads the project and asks
// FILES whether files exist; changes nothing.
CompileResult CheckCompile(const Project& project, const CompileOptions& options,
                           BuildFiles& files);

// The compile command after the editor has been stored back: checks, builds
// the RTF topic file and the help project file into the project folder, runs
// the compiler there and waits for it, shows the help file when the project
// asks for it, brings the compiler's log into the log and deletes the build
// files. The progress sink's BuildEnded runs on every path once the build
// started; exceptions (FileError, ConvertError) pass on to the caller and
// the build files it wrote are removed again. A build the progress sink
// cancels logs why it stopped and removes every build file it wrote.
CompileResult CompileProject(Project& project, const CompileOptions& options,
                             CompileCollaborators& with);

// Whether the compiler path names the help compiler: its file-name part,
// upper-cased, is "HCRTF.EXE" or, without an extension, "HCRTF".
bool IsHelpCompilerName(std::string_view compilerPath);

// A base name "scrv" + 0..254 none of whose .rtf, .hpj and .txt exists in
// FOLDER, drawn at random among the free ones; nothing when all are taken.
std::optional<std::string> DrawBaseName(BuildFiles& files, const std::string& folder,
                                        std::mt19937& random);

// The help file of PROJECT shown at the current topic, or the
// "Unable to display help file" line when it does not exist.
void ShowCompiledHelp(const Project& project, BuildFiles& files, const HelpDisplay& display,
                      LogSink& log);

// Whether a log line reports an error: the build's own errors start with
// four blanks, and the compiler's carry "Error:" (its form
// "HC1002: Error: ...").
bool IsErrorLogLine(std::string_view line);

}  // namespace scrivlet
