#include "core/build/rtf_tables.h"

#include <cstring>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

const std::string* Find(const Renumbering& map, std::string_view number) {
    for (const auto& [from, to] : map) {
        if (from == number) {
            return &to;
        }
    }
    return nullptr;
}

// Rewrites every reference CONTROL + number (+ "\" when TERMINATED) whose
// number is in MAP. The whole digit run is the number, so "\cf1" is not a
// prefix of "\cf12"; the terminating backslash may start the next reference.
void RenumberRefs(std::string& line, std::string_view control, bool signedNumber, bool terminated,
                  const Renumbering& map) {
    std::string out;
    std::size_t copied = 0;
    std::size_t pos = 0;
    while ((pos = line.find(control, pos)) != std::string::npos) {
        std::size_t end = pos + control.size();
        if (signedNumber && end < line.size() && line[end] == '-') {
            ++end;
        }
        while (end < line.size() && IsDigit(line[end])) {
            ++end;
        }
        const std::string_view number =
            std::string_view(line).substr(pos + control.size(), end - pos - control.size());
        const std::string* to = number.empty() ? nullptr : Find(map, number);
        if (to == nullptr || (terminated && (end >= line.size() || line[end] != '\\'))) {
            pos += 1;
            continue;
        }
        out.append(line, copied, pos - copied);
        out += control;
        out += '~';
        out += *to;
        copied = end;
        pos = end;
    }
    if (copied > 0) {
        out.append(line, copied, std::string::npos);
        line = std::move(out);
    }
}

// The number after CONTROL at POS and where it ends, as RenumberRefs reads
// it; the mapped number, or nothing.
const std::string* MappedRef(std::string_view line, std::size_t pos, std::string_view control,
                             bool signedNumber, bool terminated, const Renumbering& map,
                             std::size_t& end) {
    end = pos + control.size();
    if (signedNumber && end < line.size() && line[end] == '-') {
        ++end;
    }
    while (end < line.size() && IsDigit(line[end])) {
        ++end;
    }
    const std::string_view number = line.substr(pos + control.size(), end - pos - control.size());
    const std::string* to = number.empty() ? nullptr : Find(map, number);
    if (to == nullptr || (terminated && (end >= line.size() || line[end] != '\\'))) {
        return nullptr;
    }
    return to;
}

}  // namespace

void RenumberLineRefs(std::string& line, const Renumbering& fonts, const Renumbering& colors,
                      std::string& scratch) {
    if (fonts.empty() && colors.empty()) {
        return;
    }
    // A font reference starts with "\f", a colour reference with "\cf": they
    // cannot start at one backslash, and neither holds another backslash, so
    // one pass over the backslashes finds what two passes would.
    scratch.clear();
    std::size_t copied = 0;
    std::size_t pos = 0;
    const std::string_view view(line);
    while ((pos = view.find('\\', pos)) != std::string_view::npos) {
        std::size_t end = 0;
        const std::string* to = nullptr;
        std::string_view control;
        if (!fonts.empty() && view.substr(pos, 2) == "\\f") {
            control = "\\f";
            to = MappedRef(view, pos, control, true, true, fonts, end);
        } else if (!colors.empty() && view.substr(pos, 3) == "\\cf") {
            control = "\\cf";
            to = MappedRef(view, pos, control, false, false, colors, end);
        }
        if (to == nullptr) {
            ++pos;
            continue;
        }
        if (scratch.empty()) {
            scratch.reserve(line.size() + 16);
        }
        scratch.append(view, copied, pos - copied);
        scratch += control;
        scratch += '~';
        scratch += *to;
        copied = end;
        pos = end;
    }
    if (copied > 0) {
        scratch.append(view, copied, std::string_view::npos);
        line.swap(scratch);
    }
}

void RemoveRenumberMarks(std::string& line) {
    const std::size_t mark = line.find('~');
    if (mark == std::string::npos) {
        return;
    }
    // Only a backslash can start a change, and only one close enough to a
    // mark to reach it: the text before that stays as it is.
    std::size_t read = mark >= 3 ? mark - 3 : 0;
    std::size_t write = read;
    const std::size_t size = line.size();
    char* const text = line.data();
    while (read < size) {
        const std::size_t found = line.find('\\', read);
        const std::size_t backslash = found == std::string::npos ? size : found;
        if (write != read) {
            std::memmove(text + write, text + read, backslash - read);
        }
        write += backslash - read;
        read = backslash;
        if (read >= size) {
            break;
        }
        text[write++] = text[read++];
        if (read >= size) {
            break;
        }
        // "\f~" or "\cf~": copy the control's letters, drop the mark.
        std::size_t letters = 0;
        if (text[read] == 'f') {
            letters = 1;
        } else if (text[read] == 'c' && read + 1 < size && text[read + 1] == 'f') {
            letters = 2;
        }
        if (letters > 0 && read + letters < size && text[read + letters] == '~') {
            for (std::size_t i = 0; i < letters; ++i) {
                text[write++] = text[read++];
            }
            // Each removal can join the control to another mark, and the
            // replacing searched again, so a whole run of marks goes.
            while (read < size && text[read] == '~') {
                ++read;
            }
        }
    }
    line.resize(write);
}

std::vector<FontGroup> ScanFontText(std::string_view text) {
    std::vector<FontGroup> groups;
    std::size_t pos = 0;
    while ((pos = text.find("{\\f", pos)) != std::string_view::npos) {
        std::size_t i = pos + 3;
        if (i >= text.size()) {
            break;
        }
        const std::size_t numberStart = i++;  // the first character is taken whatever it is
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        FontGroup group;
        group.number = StrToInt(text.substr(numberStart, i - numberStart));
        const std::size_t familyStart = i;
        if (i < text.size()) {
            ++i;
        }
        while (i < text.size() && text[i] != ' ' && text[i] != '\\') {
            ++i;
        }
        const std::string_view family = text.substr(familyStart, i - familyStart);
        std::string_view name;
        const std::size_t blank = text.find(' ', i);
        if (blank == std::string_view::npos) {
            pos = text.size();
        } else {
            const std::size_t close = text.find('}', blank);
            pos = close == std::string_view::npos ? text.size() : close;
            name = text.substr(blank, pos - blank);
        }
        group.descriptor = std::string(TrimBlanks(std::string(family) + std::string(name)));
        groups.push_back(std::move(group));
    }
    return groups;
}

std::vector<std::string> ScanColorText(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while ((pos = text.find("\\r", pos)) != std::string_view::npos) {
        std::size_t end = text.find(';', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        entries.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
    return entries;
}

void MergedTable::Append(const std::string& entry) {
    first_.emplace(UpperAscii(entry), entries_.size());
    entries_.push_back(entry);
}

std::size_t MergedTable::PositionOf(const std::string& entry) {
    const auto [it, added] = first_.emplace(UpperAscii(entry), entries_.size());
    if (added) {
        entries_.push_back(entry);
    }
    return it->second;
}

void RenumberFontRefs(std::vector<std::string>& lines, const Renumbering& map) {
    if (map.empty()) {
        return;
    }
    for (std::string& line : lines) {
        RenumberRefs(line, "\\f", true, true, map);
    }
}

void RenumberColorRefs(std::vector<std::string>& lines, const Renumbering& map) {
    if (map.empty()) {
        return;
    }
    for (std::string& line : lines) {
        RenumberRefs(line, "\\cf", false, false, map);
    }
}

}  // namespace scrivlet
