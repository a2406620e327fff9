#include "hc/file_lookup.h"

#include <string>
#include <system_error>
#include <vector>

#include "core/util/convert.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> NameParts(std::string_view name) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : name) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) {
                parts.push_back(std::move(part));
                part.clear();
            }
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(std::move(part));
    }
    return parts;
}

// The entry of FOLDER called PART, exactly or else without regard to case.
std::optional<fs::path> FindEntry(const fs::path& folder, const std::string& part) {
    std::error_code ec;
    if (part == ".") {
        return folder;
    }
    if (part == "..") {
        return folder / "..";
    }
    const fs::path exact = folder / part;
    if (fs::exists(exact, ec)) {
        return exact;
    }
    const std::string upper = UpperAscii(part);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (UpperAscii(it->path().filename().string()) == upper) {
            return it->path();
        }
    }
    return std::nullopt;
}

fs::path StartFolder(const fs::path& folder, std::string_view name) {
    if (!name.empty() && (name.front() == '\\' || name.front() == '/')) {
        return fs::path("/");
    }
    return folder.empty() ? fs::path(".") : folder;
}

}  // namespace

bool IsAbsoluteName(std::string_view name) {
    if (name.size() >= 2 && name[1] == ':') {
        return true;
    }
    return !name.empty() && (name.front() == '\\' || name.front() == '/');
}

std::optional<fs::path> FindFile(const fs::path& folder, std::string_view name) {
    if (name.empty() || (name.size() >= 2 && name[1] == ':')) {
        return std::nullopt;
    }
    fs::path current = StartFolder(folder, name);
    for (const std::string& part : NameParts(name)) {
        auto next = FindEntry(current, part);
        if (!next) {
            return std::nullopt;
        }
        current = std::move(*next);
    }
    std::error_code ec;
    if (!fs::is_regular_file(current, ec)) {
        return std::nullopt;
    }
    return current;
}

fs::path PathForWriting(const fs::path& folder, std::string_view name) {
    fs::path current = StartFolder(folder, name);
    const std::vector<std::string> parts = NameParts(name);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i + 1 == parts.size()) {
            auto existing = FindEntry(current, parts[i]);
            return existing ? *existing : current / parts[i];
        }
        auto next = FindEntry(current, parts[i]);
        current = next ? *next : current / parts[i];
    }
    return current;
}

}  // namespace scrivlet::hc
