#pragma once

#include <filesystem>
#include <string>

namespace scrivlet::web {

// The browser the web tests drive: Debian's chromium, or the one
// SCRIVLET_CHROMIUM names; empty when there is none.
std::string ChromiumPath();

// Runs chromium headless on the page URL with file access between local
// pages, lets its scripts run for up to BUDGET_MS of virtual time, and
// gives the page's DOM as it then stands.
std::string DumpDom(const std::string& chromium, const std::string& url, int budgetMs = 20000);

// Saves a WIDTH x HEIGHT screenshot of URL to PNG.
bool Screenshot(const std::string& chromium, const std::string& url,
                const std::filesystem::path& png, int width, int height);

// "file://" + the absolute path.
std::string FileUrl(const std::filesystem::path& path);

}  // namespace scrivlet::web
