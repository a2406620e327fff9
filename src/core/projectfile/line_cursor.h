#pragma once

#include <cstddef>
#include <string_view>

namespace scrivlet {

// Reads 8-bit text by lines the way project and contents files are read: a
// line ends at CR, an LF directly after that CR belongs to the line end, a
// lone LF is an ordinary character, and byte 26 ends the file wherever it
// stands.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes);

    bool AtEnd() const { return pos_ >= data_.size(); }
    // The next line without its end; an empty view at the end of the data.
    std::string_view ReadLine();
    // True when nothing but bytes 0 to 32 is left; consumes nothing.
    bool OnlyBlanksLeft() const;
    // Moves past bytes 0 to 32; true when that reaches the end.
    bool SkipBlanks();
    // 1-based number of the line that the last line read starts on, counted
    // by CRs. Kept as the cursor moves, so asking costs nothing.
    std::size_t LastLineNumber() const { return lastLine_; }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
    // Line ends (CRs) passed so far, and the line number of the last read.
    std::size_t crsPassed_ = 0;
    std::size_t lastLine_ = 1;
    // Where the next byte above 32 stands (or the end), found once and reused
    // until the cursor passes it, so long runs of blank lines are not
    // scanned again for every line.
    mutable std::size_t nextSolid_ = 0;
    mutable bool nextSolidKnown_ = false;
};

}  // namespace scrivlet
