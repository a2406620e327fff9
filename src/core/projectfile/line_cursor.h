#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace scrivlet {

// Reads 8-bit text by lines the way project and contents files are read: a
// line ends at CR, an LF directly after that CR belongs to the line end, a
// lone LF is an ordinary character, and byte 26 ends the file wherever it
// stands.
//
// The text is either all in memory or streamed from a file in chunks, so that
// a large project is never held twice. A view returned by ReadLine stays
// valid only until the next call on the cursor.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes);
    explicit LineCursor(std::istream& in, std::size_t chunkSize = 256 * 1024);

    bool AtEnd();
    // The next line without its end; an empty view at the end of the data.
    std::string_view ReadLine();
    // True when nothing but bytes 0 to 32 is left; consumes nothing.
    bool OnlyBlanksLeft();
    // Moves past bytes 0 to 32; true when that reaches the end.
    bool SkipBlanks();
    // 1-based number of the line that the last line read starts on, counted
    // by CRs. Kept as the cursor moves, so asking costs nothing.
    std::size_t LastLineNumber() const { return lastLine_; }
    // True when the stream failed (not merely ended) while being read.
    bool ReadFailed() const;

private:
    // Drops what was read, appends the next chunk; sets ended_ at the end.
    void Fill();

    std::istream* in_ = nullptr;
    std::size_t chunkSize_ = 0;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t filled_ = 0;
    std::string_view data_;
    std::size_t pos_ = 0;
    // No more data will come: the stream ended, or byte 26 was met.
    bool ended_ = true;
    // Line ends (CRs) passed so far, and the line number of the last read.
    std::size_t crsPassed_ = 0;
    std::size_t lastLine_ = 1;
    // Where the next byte above 32 stands (or the end), found once and reused
    // until the cursor passes it, so long runs of blank lines are not
    // scanned again for every line.
    std::size_t nextSolid_ = 0;
    bool nextSolidKnown_ = false;
};

}  // namespace scrivlet
