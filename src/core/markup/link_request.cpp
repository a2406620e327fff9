#include "core/markup/link_request.h"

#include "core/markup/markup_codes.h"

namespace scrivlet {

LinkBoxLayout LayoutForLocation(int location) {
    LinkBoxLayout layout;
    switch (static_cast<LinkLocation>(location)) {
        case LinkLocation::Anchor:
            layout.TopicList = false;
            layout.TopicEdit = true;
            break;
        case LinkLocation::OtherHelpFile:
            layout.TopicList = false;
            layout.TopicEdit = true;
            layout.FileName = true;
            break;
        case LinkLocation::Macro:
            layout.PopupEnabled = false;
            layout.TopicLabel = false;
            layout.TopicList = false;
            layout.Window = false;
            layout.Macro = true;
            break;
        case LinkLocation::ProjectTopic:
        default:
            break;
    }
    return layout;
}

std::string TopicIdOfItem(const std::string& item) {
    return item.substr(0, item.find(':'));
}

std::string TopicItemText(int topicId, const std::string& title) {
    return std::to_string(topicId) + ": " + title;
}

std::optional<LinkRequest> LinkRequestFrom(const LinkBoxValues& values) {
    LinkRequest request;
    request.Prefix = LinkPrefix(values.Appearance);
    request.Popup = values.Popup;
    request.Window = values.Window;
    switch (static_cast<LinkLocation>(values.Location)) {
        case LinkLocation::ProjectTopic:
            if (values.TopicItem.empty()) {
                return std::nullopt;
            }
            request.ProjectTopic = true;
            request.Target = TopicIdOfItem(values.TopicItem);
            return request;
        case LinkLocation::Anchor:
            request.Target = values.TopicEdit;
            return request;
        case LinkLocation::OtherHelpFile:
            request.Target = OtherFileTarget(values.TopicEdit, values.FileName);
            return request;
        case LinkLocation::Macro:
            if (values.MacroLines.empty()) {
                return std::nullopt;
            }
            request.Popup = false;
            request.Window.clear();
            request.Target = MacroTarget(values.MacroLines);
            return request;
    }
    return std::nullopt;
}

}  // namespace scrivlet
