#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace scrivlet {

// A markup code that ends where the text typed next would go.
struct CodeBefore {
    std::size_t start = 0;  // where the code starts in the text
    bool link = false;      // a link code: the hotspot text stands before it
};

// The markup code that TEXT (a paragraph up to the caret) ends with: a link,
// anchor or keep-with-next code in brackets, an image or a button in braces.
std::optional<CodeBefore> MarkupCodeBefore(std::string_view text);

}  // namespace scrivlet
