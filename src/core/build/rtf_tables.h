#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace scrivlet {

// One "{\f" group of a topic's font table: its number and its descriptor, the
// family word, a blank and the name with its semicolon ("\fswiss Arial;").
struct FontGroup {
    int32_t number = 0;
    std::string descriptor;
    friend bool operator==(const FontGroup&, const FontGroup&) = default;
};

// The font groups of the text after "{\fonttbl", in table order. Control
// words between the family word and the name are dropped. Throws ConvertError
// for a group number that is not an integer.
std::vector<FontGroup> ScanFontText(std::string_view text);

// The entries of the text after "{\colortbl" ("\red0\green0\blue255"), in
// order; the position is the topic's colour number.
std::vector<std::string> ScanColorText(std::string_view text);

// A merged font or colour table: the position of an entry is its number in
// the output. Entries are compared as whole strings without regard to the
// case of a to z; the first of equal entries gives the position.
class MergedTable {
public:
    void Append(const std::string& entry);
    // The position of ENTRY, appended first when the table lacks it.
    std::size_t PositionOf(const std::string& entry);
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
    std::unordered_map<std::string, std::size_t> first_;
    std::string key_;
};

// Old number -> new number of one topic's references.
using Renumbering = std::vector<std::pair<std::string, std::string>>;

// Font references: "\f" + old number + "\" becomes "\f~" + new number + "\";
// a reference not followed directly by a backslash stays.
void RenumberFontRefs(std::vector<std::string>& lines, const Renumbering& map);

// Colour references: "\cf" + old number becomes "\cf~" + new number, only
// where no further digit follows, so colour 1 never catches colour 12.
void RenumberColorRefs(std::vector<std::string>& lines, const Renumbering& map);

// Both of the above on one line in one scan, the font references first as
// if the two ran one after the other. SCRATCH is reused between calls so
// that a long build does not allocate for every line.
void RenumberLineRefs(std::string& line, const Renumbering& fonts, const Renumbering& colors,
                      std::string& scratch);
// The same from LINE into OUT (emptied first, its memory kept), so that a
// line is renumbered on its way from the project to the output.
void RenumberLineRefsInto(std::string_view line, const Renumbering& fonts,
                          const Renumbering& colors, std::string& out);

// Takes out the marks the renumbering left ("\f~" becomes "\f", "\cf~"
// becomes "\cf"), in place.
void RemoveRenumberMarks(std::string& line);

}  // namespace scrivlet
