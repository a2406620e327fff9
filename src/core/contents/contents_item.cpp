#include "core/contents/contents_item.h"

#include "core/contents/contents_entry.h"
#include "core/util/convert.h"

namespace scrivlet {
namespace {

// ":include " is nine characters; the file name follows it.
constexpr std::size_t kIncludePrefixLength = 9;

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

ContentsItemFields ItemFieldsFromLine(std::string_view line) {
    const ContentsEntry entry = ParseEntry(line);
    ContentsItemFields fields;
    fields.LevelText = entry.EntryLevel == 0 ? "1" : IntToStr(entry.EntryLevel);
    const std::string& target = entry.EntryTarget.str();
    if (IsInclude(entry)) {
        fields.Type = ContentsItemType::Include;
        fields.Title =
            entry.EntryTitle.str().substr(std::min(kIncludePrefixLength, entry.EntryTitle.size()));
        return fields;
    }
    fields.Title = entry.EntryTitle.str();
    if (IsMacro(entry)) {
        fields.Type = ContentsItemType::Macro;
        fields.Macro = target.substr(1);
        return fields;
    }
    fields.Topic = target;
    if (IsPage(entry)) {
        fields.Type = ContentsItemType::Topic;
        fields.File = entry.EntryFile.str();
        fields.Window = entry.EntryWindow.str();
    }
    return fields;
}

std::optional<std::string> LineFromItemFields(const ContentsItemFields& f) {
    if (f.Title.empty()) {
        return std::nullopt;
    }
    const std::string head = f.LevelText + " " + f.Title;
    switch (f.Type) {
        case ContentsItemType::Heading:
            return head;
        case ContentsItemType::Topic: {
            std::string line = head;
            if (!f.Topic.empty()) {
                line += "=" + f.Topic;
            }
            if (!f.File.empty()) {
                line += "@" + f.File;
            }
            if (!f.Window.empty()) {
                line += ">" + f.Window;
            }
            return line;
        }
        case ContentsItemType::Macro:
            return head + "=!" + f.Macro;
        case ContentsItemType::Include:
            return ":include " + f.Title;
    }
    return head;
}

std::string TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

HeaderPair SplitHeaderPair(std::string_view element) {
    const std::string text = StripComment(element);
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
        return {"", TrimBlanks(text)};
    }
    return {TrimBlanks(std::string_view(text).substr(0, eq)),
            TrimBlanks(std::string_view(text).substr(eq + 1))};
}

std::optional<std::string> JoinHeaderPair(std::string_view title, std::string_view file) {
    if (file.empty()) {
        return std::nullopt;
    }
    return std::string(title) + "=" + std::string(file);
}

}  // namespace scrivlet
