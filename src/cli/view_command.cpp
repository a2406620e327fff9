#include "cli/view_command.h"

#include <ostream>

#include "core/util/convert.h"

namespace scrivlet::cli {

std::optional<ViewRequest> ParseViewArguments(const std::vector<std::string>& args,
                                              std::ostream& err) {
    ViewRequest request;
    bool targetGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isTarget = arg == "--context" || arg == "--map" || arg == "--keyword";
        if (isTarget) {
            if (i + 1 >= args.size()) {
                err << "scrivlet: " << arg << " needs a value\n";
                return std::nullopt;
            }
            if (targetGiven) {
                err << "scrivlet: give only one of --context, --map and --keyword\n";
                return std::nullopt;
            }
            targetGiven = true;
            const std::string& value = args[++i];
            if (arg == "--map") {
                const auto number = TryStrToInt(value);
                if (!number || *number < 0) {
                    err << "scrivlet: " << InvalidIntegerMessage(value) << "\n";
                    return std::nullopt;
                }
                request.by = ViewRequest::By::MapNumber;
                request.number = static_cast<uint32_t>(*number);
            } else {
                request.by =
                    arg == "--context" ? ViewRequest::By::Context : ViewRequest::By::Keyword;
                request.text = value;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "scrivlet: unknown option " << arg << "\n";
            return std::nullopt;
        } else if (request.file.empty()) {
            request.file = arg;
        } else {
            err << "scrivlet: --view opens one help file\n";
            return std::nullopt;
        }
    }
    if (request.file.empty()) {
        err << "scrivlet: --view needs a help file\n";
        return std::nullopt;
    }
    return request;
}

}  // namespace scrivlet::cli
