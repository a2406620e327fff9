#include "core/windows/window_def.h"

#include <algorithm>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

constexpr std::string_view kUnsetPosition = "-1,-1,-1,-1";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a "(...)" part starting at I (which holds the "("): the text up to
// the next ")," pair, or up to the end of the line. Moves I past the ")," .
std::string_view ReadParenthesised(std::string_view line, std::size_t& i) {
    const std::size_t start = i + 1;
    const std::size_t close = line.find("),", start);
    if (close == std::string_view::npos) {
        i = line.size();
        return line.substr(start);
    }
    i = close + 2;
    return line.substr(start, close - start);
}

std::string DigitsOf(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (IsDigit(c)) {
            digits += c;
        }
    }
    return digits;
}

// The next part of a comma-separated text; the last part takes the rest.
std::string NextPart(std::string_view& rest, bool last) {
    if (last) {
        std::string part(rest);
        rest = {};
        return part;
    }
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
        std::string part(rest);
        rest = {};
        return part;
    }
    std::string part(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
    return part;
}

}  // namespace

std::string_view NewWindowLine(std::size_t count) {
    return count == 0 ? kMainWindowLine : kNewWindowLine;
}

std::string WindowNameOf(std::string_view line) {
    return std::string(line.substr(0, line.find('=')));
}

namespace {

// The index of another definition than SKIP named NAME, or defs.size().
std::size_t NamedWindow(const std::vector<std::string>& defs, std::string_view name,
                        std::size_t skip) {
    const std::string upper = UpperAscii(name);
    for (std::size_t i = 0; i < defs.size(); ++i) {
        if (i != skip && UpperAscii(WindowNameOf(defs[i])) == upper) {
            return i;
        }
    }
    return defs.size();
}

}  // namespace

std::string AddedWindowLine(const std::vector<std::string>& defs) {
    std::string line(NewWindowLine(defs.size()));
    const std::string base = WindowNameOf(line);
    std::string name = base;
    for (int n = 2; NamedWindow(defs, name, defs.size()) < defs.size(); ++n) {
        name = base + IntToStr(n);
    }
    return name + line.substr(base.size());
}

std::string WindowNameRefusal(const std::vector<std::string>& defs, std::size_t index,
                              std::string_view name) {
    if (index >= defs.size()) {
        return "";
    }
    const std::string old = WindowNameOf(defs[index]);
    if (name == old) {
        return "";
    }
    const std::string keeps = " The window keeps its name \"" + old + "\".";
    if (name.empty()) {
        return "A window needs a name." + keeps;
    }
    if (name.find_first_of(" \t") != std::string_view::npos) {
        return "The window name \"" + std::string(name) +
               "\" holds a blank; a window name is one word." + keeps;
    }
    const std::size_t other = NamedWindow(defs, name, index);
    if (other < defs.size()) {
        return "There is already a window named \"" + WindowNameOf(defs[other]) + "\"." + keeps;
    }
    return "";
}

WindowDef ParseWindowDef(std::string_view line) {
    WindowDef def;
    const std::size_t eq = line.find('=');
    def.WindowName = WindowNameOf(line);
    if (eq == std::string_view::npos) {
        def.WindowPosition = kUnsetPosition;
        return def;
    }
    const std::size_t end = line.size();
    // The "=" and the opening quotation mark.
    std::size_t i = std::min(eq + 2, end);
    const std::size_t quote = line.find('"', i);
    if (quote == std::string_view::npos) {
        def.WindowCaption = line.substr(i);
        i = end;
    } else {
        def.WindowCaption = line.substr(i, quote - i);
        i = quote;
    }
    // The closing quotation mark and the comma.
    i = std::min(i + 2, end);
    if (i < end && line[i] == '(') {
        def.WindowPosition = ReadParenthesised(line, i);
    } else {
        i = std::min(i + 1, end);  // the comma of the empty position field
    }
    if (i < end) {
        std::string flags(1, line[i++]);
        while (i < end && IsDigit(line[i])) {
            flags += line[i++];
        }
        def.ButtonFlags = flags;
        i = std::min(i + 1, end);
    }
    if (i < end && line[i] == '(') {
        def.ScrollColor = DigitsOf(ReadParenthesised(line, i));
    }
    if (i < end && line[i] == '(') {
        def.FixedColor = DigitsOf(ReadParenthesised(line, i));
    }
    if (i < end) {
        def.StayOnTop = IsDigit(line[i]) ? static_cast<uint8_t>(line[i] - '0') : 0;
    }
    if (def.WindowPosition.empty()) {
        def.WindowPosition = kUnsetPosition;
    }
    return def;
}

WindowFields FieldsOfWindowDef(const WindowDef& def) {
    WindowFields fields;
    fields.Name = def.WindowName;
    fields.Caption = def.WindowCaption;
    fields.Buttons = def.ButtonFlags;
    fields.StayOnTop = def.StayOnTop == 1;
    std::string_view rest = def.WindowPosition;
    fields.X = NextPart(rest, false);
    fields.Y = NextPart(rest, false);
    fields.W = NextPart(rest, false);
    fields.H = NextPart(rest, true);
    fields.FixedColor = StrToInt(def.FixedColor.str());
    fields.ScrollColor = StrToInt(def.ScrollColor.str());
    return fields;
}

namespace {

// A position value as written: unchanged when inside the help-screen range,
// else the nearest value inside it (a window of 99999999 units would be
// thousands of screens wide).
std::string InHelpUnits(const std::string& field, int32_t least) {
    const int32_t value = StrToInt(field);
    if (value >= least && value <= kHelpUnitsMax) {
        return field;
    }
    return IntToStr(std::clamp(value, least, kHelpUnitsMax));
}

}  // namespace

bool PositionIsWritten(const WindowFields& fields) {
    if (fields.X.empty() || fields.Y.empty() || fields.W.empty() || fields.H.empty()) {
        return false;
    }
    // x has no range test, but it must be a number like the others: the line
    // goes into the help project unchanged.
    StrToInt(fields.X);
    return StrToInt(fields.Y) >= 0 && StrToInt(fields.H) > 0 && StrToInt(fields.W) > 0;
}

std::string BuildWindowDef(const WindowFields& fields) {
    std::string line = fields.Name + "=\"" + fields.Caption + "\",";
    if (PositionIsWritten(fields)) {
        line += "(" + InHelpUnits(fields.X, 0) + "," + InHelpUnits(fields.Y, 0) + "," +
                InHelpUnits(fields.W, 1) + "," + InHelpUnits(fields.H, 1) + ")";
    }
    line += "," + fields.Buttons + ",";
    line += "(r" + IntToStr(fields.ScrollColor) + "),";
    line += "(r" + IntToStr(fields.FixedColor) + "),";
    line += fields.StayOnTop ? "1" : "0";
    return line;
}

}  // namespace scrivlet
