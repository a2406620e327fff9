// libFuzzer target: the help compiler's reader of RTF topic files and the
// checks on what it read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hc/build_tags.h"
#include "hc/checks.h"
#include "hc/rtf_topic_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace scrivlet::hc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    HelpFile help;
    Log log;
    const BitmapFinder finder = [](const std::string& name) {
        return name.size() % 2 == 0 ? name : std::string();
    };
    ReadTopicFile(bytes, "fuzz.rtf", help, log, finder);
    HelpProject project;
    project.fileName = "fuzz.hpj";
    CheckHelpFile(project, BuildTagFilter{}, help, log);
    return 0;
}
