#include "core/contents/contents_file.h"

#include <filesystem>
#include <system_error>

#include "core/util/convert.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void ReadBase(std::string_view value, ContentsFile& file) {
    // The file part always takes its first character, even a ">".
    std::size_t stop = value.empty() ? 0 : value.find('>', 1);
    if (stop == std::string_view::npos) {
        stop = value.size();
    }
    file.DefaultFile = std::string(value.substr(0, stop));
    file.DefaultWindow = stop < value.size() ? std::string(value.substr(stop + 1)) : std::string();
}

}  // namespace

std::vector<std::string_view> SplitContentsLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string FileNamePart(std::string_view name) {
    const std::size_t sep = name.find_last_of("\\/");
    return std::string(sep == std::string_view::npos ? name : name.substr(sep + 1));
}

void ContentsFile::ClearContents() {
    EntryLines.clear();
    IndexLines.clear();
    TabLines.clear();
    LinkLines.clear();
    DefaultTitle.clear();
    DefaultFile.clear();
    DefaultWindow.clear();
}

void ContentsFile::ReadText(std::string_view bytes) {
    for (const std::string_view line : SplitContentsLines(bytes)) {
        if (line.empty() || line.front() == ';') {
            continue;
        }
        const std::size_t space = line.find(' ');
        const std::string keyword =
            space == std::string_view::npos ? std::string() : UpperAscii(line.substr(0, space));
        const std::string_view value =
            space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        if (keyword == ":BASE") {
            ReadBase(value, *this);
        } else if (keyword == ":TITLE") {
            DefaultTitle = std::string(value);
        } else if (keyword == ":INDEX") {
            IndexLines.emplace_back(value);
        } else if (keyword == ":LINK") {
            LinkLines.emplace_back(value);
        } else if (keyword == ":TAB") {
            TabLines.emplace_back(value);
        } else if (keyword == ":INCLUDE") {
            EntryLines.emplace_back(line);
        } else if (!keyword.empty() && keyword.front() == ':') {
            // Other header commands are not kept.
        } else {
            EntryLines.emplace_back(line);
        }
    }
}

std::string ContentsFile::WriteText() const {
    std::string out;
    auto add = [&out](std::string_view a, std::string_view b = {}) {
        out.append(a);
        out.append(b);
        out.append(kLineEnd);
    };
    if (!DefaultFile.empty()) {
        add(":Base " + DefaultFile, DefaultWindow.empty() ? "" : ">" + DefaultWindow);
    }
    if (!DefaultTitle.empty()) {
        add(":Title ", DefaultTitle);
    }
    for (const auto& line : TabLines) {
        add(":Tab ", line);
    }
    for (const auto& line : IndexLines) {
        add(":Index ", line);
    }
    for (const auto& line : LinkLines) {
        add(":Link ", line);
    }
    for (const auto& line : EntryLines) {
        add(line);
    }
    return out;
}

void ContentsFile::LoadContents(const std::string& path) {
    ClearContents();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return;
    }
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        throw FileError("Cannot open file \"" + path + "\".");
    }
    ReadText(*bytes);
    CntFileName = path;
    CntModified = false;
}

void ContentsFile::SaveContents() {
    WriteFileAtomic(CntFileName, WriteText());
    CntModified = false;
}

ContentsEntry ContentsFile::EntryAt(int index) const {
    if (index < 0 || index >= Count()) {
        ContentsEntry none;
        none.EntryLevel = -1;
        return none;
    }
    return ParseEntry(EntryLines[static_cast<std::size_t>(index)]);
}

}  // namespace scrivlet
