// libFuzzer target: the help-file reader. Any bytes give a document or a
// HelpFileError; anything else (a crash, a sanitizer report, another
// exception, a hang) is a fault of the reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "help/hlp/hlp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const scrivlet::help::HelpDocument document = scrivlet::help::ReadHelpFileBytes(bytes);
        (void)document;
    } catch (const scrivlet::help::HelpFileError&) {
    }
    return 0;
}
