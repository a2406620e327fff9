#include "hc/hlp/system_extras.h"

#include <cstdlib>
#include <map>

#include "core/util/convert.h"
#include "core/util/file_io.h"
#include "hc/file_lookup.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr int kSymbolCharset = 2;
constexpr std::size_t kMaxRecord = 0xFFFF;

// "0x409", "1033": one number of the LCID option; nothing when it is none.
std::optional<unsigned> Number(const std::string& word) {
    if (word.empty())
        return std::nullopt;
    char* end = nullptr;
    const unsigned long value = std::strtoul(word.c_str(), &end, 0);
    if (*end != '\0' || value > 0xFFFF)
        return std::nullopt;
    return static_cast<unsigned>(value);
}

// An icon file holds a directory of images first; the viewer takes the
// first image, which must follow the directory of one entry.
bool IsIcon(const std::string& bytes) {
    return bytes.size() > 22 && bytes.compare(0, 4, std::string("\0\0\1\0", 4)) == 0;
}

}  // namespace

SystemExtras FindSystemExtras(const CompileResult& result, Log* log) {
    SystemExtras extras;
    const HelpProject& project = result.project;
    std::vector<std::string> words;
    std::string word;
    for (char c : project.lcid.text + " ") {
        if (c == ' ' || c == '\t' || c == ',') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!words.empty()) {
        if (const auto lcid = Number(words[0]))
            extras.lcid = *lcid;
        if (words.size() > 1)
            extras.sortFlags = Number(words[1]).value_or(0);
        if (words.size() > 2)
            extras.sortFlags2 = Number(words[2]).value_or(0);
    }

    // The text's character set is that of its fonts; symbol fonts have
    // their own and say nothing about the text.
    std::map<int, int> uses;
    for (const Font& font : result.help.fonts) {
        if (font.charset != kSymbolCharset)
            ++uses[font.charset];
    }
    int most = 0;
    for (const auto& [charset, count] : uses) {
        if (count > most) {
            most = count;
            extras.charset = static_cast<unsigned>(charset);
        }
    }
    if (const auto named = Number(project.charset.text); named && *named <= 255) {
        extras.charset = *named;
    }

    if (!project.icon.text.empty()) {
        const Place place{project.fileName, project.icon.line, 0, {}};
        const auto path = FindFile(result.folder, project.icon.text);
        std::optional<std::string> bytes = path ? ReadFileBytes(*path) : std::nullopt;
        std::string problem;
        if (!bytes) {
            problem = "was not found";
        } else if (!IsIcon(*bytes)) {
            problem = "is not an icon file";
        } else if (bytes->size() > kMaxRecord) {
            problem = "is larger than 64 KB";
        } else {
            extras.icon = std::move(*bytes);
        }
        if (!problem.empty() && log != nullptr) {
            log->Report(Code::IconNotUsable, place,
                        "The icon file \"" + project.icon.text + "\" " + problem +
                            "; the help file has no icon.");
        }
    }
    return extras;
}

std::vector<std::pair<std::string, std::string>> WindowConfigFiles(const HelpProject& project) {
    std::map<std::size_t, std::string> files;
    for (const ConfigMacro& macro : project.config) {
        if (macro.window.empty())
            continue;
        for (std::size_t i = 0; i < project.windows.size(); ++i) {
            if (UpperAscii(project.windows[i].name) == UpperAscii(macro.window)) {
                files[i] += macro.macro;
                files[i].push_back('\0');
                break;
            }
        }
    }
    std::vector<std::pair<std::string, std::string>> out;
    for (auto& [window, macros] : files) {
        out.emplace_back("|CF" + std::to_string(window), std::move(macros));
    }
    return out;
}

}  // namespace scrivlet::hc::hlp
