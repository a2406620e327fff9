#pragma once

#include <string>
#include <string_view>

#include "help/help_file.h"
#include "help/html/site_map.h"

namespace scrivlet::help::html {

// Where a hotspot, a button or a contents entry leads in the site.
struct LinkTarget {
    enum class Kind {
        Page,    // HREF
        Popup,   // HREF is the pop-up topic's page; PANEL the id of its panel
        Back,    // HREF is where a reader without JavaScript goes instead
        Broken,  // leads nowhere: REASON says why
        Text,    // a macro that cannot work on the web: REASON names it
    };
    Kind kind = Kind::Broken;
    std::string href;
    std::string panel;
    int topic = -1;      // the topic a Page or Popup shows, when it is one
    std::string reason;  // UTF-8
};

// The id of the pop-up panel that shows TOPIC inside a page.
std::string PanelId(const SiteMap& site, int topic);

// The anchor of a keyword in the keyword index page: "k" and a number
// drawn from its folded (UTF-8) text.
std::string KeywordAnchor(std::string_view foldedKeyword);

LinkTarget TargetOfHotspot(const SiteMap& site, const Hotspot& hotspot);
LinkTarget TargetOfMacro(const SiteMap& site, std::string_view macro);
// A contents entry's target: a context string, in this file or FILE.
LinkTarget TargetOfContext(const SiteMap& site, std::string_view context, std::string_view file);

// The opening tag of a link to TARGET ("<a href=...>", or "<span ...>" for
// broken and text links) and its closing tag.
std::string OpenLink(const LinkTarget& target, const char* extraClass = nullptr);
const char* CloseLink(const LinkTarget& target);

}  // namespace scrivlet::help::html
