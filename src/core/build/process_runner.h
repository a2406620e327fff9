#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet {

// One run of the help compiler.
struct ProcessRequest {
    std::string program;        // the compiler's path
    std::string arguments;      // "-x scrv12.hpj"
    std::string commandLine;    // a quote, the path, a quote, then the arguments
    std::string workingFolder;  // the project folder
    int showWindow = 1;         // shown normally
    // Asked while the process runs; when it turns true the process (with
    // the processes it started) is stopped. Empty: never.
    std::function<bool()> cancelled;
};

// Starts a process and waits for it to end, with no time limit. Returns
// whether it could be started; its exit code is not asked for.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    virtual bool Run(const ProcessRequest& request) = 0;
};

// The compiler's command line: a double quote, PROGRAM, a double quote, and
// directly "-x " with the .HPJ's name (no folder, no blank before "-x").
std::string CompilerCommandLine(const std::string& program, const std::string& hpjName);

// The argument vector that runs PROGRAM with ARGUMENTS (split at blanks). A
// Windows program (a name ending in ".exe", any case) goes through "wine"
// when USE_WINE is set.
std::vector<std::string> CompilerArgv(const std::string& program, const std::string& arguments,
                                      bool useWine);

// Whether an executable "wine" is on the PATH.
bool WineAvailable();

// fork, chdir and exec, then waitpid.
class PosixProcessRunner : public ProcessRunner {
public:
    // Without USE_WINE the PATH is asked at each run.
    explicit PosixProcessRunner(std::optional<bool> useWine = std::nullopt) : useWine_(useWine) {}
    bool Run(const ProcessRequest& request) override;

private:
    std::optional<bool> useWine_;
};

}  // namespace scrivlet
