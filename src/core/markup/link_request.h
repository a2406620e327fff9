#pragma once

#include <optional>
#include <string>
#include <vector>

namespace scrivlet {

// The target locations of the special link dialog, in list order.
enum class LinkLocation : int { ProjectTopic = 0, Anchor = 1, OtherHelpFile = 2, Macro = 3 };

// Which controls of the special link dialog show for a target location.
struct LinkBoxLayout {
    bool PopupEnabled = true;
    bool TopicLabel = true;  // "Topic:", shared by the topic list and the topic edit
    bool TopicList = true;   // atopic
    bool TopicEdit = false;  // topicedit
    bool Window = true;      // the window field and "Window:"
    bool FileName = false;   // the file name field, its browse button and "Filename:"
    bool Macro = false;      // medit

    friend bool operator==(const LinkBoxLayout&, const LinkBoxLayout&) = default;
};

// The layout for a location index; an index outside 0 to 3 gives the layout
// of the first location.
LinkBoxLayout LayoutForLocation(int location);

// What the author filled in, as plain text.
struct LinkBoxValues {
    int Appearance = 0;
    int Location = 0;
    bool Popup = false;
    std::string TopicItem;  // the chosen atopic item, "ID: Title"
    std::string TopicEdit;
    std::string Window;
    std::string FileName;
    std::vector<std::string> MacroLines;
};

// The arguments of one InsertLinkCode call.
struct LinkRequest {
    bool Popup = false;
    std::string Prefix;
    bool ProjectTopic = false;
    std::string Window;
    std::string Target;

    friend bool operator==(const LinkRequest&, const LinkRequest&) = default;
};

// The link the dialog asks for, or nothing when it stops silently: no topic
// chosen for a project topic, or an empty macro field. A macro link is always
// a jump and never names a window.
std::optional<LinkRequest> LinkRequestFrom(const LinkBoxValues& values);

// The TopicID part of an atopic item: the characters before its first ":".
std::string TopicIdOfItem(const std::string& item);

// "ID: Title", the text of one atopic item.
std::string TopicItemText(int topicId, const std::string& title);

}  // namespace scrivlet
