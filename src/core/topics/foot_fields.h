#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/topic.h"
#include "core/model/topic_list.h"

namespace scrivlet {

// The fields of the topic properties dialog, in tab order.
enum class FootField : int {
    ContextId,
    Title,
    ContextString,
    Keywords,
    AKeywords,
    BuildTag,
    BrowseSeq,
    Window,
    EntryMacro,
    Comment,
};
inline constexpr int kFootFieldCount = 10;

// The dialog's values as text, indexed by FootField.
struct FootValues {
    std::string values[kFootFieldCount];
    std::string& operator[](FootField f) { return values[static_cast<int>(f)]; }
    const std::string& operator[](FootField f) const { return values[static_cast<int>(f)]; }
};

FootValues FootValuesOf(const TTopic& topic);

// Stores the dialog into TOPIC in the order Title, ID, Context String,
// Keywords, A-Keywords, Build Tag, Browse Seq., Window, Entry macro, Comment.
// An ID that is not an integer (an empty one included) throws ConvertError
// after the title has been written and before anything else is.
void StoreFootValues(TTopic& topic, const FootValues& values);

// Whether a typed character reaches FIELD, which holds FIELD_LENGTH
// characters. CODE is the character's code in the 8-bit code page; codes of 28
// and below (backspace, return and the like) always pass.
bool FootKeyPasses(FootField field, int code, std::size_t fieldLength);

// OK is offered exactly while the context string is not empty.
bool FootOkEnabled(std::string_view contextString);

// The choices of "Build Tag:" are BuildTagChoices of core/windows/project_options.h.

// The choices of "Window:": the part of each definition line before its first
// "=", or an empty choice for a line without one.
std::vector<std::string> WindowChoices(const std::vector<std::string>& windowDefs);

// The fixed choices of "Comment:".
inline const std::vector<std::string> kCommentChoices = {"Editing", "Testing", "Done"};

}  // namespace scrivlet
