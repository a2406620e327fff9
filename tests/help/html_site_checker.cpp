#include "html_site_checker.h"

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>

namespace scrivlet::help::html::testing {
namespace {

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int more = c < 0x80         ? 0
                         : (c >> 5) == 6  ? 1
                         : (c >> 4) == 14 ? 2
                         : (c >> 3) == 30 ? 3
                                          : -1;
        if (more < 0) {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

// Non-void elements must close in the order they opened.
std::string NestingProblem(const std::string& html) {
    static const std::set<std::string> kVoid = {"meta", "link", "br",  "img", "input",
                                                "area", "hr",   "col", "wbr", "source"};
    std::vector<std::string> open;
    std::size_t pos = 0;
    bool inScript = false;
    while ((pos = html.find('<', pos)) != std::string::npos) {
        if (html.compare(pos, 2, "<!") == 0) {
            pos = html.find('>', pos);
            continue;
        }
        const bool closing = html.compare(pos, 2, "</") == 0;
        std::size_t start = pos + (closing ? 2 : 1);
        std::size_t end = start;
        while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end]))) {
            ++end;
        }
        const std::string name = html.substr(start, end - start);
        pos = html.find('>', end);
        if (pos == std::string::npos) {
            return "an unclosed tag";
        }
        if (inScript && !(closing && name == "script")) {
            continue;
        }
        if (name.empty()) {
            return "a stray \"<\"";
        }
        if (closing) {
            if (open.empty() || open.back() != name) {
                return "</" + name + "> closes " +
                       (open.empty() ? "nothing" : "<" + open.back() + ">");
            }
            open.pop_back();
            inScript = false;
        } else if (!kVoid.count(name)) {
            open.push_back(name);
            inScript = name == "script";
        }
    }
    return open.empty() ? std::string() : "<" + open.back() + "> is never closed";
}

std::string Directory(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

SiteFiles ReadSiteFolder(const std::filesystem::path& folder) {
    SiteFiles files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[std::filesystem::relative(entry.path(), folder).generic_string()] = bytes.str();
    }
    return files;
}

std::vector<std::string> AttributeValues(const std::string& html, const std::string& name) {
    std::vector<std::string> values;
    const std::string key = " " + name + "=\"";
    std::size_t pos = 0;
    while ((pos = html.find(key, pos)) != std::string::npos) {
        pos += key.size();
        const std::size_t end = html.find('"', pos);
        values.push_back(html.substr(pos, end - pos));
        pos = end;
    }
    return values;
}

std::vector<std::string> CheckSite(const SiteFiles& files) {
    std::vector<std::string> problems;
    std::map<std::string, std::set<std::string>> ids;
    for (const auto& [path, bytes] : files) {
        if (path.size() < 5 || path.substr(path.size() - 5) != ".html") {
            continue;
        }
        std::set<std::string>& pageIds = ids[path];
        for (const std::string& id : AttributeValues(bytes, "id")) {
            if (!pageIds.insert(id).second) {
                problems.push_back(path + ": the id \"" + id + "\" is given twice");
            }
        }
        for (const std::string& name : AttributeValues(bytes, "name")) {
            pageIds.insert(name);
        }
    }
    for (const auto& [path, bytes] : files) {
        const bool html = path.size() > 5 && path.substr(path.size() - 5) == ".html";
        if (!IsUtf8(bytes) && (html || path.substr(path.size() - 3) == ".js")) {
            problems.push_back(path + ": not UTF-8");
        }
        if (!html) {
            continue;
        }
        if (bytes.rfind("<!DOCTYPE html>\n", 0) != 0 ||
            bytes.find("<meta charset=\"utf-8\">") == std::string::npos) {
            problems.push_back(path + ": no doctype or charset");
        }
        if (const std::string nesting = NestingProblem(bytes); !nesting.empty()) {
            problems.push_back(path + ": " + nesting);
        }
        std::vector<std::string> targets = AttributeValues(bytes, "href");
        for (const std::string& src : AttributeValues(bytes, "src")) {
            targets.push_back(src);
        }
        for (const std::string& map : AttributeValues(bytes, "usemap")) {
            targets.push_back(map);
        }
        for (const std::string& panel : AttributeValues(bytes, "data-popup")) {
            if (!ids[path].count(panel)) {
                problems.push_back(path + ": no pop-up panel \"" + panel + "\"");
            }
        }
        for (const std::string& target : targets) {
            if (target.find(':') != std::string::npos) {
                problems.push_back(path + ": a link out of the site: " + target);
                continue;
            }
            const std::size_t hash = target.find('#');
            const std::string file = target.substr(0, hash);
            const std::string resolved = file.empty() ? path : Directory(path) + file;
            if (!files.count(resolved)) {
                problems.push_back(path + ": " + target + " names no file");
                continue;
            }
            if (hash != std::string::npos && !ids[resolved].count(target.substr(hash + 1))) {
                problems.push_back(path + ": " + target + " names no place in its page");
            }
        }
    }
    return problems;
}

}  // namespace scrivlet::help::html::testing
