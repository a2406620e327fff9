// libFuzzer target: the help compiler's reader of help project files, with
// an #include that hands back the input itself, and the checks on the result.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hc/build_tags.h"
#include "hc/checks.h"
#include "hc/hpj_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace scrivlet::hc;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Log log;
    const IncludeLoader loader = [&bytes](const std::string&) -> std::optional<std::string> {
        return bytes;
    };
    HelpProject project = ReadHelpProject(bytes, "fuzz.hpj", log, loader);
    BuildTagFilter filter;
    if (project.buildExpression.line != 0) {
        filter.SetExpression(project.buildExpression.text);
    }
    HelpFile help;
    CheckHelpFile(project, filter, help, log);
    return 0;
}
