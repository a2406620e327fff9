#include "core/build/rtf_tables.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Numbers are a few digits: compared here rather than by a library call.
bool SameNumber(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

const std::string* Find(const Renumbering& map, std::string_view number) {
    for (const auto& [from, to] : map) {
        if (SameNumber(from, number)) {
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
    if (number.empty() || (terminated && (end >= line.size() || line[end] != '\\'))) {
        return nullptr;
    }
    return Find(map, number);
}

// The first backslash at or after POS, or the end of TEXT. RTF has one every
// few bytes, too many for a search call each: eight bytes are tested at once
// (the lowest byte that equals the backslash marks the first one).
std::size_t NextBackslash(std::string_view text, std::size_t pos) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t kOnes = 0x0101010101010101ULL;
        constexpr uint64_t kHighBits = 0x8080808080808080ULL;
        constexpr uint64_t kBackslashes = kOnes * static_cast<unsigned char>('\\');
        for (; pos + 8 <= text.size(); pos += 8) {
            uint64_t word = 0;
            std::memcpy(&word, text.data() + pos, 8);
            const uint64_t zeroAtBackslash = word ^ kBackslashes;
            const uint64_t found = (zeroAtBackslash - kOnes) & ~zeroAtBackslash & kHighBits;
            if (found != 0) {
                return pos + static_cast<std::size_t>(std::countr_zero(found)) / 8;
            }
        }
    }
    while (pos < text.size() && text[pos] != '\\') {
        ++pos;
    }
    return pos;
}

}  // namespace

void RenumberLineRefsInto(std::string_view line, const Renumbering& fonts,
                          const Renumbering& colors, std::string& out) {
    out.clear();
    if (fonts.empty() && colors.empty()) {
        out.append(line);
        return;
    }
    // A font reference starts with "\f", a colour reference with "\cf": they
    // cannot start at one backslash, and neither holds another backslash, so
    // one pass over the backslashes finds what two passes would.
    std::size_t copied = 0;
    std::size_t pos = 0;
    const std::size_t size = line.size();
    while ((pos = NextBackslash(line, pos)) + 1 < size) {
        std::size_t end = 0;
        const std::string* to = nullptr;
        std::string_view control;
        // Most controls are neither, or have no number ("\\fs22"): they are
        // passed over at their first letters.
        const char next = pos + 2 < size ? line[pos + 2] : ' ';
        if (line[pos + 1] == 'f') {
            if (!fonts.empty() && (next == '-' || IsDigit(next))) {
                control = "\\f";
                to = MappedRef(line, pos, control, true, true, fonts, end);
            }
        } else if (!colors.empty() && line[pos + 1] == 'c' && next == 'f' && pos + 3 < size &&
                   IsDigit(line[pos + 3])) {
            control = "\\cf";
            to = MappedRef(line, pos, control, false, false, colors, end);
        }
        if (to == nullptr) {
            ++pos;
            continue;
        }
        if (copied == 0) {
            out.reserve(size + 16);
        }
        out.append(line.substr(copied, pos - copied));
        out += control;
        out += '~';
        out += *to;
        copied = end;
        pos = end;
    }
    out.append(line.substr(copied));
}

void RenumberLineRefs(std::string& line, const Renumbering& fonts, const Renumbering& colors,
                      std::string& scratch) {
    if (fonts.empty() && colors.empty()) {
        return;
    }
    RenumberLineRefsInto(line, fonts, colors, scratch);
    line.swap(scratch);
}

void RemoveRenumberMarks(std::string& line) {
    // A run of marks goes when "\f" or "\cf" stands right before it: the
    // replacing searched again after each removal, so a whole run went. Only
    // marks are taken out, so every byte looked at is still the original.
    std::size_t mark = line.find('~');
    if (mark == std::string::npos) {
        return;
    }
    char* const text = line.data();
    std::size_t write = mark;
    std::size_t copied = mark;
    while (mark != std::string::npos) {
        std::size_t end = mark;
        while (end < line.size() && text[end] == '~') {
            ++end;
        }
        const bool afterControl = mark >= 2 && text[mark - 1] == 'f' &&
                                  (text[mark - 2] == '\\' ||
                                   (mark >= 3 && text[mark - 2] == 'c' && text[mark - 3] == '\\'));
        if (afterControl) {
            std::memmove(text + write, text + copied, mark - copied);
            write += mark - copied;
            copied = end;
        }
        mark = line.find('~', end);
    }
    std::memmove(text + write, text + copied, line.size() - copied);
    line.resize(write + line.size() - copied);
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
        // Family and name joined, then the blanks at both ends cut, in one string.
        std::string& descriptor = group.descriptor;
        descriptor.reserve(family.size() + name.size());
        descriptor.append(family).append(name);
        const std::size_t first = descriptor.find_first_not_of(' ');
        if (first == std::string::npos) {
            descriptor.clear();
        } else {
            descriptor.erase(descriptor.find_last_not_of(' ') + 1);
            descriptor.erase(0, first);
        }
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
    // Every later topic looks up all of its entries, nearly always found: the
    // key is made in a buffer kept for it, and nothing is added unless new.
    key_.assign(entry);
    for (char& c : key_) {
        c = UpperAscii(c);
    }
    if (const auto found = first_.find(key_); found != first_.end()) {
        return found->second;
    }
    first_.emplace(key_, entries_.size());
    entries_.push_back(entry);
    return entries_.size() - 1;
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
