#include "core/contents/contents_entry.h"

#include <limits>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Trailing blanks and control characters: every byte up to the space.
bool IsTrimmable(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// From POS, a field that always takes its first character and then stops
// before the first of STOPS; returns where it stopped.
std::size_t TakeField(std::string_view line, std::size_t pos, std::string_view stops,
                      ShortString& field) {
    if (pos >= line.size()) {
        return line.size();
    }
    std::size_t end = line.find_first_of(stops, pos + 1);
    if (end == std::string_view::npos) {
        end = line.size();
    }
    field = line.substr(pos, end - pos);
    return end;
}

}  // namespace

std::string StripComment(std::string_view text) {
    const std::size_t semicolon = text.rfind(';');
    if (semicolon == std::string_view::npos) {
        return std::string(text);
    }
    std::size_t end = semicolon;
    while (end > 0 && IsTrimmable(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(0, end));
}

ContentsEntry ParseEntry(std::string_view rawLine) {
    ContentsEntry entry;
    if (rawLine.empty()) {
        return entry;
    }
    const std::string stripped =
        rawLine.front() == ';' ? std::string(rawLine) : StripComment(rawLine);
    const std::string_view line = stripped;
    if (!line.empty() && (line.front() == ':' || line.front() == ';')) {
        entry.EntryTitle = line;
        return entry;
    }

    std::size_t pos = 0;
    int64_t level = 0;
    while (pos < line.size() && IsDigit(line[pos])) {
        // Absurdly long digit runs saturate instead of overflowing.
        level =
            std::min<int64_t>(level * 10 + (line[pos] - '0'), std::numeric_limits<int32_t>::max());
        ++pos;
    }
    entry.EntryLevel = static_cast<int32_t>(level);
    ++pos;  // the separator after the level, normally a space

    pos = TakeField(line, pos, "=", entry.EntryTitle);
    if (pos >= line.size()) {
        return entry;  // a heading
    }
    ++pos;
    if (pos < line.size() && line[pos] == '!') {
        entry.EntryTarget = line.substr(pos);
        return entry;
    }
    pos = TakeField(line, pos, "@>", entry.EntryTarget);
    if (pos >= line.size()) {
        return entry;
    }
    if (line[pos] == '@') {
        pos = TakeField(line, pos + 1, ">", entry.EntryFile);
        if (pos >= line.size()) {
            return entry;
        }
    }
    entry.EntryWindow = line.substr(pos + 1);
    return entry;
}

bool IsComment(const ContentsEntry& entry) {
    return !entry.EntryTitle.empty() && entry.EntryTitle[0] == ';';
}

bool IsInclude(const ContentsEntry& entry) {
    return UpperAscii(entry.EntryTitle.str().substr(0, 8)) == ":INCLUDE";
}

bool IsPage(const ContentsEntry& entry) {
    return !entry.EntryTarget.empty();
}

bool IsMacro(const ContentsEntry& entry) {
    return !entry.EntryTarget.empty() && entry.EntryTarget[0] == '!';
}

bool IsBook(const ContentsEntry& entry) {
    return entry.EntryLevel >= 0 && entry.EntryTarget.empty() && !IsComment(entry) &&
           !IsInclude(entry);
}

std::size_t LevelDigitCount(std::string_view line) {
    std::size_t count = 0;
    while (count < line.size() && IsDigit(line[count])) {
        ++count;
    }
    return count;
}

std::string WithLevel(std::string_view line, int32_t level) {
    return IntToStr(level) + std::string(line.substr(LevelDigitCount(line)));
}

}  // namespace scrivlet
