#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "help/hlp/file_system.h"
#include "help/hlp/system_reader.h"

namespace scrivlet::help::hlp {

// The phrase tables topic text is compressed with: |Phrases (WinHelp 3.0 and
// 3.1, a code byte and a phrase number with an optional space after) or
// |PhrIndex with |PhrImage (WinHelp 4, codes for phrases, runs of literal
// bytes, spaces and NULs). A file with neither stores its text as it is.
class PhraseTable {
public:
    static PhraseTable Load(const FileSystem& files, const SystemInfo& system);

    bool Empty() const { return kind_ == Kind::None; }
    std::size_t Size() const { return phrases_.size(); }
    bool Hall() const { return kind_ == Kind::Hall; }

    // The text STORED stands for, at most SIZE bytes of it (the record says
    // how long it is).
    std::string Expand(std::string_view stored, std::size_t size) const;

private:
    enum class Kind { None, Classic, Hall };
    const std::string& Phrase(std::size_t index) const;

    Kind kind_ = Kind::None;
    std::vector<std::string> phrases_;
};

}  // namespace scrivlet::help::hlp
