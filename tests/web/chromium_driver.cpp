#include "chromium_driver.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace scrivlet::web {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

std::string Options(const fs::path& profile) {
    // Root in a container has no sandbox to give; the profile folder keeps
    // runs apart.
    return " --headless --no-sandbox --disable-gpu --no-first-run --disable-dev-shm-usage"
           " --allow-file-access-from-files --hide-scrollbars --user-data-dir=" +
           Quoted(profile.string());
}

fs::path Profile() {
    return fs::temp_directory_path() / "scrivlet-web-test-profile";
}

}  // namespace

std::string ChromiumPath() {
    if (const char* named = std::getenv("SCRIVLET_CHROMIUM"); named != nullptr && *named != '\0') {
        return fs::exists(named) ? named : "";
    }
    for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser"}) {
        if (fs::exists(path)) {
            return path;
        }
    }
    return {};
}

std::string DumpDom(const std::string& chromium, const std::string& url, int budgetMs) {
    const std::string command = Quoted(chromium) + Options(Profile()) +
                                " --virtual-time-budget=" + std::to_string(budgetMs) +
                                " --dump-dom " + Quoted(url) + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    if (!pipe) {
        return out;
    }
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
        out.append(buffer.data(), n);
    }
    return out;
}

bool Screenshot(const std::string& chromium, const std::string& url, const fs::path& png, int width,
                int height) {
    const std::string command =
        Quoted(chromium) + Options(Profile()) +
        " --virtual-time-budget=3000 --window-size=" + std::to_string(width) + "," +
        std::to_string(height) + " --screenshot=" + Quoted(png.string()) + " " + Quoted(url) +
        " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 && fs::exists(png);
}

std::string FileUrl(const fs::path& path) {
    return "file://" + fs::absolute(path).lexically_normal().string();
}

}  // namespace scrivlet::web
