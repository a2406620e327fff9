#include "core/build/process_runner.h"

#include <fcntl.h>
#include <signal.h>
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

    // The child reports a failed chdir or exec through this pipe; a pipe
    // closed by a successful exec means the program started.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (pid == 0) {
        ::close(report[0]);
        // Its own process group, so that a cancel reaches what it starts
        // (wine and its helpers) as well.
        ::setpgid(0, 0);
        if (request.workingFolder.empty() || ::chdir(request.workingFolder.c_str()) == 0) {
            ::execvp(argv[0], argv.data());
        }
        const int err = errno;
        [[maybe_unused]] const ssize_t n = ::write(report[1], &err, sizeof err);
        ::_exit(127);
    }
    ::close(report[1]);
    int childErr = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &childErr, sizeof childErr);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (request.cancelled) {
        WaitCancellable(pid, request.cancelled);
    } else {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return got == 0;
}

}  // namespace scrivlet
