#include "cli/printable.h"

#include "core/util/cp1252.h"

namespace scrivlet::cli {

std::string WithoutControls(std::string_view bytes) {
    std::string safe(bytes);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = '?';
        }
    }
    return safe;
}

std::string Printable(std::string_view bytes) {
    std::string safe = WithoutControls(bytes);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
            c = '?';
        }
    }
    return Cp1252ToUtf8(safe);
}

}  // namespace scrivlet::cli
