#include "core/build/process_runner.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <thread>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool EndsWithExe(const std::string& program) {
    return program.size() >= 4 &&
           UpperAscii(std::string_view(program).substr(program.size() - 4)) == ".EXE";
}

// Waits for PID; when CANCELLED turns true, its process group is asked to
// end, and killed when it has not ended a moment later.
void WaitCancellable(pid_t pid, const std::function<bool()>& cancelled) {
    using namespace std::chrono_literals;
    int status = 0;
    bool asked = false;
    auto killAt = std::chrono::steady_clock::time_point::max();
    while (true) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            return;
        }
        if (!asked && cancelled()) {
            ::kill(-pid, SIGTERM);
            asked = true;
            killAt = std::chrono::steady_clock::now() + 2s;
        } else if (asked && std::chrono::steady_clock::now() >= killAt) {
            ::kill(-pid, SIGKILL);
            killAt = std::chrono::steady_clock::time_point::max();
        }
        std::this_thread::sleep_for(20ms);
    }
}

}  // namespace

std::string CompilerCommandLine(const std::string& program, const std::string& hpjName) {
    return "\"" + program + "\"-x " + hpjName;
}

std::vector<std::string> CompilerArgv(const std::string& program, const std::string& arguments,
                                      bool useWine) {
    std::vector<std::string> argv;
    if (useWine && EndsWithExe(program)) {
        argv.emplace_back("wine");
    }
    argv.push_back(program);
    std::size_t pos = 0;
    while (pos < arguments.size()) {
        const std::size_t end = arguments.find(' ', pos);
        const std::size_t stop = end == std::string::npos ? arguments.size() : end;
        if (stop > pos) {
            argv.push_back(arguments.substr(pos, stop - pos));
        }
        pos = stop + 1;
    }
    return argv;
}

bool WineAvailable() {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return false;
    }
    std::string_view rest(path);
    while (true) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        if (!dir.empty()) {
            const std::string candidate = std::string(dir) + "/wine";
            if (::access(candidate.c_str(), X_OK) == 0) {
                return true;
            }
        }
        if (colon == std::string_view::npos) {
            return false;
        }
        rest.remove_prefix(colon + 1);
    }
}

bool PosixProcessRunner::Run(const ProcessRequest& request) {
    const bool useWine = useWine_.has_value() ? *useWine_ : WineAvailable();
    std::vector<std::string> args = CompilerArgv(request.program, request.arguments, useWine);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    // posix_spawn rather than fork: it does not copy the page tables of a
    // window holding a large project, which would stall the window's own
    // thread for a moment, and it reports a failed chdir or exec itself.
    // The child gets its own process group, so that a cancel reaches what it
    // starts (wine and its helpers) as well.
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawnattr_init(&attributes);
    if (!request.workingFolder.empty()) {
        ::posix_spawn_file_actions_addchdir_np(&actions, request.workingFolder.c_str());
    }
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int failed = ::posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    ::posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        return false;
    }
    if (request.cancelled) {
        WaitCancellable(pid, request.cancelled);
    } else {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return true;
}

}  // namespace scrivlet
