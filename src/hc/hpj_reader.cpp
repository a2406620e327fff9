#include "hc/hpj_reader.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "core/util/convert.h"
#include "hc/window_line.h"

namespace scrivlet::hc {
namespace {

constexpr int kMaxIncludeDepth = 8;
constexpr std::size_t kMaxWindowName = 8;

// A ";" starts a comment after a value too, outside quotation marks. Macro
// lines separate macros with ";", so there only a ";" after a blank and
// outside the macros' parentheses and quoted strings starts one.
std::string_view WithoutComment(std::string_view text, bool macros) {
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            }
            continue;
        }
        if (c == '"') {
            quote = '"';
        } else if (macros && c == '`') {
            quote = '\'';
        } else if (macros && c == '(') {
            ++depth;
        } else if (macros && c == ')') {
            --depth;
        } else if (c == ';' && (!macros || (depth <= 0 && i > 0 &&
                                            (text[i - 1] == ' ' || text[i - 1] == '\t')))) {
            return TrimBlanksAndTabs(text.substr(0, i));
        }
    }
    return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

// Options WinHelp compilers know that this one reads but does not act on.
constexpr std::array<std::string_view, 18> kUnsupportedOptions{"DBCS",
                                                               "DEFFONT",
                                                               "FORCEFONT",
                                                               "FTS",
                                                               "INDEX_SEPARATORS",
                                                               "LANGUAGE",
                                                               "MAPFONTSIZE",
                                                               "MULTIKEY",
                                                               "NOTES",
                                                               "OLDKEYPHRASE",
                                                               "OPTCDROM",
                                                               "PREFIX",
                                                               "REVISIONS",
                                                               "TMPDIR",
                                                               "WARNING",
                                                               "CONTENTS_SEARCH",
                                                               "REPLACE",
                                                               "NOTE"};

enum class Section {
    None,
    Options,
    Files,
    Map,
    Windows,
    Config,
    Alias,
    Bitmaps,
    BuildTags,
    Include,
    Exclude,
    Skipped,
};

class ProjectReader {
public:
    ProjectReader(HelpProject& project, Log& log, const IncludeLoader& loader)
        : project_(project), log_(log), loader_(loader) {}

    void Read(std::string_view bytes) {
        const auto lines = SplitLines(bytes);
        // Any line may be a [MAP] entry: room for them all at once.
        mapContexts_.reserve(mapContexts_.size() + lines.size());
        mapNumbers_.reserve(mapNumbers_.size() + lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            line_ = static_cast<int>(i) + 1;
            ReadLine(lines[i]);
        }
    }

private:
    Place Here() const { return {project_.fileName, line_, 0, {}}; }

    void ReadLine(std::string_view raw) {
        std::string_view text = TrimBlanksAndTabs(raw);
        if (line_ == 1 && text.substr(0, 3) == "\xEF\xBB\xBF") {
            text = TrimBlanksAndTabs(text.substr(3));
        }
        if (text.empty() || text.front() == ';') {
            return;
        }
        if (text.front() == '[') {
            ReadSectionHeader(text);
            return;
        }
        text = WithoutComment(text, section_ == Section::Config);
        if (text.empty()) {
            return;
        }
        switch (section_) {
            case Section::None:
                log_.Report(Code::LineOutsideSection, Here(),
                            "This line is not in any section; it is ignored.");
                section_ = Section::Skipped;
                break;
            case Section::Options:
                ReadOption(text);
                break;
            case Section::Files:
                project_.files.push_back({std::string(text), line_, project_.fileName});
                break;
            case Section::Map:
                ReadMapLine(text, project_.fileName, line_, 0);
                break;
            case Section::Windows:
                ReadWindowLine(text);
                break;
            case Section::Config:
                project_.config.push_back({configWindow_, std::string(text), line_});
                break;
            case Section::Alias:
                ReadAliasLine(text);
                break;
            case Section::Bitmaps:
                project_.bitmaps.push_back({std::string(text), line_, project_.fileName});
                break;
            case Section::BuildTags:
                project_.buildTags.push_back({std::string(text), line_, project_.fileName});
                break;
            case Section::Include:
                project_.includeTags.push_back({std::string(text), line_, project_.fileName});
                break;
            case Section::Exclude:
                project_.excludeTags.push_back({std::string(text), line_, project_.fileName});
                break;
            case Section::Skipped:
                break;
        }
    }

    void ReadSectionHeader(std::string_view text) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) {
            log_.Report(Code::UnknownSection, Here(),
                        "The section name \"" + std::string(text) +
                            "\" has no closing \"]\"; the section is ignored.");
            section_ = Section::Skipped;
            return;
        }
        const std::string_view rawName = TrimBlanksAndTabs(text.substr(1, close - 1));
        const std::string name = UpperAscii(rawName);
        configWindow_.clear();
        static const std::array<std::pair<std::string_view, Section>, 10> known{{
            {"OPTIONS", Section::Options},
            {"FILES", Section::Files},
            {"MAP", Section::Map},
            {"WINDOWS", Section::Windows},
            {"CONFIG", Section::Config},
            {"ALIAS", Section::Alias},
            {"BITMAPS", Section::Bitmaps},
            {"BUILDTAGS", Section::BuildTags},
            {"INCLUDE", Section::Include},
            {"EXCLUDE", Section::Exclude},
        }};
        for (const auto& [known_name, section] : known) {
            if (name == known_name) {
                section_ = section;
                return;
            }
        }
        // [CONFIG-name] and [CONFIG:name] hold the macros of one window.
        if (name.size() > 7 && name.compare(0, 6, "CONFIG") == 0 &&
            (name[6] == '-' || name[6] == ':')) {
            section_ = Section::Config;
            configWindow_ = std::string(TrimBlanksAndTabs(rawName.substr(7)));
            return;
        }
        section_ = Section::Skipped;
        if (name == "BAGGAGE" || name == "FONTS" || name == "MACROS" || name == "CHARTAB" ||
            name == "GROUPS") {
            log_.Report(Code::SectionNotSupported, Here(),
                        "The section [" + name + "] is not supported; it is ignored.");
        } else {
            log_.Report(Code::UnknownSection, Here(),
                        "Unknown section [" + std::string(rawName) + "]; it is ignored.");
        }
    }

    // A single-valued option: a second line overrides the first, with a note.
    void SetSingle(ProjectLine& target, const std::string& key, std::string_view value) {
        if (target.line != 0) {
            log_.Report(Code::OptionTwice, Here(),
                        "The option " + key + " is given twice; this line is used.");
        }
        target = {std::string(value), line_, project_.fileName};
    }

    void AddFolders(std::vector<ProjectLine>& target, std::string_view value) {
        std::size_t start = 0;
        while (start <= value.size()) {
            std::size_t comma = value.find(',', start);
            if (comma == std::string_view::npos) {
                comma = value.size();
            }
            const std::string_view folder = TrimBlanksAndTabs(value.substr(start, comma - start));
            if (!folder.empty()) {
                target.push_back({std::string(folder), line_, project_.fileName});
            }
            start = comma + 1;
        }
    }

    std::optional<bool> ReadYesNo(std::string_view value) {
        const std::string upper = UpperAscii(value);
        if (upper == "YES" || upper == "TRUE" || upper == "ON" || upper == "1") {
            return true;
        }
        if (upper == "NO" || upper == "FALSE" || upper == "OFF" || upper == "0") {
            return false;
        }
        return std::nullopt;
    }

    void ReadOption(std::string_view text) {
        const std::size_t eq = text.find('=');
        if (eq == std::string_view::npos) {
            log_.Report(Code::BadOptionValue, Here(),
                        "\"" + std::string(text) + "\" is not an option: \"=\" is missing.");
            return;
        }
        const std::string key = UpperAscii(TrimBlanksAndTabs(text.substr(0, eq)));
        const std::string_view value = TrimBlanksAndTabs(text.substr(eq + 1));
        if (key == "COMPRESS") {
            ReadCompress(value);
        } else if (key == "REPORT") {
            const auto yes = ReadYesNo(value);
            if (!yes) {
                log_.Report(Code::BadOptionValue, Here(),
                            "REPORT must be Yes or No, not \"" + std::string(value) + "\".");
                return;
            }
            project_.report = *yes;
        } else if (key == "ERRORLOG") {
            SetSingle(project_.errorLog, key, value);
        } else if (key == "CONTENTS") {
            SetSingle(project_.contents, key, value);
        } else if (key == "TITLE") {
            SetSingle(project_.title, key, value);
        } else if (key == "CNT") {
            SetSingle(project_.cnt, key, value);
        } else if (key == "COPYRIGHT") {
            SetSingle(project_.copyright, key, value);
        } else if (key == "CITATION") {
            SetSingle(project_.citation, key, value);
        } else if (key == "HLP") {
            SetSingle(project_.hlp, key, value);
        } else if (key == "LCID") {
            SetSingle(project_.lcid, key, value);
        } else if (key == "BUILD") {
            SetSingle(project_.buildExpression, key, value);
        } else if (key == "ICON") {
            SetSingle(project_.icon, key, value);
        } else if (key == "CHARSET") {
            const auto number = TryStrToInt(value);
            if (!number || *number < 0 || *number > 255) {
                log_.Report(Code::BadOptionValue, Here(),
                            "CHARSET must be a character set number from 0 to 255, not \"" +
                                std::string(value) + "\"; the fonts' character set is used.");
                return;
            }
            SetSingle(project_.charset, key, value);
        } else if (key == "BMROOT") {
            AddFolders(project_.bmRoots, value);
        } else if (key == "ROOT") {
            AddFolders(project_.roots, value);
        } else if (key == "HCW") {
            // The authoring workshop's own note to itself; nothing to build.
        } else if (std::find(kUnsupportedOptions.begin(), kUnsupportedOptions.end(), key) !=
                   kUnsupportedOptions.end()) {
            log_.Report(Code::OptionNotSupported, Here(),
                        "The option " + key + " is not supported; it is ignored.");
        } else {
            log_.Report(Code::UnknownOption, Here(),
                        "Unknown option \"" + std::string(TrimBlanksAndTabs(text.substr(0, eq))) +
                            "\"; it is ignored.");
        }
    }

    // "12 Hall Zeck": the level, then the names of the methods it stands for.
    // The level's bits: 4 phrase compression ("Hall"), 8 block compression
    // ("Zeck"); 1, Yes and High ask for both, Medium and Low for blocks only.
    void ReadCompress(std::string_view value) {
        if (const std::size_t blank = value.find_first_of(" \t");
            blank != std::string_view::npos && TryStrToInt(value.substr(0, blank))) {
            value = value.substr(0, blank);
        }
        const std::string upper = UpperAscii(value);
        if (upper == "0" || upper == "NO" || upper == "FALSE" || upper == "OFF" ||
            upper == "NONE") {
            project_.compress = 0;
        } else if (upper == "1" || upper == "YES" || upper == "TRUE" || upper == "ON" ||
                   upper == "HIGH" || upper == "MAXIMUM") {
            project_.compress = 12;
        } else if (upper == "MEDIUM" || upper == "LOW") {
            project_.compress = 8;
        } else if (const auto n = TryStrToInt(value); n && *n >= 0 && *n <= 255) {
            project_.compress = *n;
        } else {
            log_.Report(
                Code::BadOptionValue, Here(),
                "COMPRESS must be a number or Yes or No, not \"" + std::string(value) + "\".");
        }
    }

    // Drops "//" and "/* ... */" comments, which [MAP] lines share with C
    // headers.
    static std::string WithoutCComments(std::string_view text) {
        std::string out;
        std::size_t i = 0;
        while (i < text.size()) {
            if (text.compare(i, 2, "//") == 0) {
                break;
            }
            if (text.compare(i, 2, "/*") == 0) {
                const std::size_t end = text.find("*/", i + 2);
                if (end == std::string_view::npos) {
                    break;
                }
                i = end + 2;
                out += ' ';
                continue;
            }
            out += text[i++];
        }
        return out;
    }

    static std::vector<std::string_view> Words(std::string_view text) {
        std::vector<std::string_view> words;
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '=')) {
                ++i;
            }
            const std::size_t start = i;
            while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '=') {
                ++i;
            }
            if (i > start) {
                words.push_back(text.substr(start, i - start));
            }
        }
        return words;
    }

    void ReadMapLine(std::string_view raw, const std::string& file, int line, int depth) {
        const std::string clean = WithoutCComments(raw);
        const std::string_view text = TrimBlanksAndTabs(clean);
        if (text.empty()) {
            return;
        }
        const Place place{file, line, 0, {}};
        std::vector<std::string_view> words = Words(text);
        const bool inHeader = depth > 0;
        if (!words.empty() && words[0].front() == '#') {
            const std::string directive = UpperAscii(words[0]);
            if (directive == "#INCLUDE") {
                ReadInclude(TrimBlanksAndTabs(text.substr(8)), place, depth);
                return;
            }
            if (directive != "#DEFINE") {
                if (!inHeader) {
                    log_.Report(Code::BadMapLine, place,
                                "\"" + std::string(words[0]) +
                                    "\" is not read; the line is "
                                    "ignored.");
                }
                return;
            }
            words.erase(words.begin());
        } else if (inHeader && (words.size() != 2 || !TryStrToInt(words[1]))) {
            // C declarations and the like in a header; a help map file (.hm)
            // holds bare "context number" lines, which are read as in [MAP].
            return;
        }
        if (words.size() != 2) {
            log_.Report(Code::BadMapLine, place,
                        "\"" + std::string(text) + "\" is not a context string and a number.");
            return;
        }
        const auto number = TryStrToInt(words[1]);
        if (!number) {
            log_.Report(Code::BadMapLine, place,
                        "\"" + std::string(words[1]) + "\" is not a context number.");
            return;
        }
        MapEntry entry{std::string(words[0]), static_cast<uint32_t>(*number), line, file};
        // Indexed, so that a [MAP] of many thousand lines stays linear.
        if (!mapContexts_.emplace(UpperAscii(entry.context), project_.map.size()).second) {
            log_.Report(Code::MapContextTwice, place,
                        "The context string \"" + entry.context +
                            "\" is mapped twice; the first number is used.");
            return;
        }
        const auto [other, fresh] = mapNumbers_.emplace(entry.number, project_.map.size());
        if (!fresh) {
            log_.Report(Code::MapNumberTwice, place,
                        "The context number " + std::to_string(entry.number) + " is given to \"" +
                            project_.map[other->second].context + "\" and to \"" + entry.context +
                            "\".");
        }
        project_.map.push_back(std::move(entry));
    }

    void ReadInclude(std::string_view name, const Place& place, int depth) {
        if (name.size() >= 2 && ((name.front() == '<' && name.back() == '>') ||
                                 (name.front() == '"' && name.back() == '"'))) {
            name = name.substr(1, name.size() - 2);
        }
        const std::string file(TrimBlanksAndTabs(name));
        if (depth >= kMaxIncludeDepth) {
            log_.Report(Code::IncludeNotFound, place,
                        "\"" + file + "\" is included too deeply; it is not read.");
            return;
        }
        const std::string key = UpperAscii(file);
        if (std::find(includeStack_.begin(), includeStack_.end(), key) != includeStack_.end()) {
            log_.Report(Code::IncludeNotFound, place,
                        "\"" + file + "\" includes itself; it is not read again.");
            return;
        }
        std::optional<std::string> bytes = loader_ ? loader_(file) : std::nullopt;
        if (!bytes) {
            log_.Report(Code::IncludeNotFound, place,
                        "The included file \"" + file + "\" was not found.");
            return;
        }
        includeStack_.push_back(key);
        const auto lines = SplitLines(*bytes);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ReadMapLine(lines[i], file, static_cast<int>(i) + 1, depth + 1);
        }
        includeStack_.pop_back();
    }

    void ReadAliasLine(std::string_view text) {
        const std::size_t eq = text.find('=');
        const std::string_view alias = TrimBlanksAndTabs(text.substr(0, eq));
        const std::string_view target = eq == std::string_view::npos
                                            ? std::string_view{}
                                            : TrimBlanksAndTabs(text.substr(eq + 1));
        if (eq == std::string_view::npos || alias.empty() || target.empty()) {
            log_.Report(Code::BadAliasLine, Here(),
                        "\"" + std::string(text) + "\" is not \"alias = context string\".");
            return;
        }
        for (const AliasEntry& other : project_.aliases) {
            if (EqualsNoCase(other.alias, alias)) {
                log_.Report(
                    Code::AliasTwice, Here(),
                    "The alias \"" + std::string(alias) + "\" is given twice; the first is used.");
                return;
            }
        }
        project_.aliases.push_back({std::string(alias), std::string(target), line_});
    }

    void ReadWindowLine(std::string_view text) {
        const std::size_t eq = text.find('=');
        if (eq == std::string_view::npos || TrimBlanksAndTabs(text.substr(0, eq)).empty()) {
            log_.Report(Code::BadWindowLine, Here(),
                        "\"" + std::string(text) + "\" is not \"name = definition\".");
            return;
        }
        WindowDefinition window;
        window.name = std::string(TrimBlanksAndTabs(text.substr(0, eq)));
        window.line = line_;
        const std::string fault = ReadWindowFields(text.substr(eq + 1), window);
        if (!fault.empty()) {
            log_.Report(
                Code::BadWindowLine, Here(),
                "The window \"" + window.name + "\" is not defined correctly: " + fault + ".");
            return;
        }
        if (window.name.size() > kMaxWindowName) {
            log_.Report(Code::WindowNameTooLong, Here(),
                        "The window name \"" + window.name + "\" is longer than " +
                            std::to_string(kMaxWindowName) + " characters.");
        }
        for (const WindowDefinition& other : project_.windows) {
            if (EqualsNoCase(other.name, window.name)) {
                log_.Report(Code::WindowDefinedTwice, Here(),
                            "The window \"" + window.name +
                                "\" is defined twice; the first definition is used.");
                return;
            }
        }
        project_.windows.push_back(std::move(window));
    }

    HelpProject& project_;
    Log& log_;
    const IncludeLoader& loader_;
    Section section_ = Section::None;
    std::string configWindow_;
    int line_ = 0;
    std::unordered_map<std::string, std::size_t> mapContexts_;
    std::unordered_map<uint32_t, std::size_t> mapNumbers_;
    std::vector<std::string> includeStack_;  // the headers being read, upper case
};

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

HelpProject ReadHelpProject(std::string_view bytes, const std::string& fileName, Log& log,
                            const IncludeLoader& loadInclude) {
    HelpProject project;
    project.fileName = fileName;
    ProjectReader(project, log, loadInclude).Read(bytes);
    return project;
}

}  // namespace scrivlet::hc
