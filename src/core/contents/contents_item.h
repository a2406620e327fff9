#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scrivlet {

// The kinds the entry dialog offers, in the order of its "Type" group.
enum class ContentsItemType : int { Heading = 0, Topic = 1, Macro = 2, Include = 3 };

// The fields of the entry dialog for one line. The level is carried through
// unchanged: the dialog never shows or changes it.
struct ContentsItemFields {
    ContentsItemType Type = ContentsItemType::Heading;
    std::string LevelText = "1";
    std::string Title;
    std::string Topic;
    std::string Macro;
    std::string File;
    std::string Window;

    friend bool operator==(const ContentsItemFields&, const ContentsItemFields&) = default;
};

// The fields for LINE (empty in add mode). They come from the decomposed
// line, so a ";" remark is not among them.
ContentsItemFields ItemFieldsFromLine(std::string_view line);

// The entry line the fields stand for, or nothing when the title is empty
// (the dialog then changes nothing).
std::optional<std::string> LineFromItemFields(const ContentsItemFields& fields);

// An index or tab element "title=file" split for its edit dialog: the remark
// stripped, both halves trimmed; without "=" the whole text is the file.
struct HeaderPair {
    std::string Title;
    std::string File;

    friend bool operator==(const HeaderPair&, const HeaderPair&) = default;
};
HeaderPair SplitHeaderPair(std::string_view element);

// The element for a title and a file, or nothing when the file is empty.
std::optional<std::string> JoinHeaderPair(std::string_view title, std::string_view file);

// Text with bytes 0 to 32 removed from both ends.
std::string TrimBlanks(std::string_view text);

}  // namespace scrivlet
