#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/short_string.h"

namespace scrivlet {

// A help window definition line, split into its parts. The window
// definitions dialog shows one of these in its fields.
struct WindowDef {
    ShortString WindowName;
    // x, y, w and h joined by commas; "-1,-1,-1,-1" when the line has none.
    ShortString WindowPosition;
    // Decimal digit strings of the two colours (red in the low byte).
    ShortString FixedColor;
    ShortString ScrollColor;
    ShortString WindowCaption;
    // The state and buttons field as it stands in the line (normally digits).
    ShortString ButtonFlags;
    uint8_t StayOnTop = 0;

    friend bool operator==(const WindowDef&, const WindowDef&) = default;
};

// The text of the fields a definition line is built from.
struct WindowFields {
    std::string Name;
    std::string Caption;
    std::string X = "-1";
    std::string Y = "-1";
    std::string W = "-1";
    std::string H = "-1";
    std::string Buttons = "0";
    int32_t ScrollColor = kWhite;
    int32_t FixedColor = kWhite;
    bool StayOnTop = false;

    static constexpr int32_t kWhite = 16777215;

    friend bool operator==(const WindowFields&, const WindowFields&) = default;
};

// Limits of the dialog: definitions in all, and typed name and caption length.
inline constexpr std::size_t kMaxWindowDefs = 50;
inline constexpr std::size_t kMaxWindowNameLength = 8;
inline constexpr std::size_t kMaxWindowCaptionLength = 50;

// The first definition of a project, and every further one (a secondary
// window starts as stay-on-top).
inline constexpr std::string_view kMainWindowLine =
    "main=\"\",(-1,-1,-1,-1),0,(r16777215),(r16777215),0";
inline constexpr std::string_view kNewWindowLine =
    "new=\"\",(-1,-1,-1,-1),0,(r16777215),(r16777215),1";

// The line "Add" appends to a list holding COUNT definitions.
std::string_view NewWindowLine(std::size_t count);

// The line "Add" appends to DEFS: NewWindowLine's, its name made one no
// other definition has ("new", "new2", "new3" ...), since two windows of one
// name would leave one of them out of every build.
std::string AddedWindowLine(const std::vector<std::string>& defs);

// The message that refuses NAME typed for the definition at INDEX of DEFS,
// "" when it may stand: a name that is empty, holds a blank, or is another
// definition's name (names compare without regard to case) breaks every
// reference to the window. A name left as the line has it always stands, so
// a list read with such a name can still be edited.
std::string WindowNameRefusal(const std::vector<std::string>& defs, std::size_t index,
                              std::string_view name);

// Splits a definition line. Never fails: a line that lacks the expected marks
// gives empty or shortened parts.
WindowDef ParseWindowDef(std::string_view line);

// The window name of a line: the text before the first "=".
std::string WindowNameOf(std::string_view line);

// The fields that show a parsed definition. Throws ConvertError when a colour
// part holds no number, so nothing is shown half.
WindowFields FieldsOfWindowDef(const WindowDef& def);

// The position is written only when all four fields are filled, y is 0 or
// more and w and h are more than 0. Throws ConvertError when a filled field
// is not an integer.
bool PositionIsWritten(const WindowFields& fields);

// Help window positions and sizes are in units of 1/1024 of the screen, from
// 0 to this.
inline constexpr int32_t kHelpUnitsMax = 1023;

// The definition line of the fields; a position value outside the help
// units (x and y from 0, w and h from 1, all up to kHelpUnitsMax) is written
// as the nearest value inside. Throws ConvertError as PositionIsWritten.
std::string BuildWindowDef(const WindowFields& fields);

}  // namespace scrivlet
