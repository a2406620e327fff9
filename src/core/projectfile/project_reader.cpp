#include <fstream>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/projectfile/line_cursor.h"
#include "core/projectfile/list_sections.h"
#include "core/projectfile/project_file.h"
#include "core/util/convert.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

std::string Where(const std::string& fileName, std::size_t line) {
    return " (" + fileName + ", line " + std::to_string(line) + ")";
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

int32_t ToInt(std::string_view text, const std::string& fileName, std::size_t line) {
    if (auto value = TryStrToInt(text)) {
        return *value;
    }
    throw ConvertError(InvalidIntegerMessage(text) + Where(fileName, line));
}

class HeaderReader {
public:
    HeaderReader(std::vector<std::string> lines, const std::string& fileName)
        : lines_(std::move(lines)), fileName_(fileName) {}

    void ReadLists(Project& project) const {
        for (const auto& section : kListSections) {
            auto& list = project.*section.list;
            list.clear();
            std::size_t at = 0;
            for (; at < lines_.size(); ++at) {
                if (EqualNoCase(lines_[at], section.name)) {
                    break;
                }
            }
            if (at == 0 || at >= lines_.size()) {
                continue;
            }
            const std::size_t countAt = at + 1;
            if (countAt >= lines_.size()) {
                throw ListIndexError("The list " + std::string(section.name) +
                                     " has no count line" + Where(fileName_, countAt + 1));
            }
            const int32_t count = ToInt(lines_[countAt], fileName_, countAt + 1);
            for (int32_t i = 1; i <= count; ++i) {
                const std::size_t entry = countAt + static_cast<std::size_t>(i);
                if (entry >= lines_.size()) {
                    throw ListIndexError("The list " + std::string(section.name) + " counts " +
                                         std::to_string(count) +
                                         " entries, but the header ends after " +
                                         std::to_string(i - 1) + Where(fileName_, countAt + 1));
                }
                list.emplace_back(lines_[entry]);
            }
        }
    }

    // The value of the first line whose name (the part before its first "=")
    // equals KEY without regard to case; its line number in LINE.
    std::optional<std::string_view> Value(std::string_view key, std::size_t& line) const {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::string_view text = lines_[i];
            const auto eq = text.find('=');
            if (eq != std::string_view::npos && EqualNoCase(text.substr(0, eq), key)) {
                line = i + 1;
                return text.substr(eq + 1);
            }
        }
        return std::nullopt;
    }

    std::string String(std::string_view key) const {
        std::size_t line = 0;
        return std::string(Value(key, line).value_or(std::string_view{}));
    }

    bool Flag(std::string_view key) const {
        std::size_t line = 0;
        auto value = Value(key, line);
        if (!value || value->empty()) {
            return true;
        }
        return ToInt(*value, fileName_, line) > 0;
    }

private:
    std::vector<std::string> lines_;
    const std::string& fileName_;
};

void SetField(TTopic& topic, char field, std::string_view value, const std::string& fileName,
              std::size_t line) {
    switch (field) {
        case 'C':
            topic.TopicID = ToInt(value, fileName, line);
            break;
        case 'T':
            topic.Title = value;
            break;
        case 'A':
            topic.ContextString = value;
            break;
        case 'K':
            topic.Keywords = value;
            break;
        case 'O':
            topic.AKeywords = value;
            break;
        case 'B':
            topic.BuildTag = value;
            break;
        case 'S':
            topic.BrowseSeq = value;
            break;
        case 'W':
            topic.Window = value;
            break;
        case 'M':
            topic.EntryMacro = value;
            break;
        case 'X':
            topic.Comment = value;
            break;
        default:
            break;  // other letters are not fields
    }
}

// True for a field line or the first text line: a block that has begun.
bool StartsTopicContent(std::string_view line) {
    return line.size() >= 2 && (line[1] == '=' || line[0] == '{');
}

// Reads one topic block starting with CURRENT. Returns false when the data
// ended inside the block; the partial topic is kept all the same.
bool ReadTopic(LineCursor& cursor, std::string_view current, TTopic& topic,
               const std::string& fileName) {
    std::string_view line = current;
    for (;;) {
        if (!line.empty() && line[0] == '~') {
            return true;
        }
        // Shorter lines are skipped before the text test, so a lone "{" does
        // not start the text.
        if (line.size() >= 2 && line[0] == '{') {
            topic.Text.emplace_back(line);
            for (;;) {
                if (cursor.AtEnd()) {
                    return false;
                }
                line = cursor.ReadLine();
                if (!line.empty() && line[0] == '~') {
                    return true;
                }
                topic.Text.emplace_back(line);
            }
        }
        if (line.size() >= 2 && line[1] == '=') {
            SetField(topic, line[0], line.substr(2), fileName, cursor.LastLineNumber());
        }
        if (cursor.AtEnd()) {
            return false;
        }
        line = cursor.ReadLine();
    }
}

// Reads the whole project from CURSOR into a new project.
Project ParseLines(LineCursor& cursor, const std::string& fileName, const NumberingPrefs& prefs) {
    Project project;
    project.Reset();

    // The header runs up to "[TOPICS]" (case-sensitive). A line after which
    // only blanks are left also ends it, and is not part of it. Lines are
    // copied before looking ahead, which may move the streamed data.
    std::vector<std::string> header;
    header.emplace_back(cursor.ReadLine());
    while (!cursor.AtEnd()) {
        std::string line(cursor.ReadLine());
        if (line == "[TOPICS]" || cursor.OnlyBlanksLeft()) {
            break;
        }
        header.push_back(std::move(line));
    }

    HeaderReader reader(std::move(header), fileName);
    reader.ReadLists(project);
    project.Copyright = reader.String("COPYRIGHT");
    project.HelpTitle = reader.String("TITLE");
    project.Citation = reader.String("CITATION");
    project.DefaultTopic = reader.String("CONTENTS");
    project.ContentsFileName = reader.String("CNT");
    project.HelpFileName = reader.String("HELP");
    project.IncludeTag = reader.String("INCLUDE");
    project.ExcludeTag = reader.String("EXCLUDE");
    project.TemplateFile = reader.String("TEMPLATE");
    project.ShowErrorLog = reader.Flag("ERROR");
    project.ShowHelpAfterCompile = reader.Flag("SHOW");
    project.Compress = reader.Flag("COMPRESS");

    // Topic blocks. Blanks between blocks are skipped. A file that ends inside
    // a block keeps the partial topic, also when that block is a single last
    // line such as "C=5".
    std::string current(cursor.ReadLine());
    while (!cursor.SkipBlanks() || StartsTopicContent(current)) {
        TTopic topic = CreateTopic();
        const bool closed = ReadTopic(cursor, current, topic, fileName);
        project.Topics.Add(std::move(topic));
        if (!closed) {
            break;
        }
        current = cursor.ReadLine();
    }

    if (project.Topics.Empty()) {
        TTopic topic = CreateTopic();
        topic.TopicID = NewTopicNumber(project.Topics, prefs.idCount, prefs.idInc);
        topic.ContextString = DefaultContextString(topic.TopicID);
        project.Topics.Add(std::move(topic));
    }
    project.CurrentTopic = 0;
    project.TopicGridStale = false;
    return project;
}

}  // namespace

Project ParseProject(std::string_view bytes, const std::string& fileName,
                     const NumberingPrefs& prefs) {
    LineCursor cursor(bytes);
    return ParseLines(cursor, fileName, prefs);
}

Project ParseProject(std::istream& in, const std::string& fileName, const NumberingPrefs& prefs,
                     std::size_t chunkSize) {
    LineCursor cursor(in, chunkSize);
    Project project = ParseLines(cursor, fileName, prefs);
    if (cursor.ReadFailed()) {
        throw FileError("Cannot read file " + fileName + ".");
    }
    return project;
}

std::optional<Project> ReadProjectFile(const std::filesystem::path& path,
                                       const NumberingPrefs& prefs) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    // Streamed: the file is never held in memory next to the project.
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileError("Cannot open file " + path.string() + ".");
    }
    Project project = ParseProject(in, path.string(), prefs);
    project.ProjectFileName = path.string();
    project.SetModified(false);
    return project;
}

bool OpenProject(Project& open, const std::filesystem::path& path, const NumberingPrefs& prefs) {
    auto read = ReadProjectFile(path, prefs);
    if (!read) {
        return false;
    }
    open.ReplaceWith(std::move(*read));
    return true;
}

}  // namespace scrivlet
