#include <fstream>
#include <istream>
#include <iterator>
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

// One line of the header that is neither a list section nor part of one.
struct HeaderLine {
    std::string text;
    std::size_t line = 0;
};

// Reads the header up to "[TOPICS]" (case-sensitive). A line after which only
// blanks are left also ends it, and is not part of it. A list section is
// read by its count: its entries are taken as they stand, so an entry that
// looks like a section name or like "[TOPICS]" is an entry and nothing else.
class HeaderReader {
public:
    HeaderReader(LineCursor& cursor, const std::string& fileName, Project& project)
        : fileName_(fileName) {
        for (const auto& section : kListSections) {
            (project.*section.list).clear();
        }
        bool read[std::size(kListSections)] = {};
        while (!cursor.AtEnd()) {
            // Copied before looking ahead, which may move the streamed data.
            std::string line(cursor.ReadLine());
            const std::size_t number = cursor.LastLineNumber();
            if (line == "[TOPICS]") {
                sawTopics_ = true;
                return;
            }
            if (cursor.OnlyBlanksLeft()) {
                break;
            }
            std::size_t index = 0;
            while (index < std::size(kListSections) &&
                   (read[index] || !EqualNoCase(line, kListSections[index].name))) {
                ++index;
            }
            if (index == std::size(kListSections)) {
                lines_.push_back({std::move(line), number});
                continue;
            }
            read[index] = true;
            ReadList(cursor, kListSections[index], project.*kListSections[index].list);
        }
        if (!countTooLarge_.empty()) {
            throw ListIndexError(countTooLarge_);
        }
    }

    // Whether the header ended at its "[TOPICS]" line, not at the file's end.
    bool SawTopics() const { return sawTopics_; }

    // The value of the first line whose name (the part before its first "=")
    // equals KEY without regard to case; its line number in LINE.
    std::optional<std::string_view> Value(std::string_view key, std::size_t& line) const {
        for (const auto& header : lines_) {
            const std::string_view text = header.text;
            const auto eq = text.find('=');
            if (eq != std::string_view::npos && EqualNoCase(text.substr(0, eq), key)) {
                line = header.line;
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
    void ReadList(LineCursor& cursor, const ListSection& section, std::vector<std::string>& list) {
        const std::size_t nameLine = cursor.LastLineNumber();
        const std::string name(section.name);
        std::string countText = cursor.AtEnd() ? "[TOPICS]" : std::string(cursor.ReadLine());
        if (countText == "[TOPICS]") {
            throw ListIndexError("The list " + name + " has no count line" +
                                 Where(fileName_, nameLine + 1));
        }
        const std::size_t countLine = cursor.LastLineNumber();
        const int32_t count = ToInt(countText, fileName_, countLine);
        const auto tooMany = [&](int32_t read) {
            return "The list " + name + " counts " + std::to_string(count) +
                   " entries, but the header ends after " + std::to_string(read) +
                   Where(fileName_, countLine);
        };
        for (int32_t i = 1; i <= count; ++i) {
            if (cursor.AtEnd()) {
                throw ListIndexError(countTooLarge_.empty() ? tooMany(i - 1) : countTooLarge_);
            }
            list.emplace_back(cursor.ReadLine());
            // An entry may be "[TOPICS]" itself; but if no "[TOPICS]" line
            // follows the lists, the count ran past the header's end.
            if (list.back() == "[TOPICS]" && countTooLarge_.empty()) {
                countTooLarge_ = tooMany(i - 1);
            }
        }
    }

    const std::string& fileName_;
    std::vector<HeaderLine> lines_;
    bool sawTopics_ = false;
    // The error to report when a list took the "[TOPICS]" line as an entry
    // and the header then never ended.
    std::string countTooLarge_;
};

// The first line of every project file, after an optional UTF-8 byte order
// mark. Anything else is not a project, and saving over it would destroy it.
bool IsProjectFirstLine(std::string_view line) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (line.substr(0, kBom.size()) == kBom) {
        line.remove_prefix(kBom.size());
    }
    return line == "[PROJECT]";
}

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
// ended inside the block; the partial topic is kept all the same. The text
// lines are gathered in LINES, reused from topic to topic, and handed to the
// topic at their final count: a large project's line table then never grows
// by doubling, nor is it copied again to give back what it grew by.
bool ReadTopic(LineCursor& cursor, std::string_view current, TTopic& topic,
               const std::string& fileName, std::vector<std::string>& lines) {
    lines.clear();
    const auto handOver = [&] {
        topic.Text.assign(std::make_move_iterator(lines.begin()),
                          std::make_move_iterator(lines.end()));
    };
    std::string_view line = current;
    for (;;) {
        if (!line.empty() && line[0] == '~') {
            return true;
        }
        // Shorter lines are skipped before the text test, so a lone "{" does
        // not start the text.
        if (line.size() >= 2 && line[0] == '{') {
            lines.emplace_back(line);
            for (;;) {
                if (cursor.AtEnd()) {
                    handOver();
                    return false;
                }
                line = cursor.ReadLine();
                if (!line.empty() && line[0] == '~') {
                    handOver();
                    return true;
                }
                lines.emplace_back(line);
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

    if (!IsProjectFirstLine(cursor.ReadLine())) {
        throw NotAProjectError(NotAProjectMessage(fileName));
    }
    HeaderReader reader(cursor, fileName, project);
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
    if (!reader.SawTopics()) {
        project.CutOff = CutOffRead{0, cursor.LastLineNumber()};
    }
    std::string current(cursor.ReadLine());
    std::vector<std::string> lines;
    while (!cursor.SkipBlanks() || StartsTopicContent(current)) {
        TTopic topic = CreateTopic();
        const bool closed = ReadTopic(cursor, current, topic, fileName, lines);
        project.Topics.Add(std::move(topic));
        if (!closed) {
            project.CutOff = CutOffRead{project.Topics.Count(), cursor.LastLineNumber()};
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

std::string NotAProjectMessage(const std::string& fileName) {
    return fileName + " is not a Scrivlet project: its first line is not [PROJECT].";
}

std::string CutOffWarning(const std::string& fileName, const CutOffRead& cutOff) {
    std::string text = fileName + " ends early, at line " + std::to_string(cutOff.lastLine);
    if (cutOff.topicsRead == 0) {
        text += ", before its topics: no topic was read.";
    } else if (cutOff.topicsRead == 1) {
        text += ": 1 topic was read, and it is incomplete.";
    } else {
        text += ": " + std::to_string(cutOff.topicsRead) +
                " topics were read, the last of them incomplete.";
    }
    return text + "\nSave asks before it replaces the longer original; Save As keeps it.";
}

std::string CutOffSaveQuestion(const std::string& fileName) {
    return fileName +
           " ended early when it was read. Saving replaces it with the part that was read, "
           "and the rest of the original is lost.\nSave over it, or save under another name?";
}

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
