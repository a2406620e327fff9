// libFuzzer target: the help compiler's reader of BMP files (uncompressed
// and run-length coded), and the picture written from what it accepts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "hc/hlp/bmp_reader.h"
#include "hc/hlp/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace scrivlet::hc::hlp;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const auto dib = ReadBmp(bytes, &problem);
    if (dib && dib->bits.size() <= (1u << 20)) {
        BuildPictureFile(*dib, false, true);
    }
    return 0;
}
