#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// The plain-text codes the editor's commands insert into topic text and the
// build later translates. Letters are lower case as inserted.

// The link appearance choices of the special link dialog, in list order.
enum class LinkAppearance : int { GreenUnderline = 0, UnderlineOnly = 1, NoColor = 2 };

// "" for the default green hotspot, "*" for underline only, "%" for no colour
// or underline. Any index other than 1 and 2 gives the empty prefix.
std::string LinkPrefix(int appearanceIndex);

// "[href=" (a topic of this project) or "[link=" (anything else), then
// PREFIX, TARGET, ">" and WINDOW when WINDOW is not empty, then "]".
std::string BuildLinkCode(bool projectTopic, std::string_view prefix, std::string_view target,
                          std::string_view window);

// Each line followed by ";", the last line included; an empty line gives
// only its ";".
std::string JoinMacroLines(const std::vector<std::string>& lines);

// The target of a macro link: "!" and the joined macro lines.
std::string MacroTarget(const std::vector<std::string>& lines);

// The target of a link into another help file: TOPIC "@" FILE.
std::string OtherFileTarget(std::string_view topic, std::string_view file);

// The alignment choices of the image dialog, in radio group order.
enum class ImageAlign : int { Left = 0, Character = 1, Right = 2 };

// "{bm" + "l", "c" or "r" + "t" when transparent + " " + FILENAME + "}", cut
// to its first 255 characters.
inline constexpr std::size_t kImageCodeMax = 255;
std::string BuildImageCode(ImageAlign align, bool transparent, std::string_view fileName);

// "{button " + CAPTION + ", " + each macro line and ";" + "}".
std::string BuildButtonCode(std::string_view caption, const std::vector<std::string>& macroLines);

// "[#=" + NAME + "]", the name as typed, also when empty.
std::string BuildAnchorCode(std::string_view name);

inline constexpr const char* kKeepnCode = "[keepn]";

// The size the keep-with-next marker is inserted in: text larger than 12
// points gives 8 points, so the marker does not heighten a heading line.
double KeepnFontSize(double pointSize);

// Splits the text of a multi-line edit into its lines. A final line break
// does not start a line; an empty text has no lines.
std::vector<std::string> SplitEditLines(std::string_view text);

}  // namespace scrivlet
