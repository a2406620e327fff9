#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/short_string.h"

namespace scrivlet {

// One help topic: its number, its nine text properties and its RTF text.
struct TTopic {
    int32_t TopicID = 0;
    ShortString Title = "[new topic]";
    ShortString ContextString;
    ShortString Keywords;
    ShortString AKeywords;
    ShortString BuildTag;
    ShortString BrowseSeq;
    ShortString Window;
    ShortString EntryMacro;
    ShortString Comment = "Editing";
    // The topic body: the lines of the RTF document the editor saved.
    std::vector<std::string> Text;

    friend bool operator==(const TTopic&, const TTopic&) = default;
};

}  // namespace scrivlet
