#pragma once

#include <string>
#include <string_view>

namespace scrivlet::hc {

// A picture embedded in RTF ("{\pict ...}"): the form its data has, the
// numbers that describe it and the data itself.
struct EmbeddedPicture {
    enum class Form { Unknown, Dib, Ddb, Metafile, Enhanced, Png, Jpeg };
    Form form = Form::Unknown;
    int width = 0;        // \picw: pixels for bitmaps, the extent for metafiles
    int height = 0;       // \pich
    int widthGoal = 0;    // \picwgoal: twips
    int heightGoal = 0;   // \pichgoal
    int mappingMode = 1;  // \wmetafileN
    int bitsPerPixel = 1;
    int widthBytes = 0;  // \wbmwidthbytes: bytes per row of a device bitmap
    std::string data;

    // Adds hexadecimal digits of the data; anything else in TEXT is skipped.
    void AddHex(std::string_view text);

private:
    int nibble_ = -1;  // a first hex digit waiting for its second
};

// The picture as the bytes of a BMP file, when its form is a bitmap that can
// be written as one; otherwise "" and *WHY says what it is ("a metafile").
std::string EmbeddedPictureAsBmp(const EmbeddedPicture& picture, std::string* why);

}  // namespace scrivlet::hc
