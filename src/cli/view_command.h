#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::cli {

// What "--view FILE.hlp [--context NAME | --map N | --keyword WORD]" asks
// for. The viewer itself is a window: the executable starts it.
struct ViewRequest {
    enum class By { Contents, Context, MapNumber, Keyword };
    std::string file;
    By by = By::Contents;
    std::string text;     // the context string or keyword
    uint32_t number = 0;  // the map number
};

// Reads the arguments after "--view"; nothing, with the reason on ERR, when
// they are not as above.
std::optional<ViewRequest> ParseViewArguments(const std::vector<std::string>& args,
                                              std::ostream& err);

}  // namespace scrivlet::cli
