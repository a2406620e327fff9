#include "help/hlp/hlp_reader.h"

#include "core/util/file_io.h"
#include "help/hlp/document_builder.h"

namespace scrivlet::help {

HelpDocument ReadHelpFileBytes(std::string_view bytes) {
    return hlp::BuildDocument(bytes);
}

HelpDocument ReadHelpFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        throw HelpFileError("The help file \"" + path.filename().string() + "\" cannot be read.");
    }
    return ReadHelpFileBytes(*bytes);
}

}  // namespace scrivlet::help
