#include "help/html/link_target.h"

#include <set>

#include "help/html/html_text.h"
#include "help/html/web_macro.h"

namespace scrivlet::help::html {
namespace {

LinkTarget Broken(std::string reason) {
    LinkTarget target;
    target.reason = std::move(reason);
    return target;
}

LinkTarget ToContext(const SiteMap& site, std::string_view context, uint32_t hash,
                     std::string_view file, bool popup) {
    const std::string shown = context.empty() ? "#" + std::to_string(hash) : site.Text(context);
    if (!site.IsThisFile(file)) {
        return Broken("\"" + shown + "\" is in another help file, " + site.Text(file));
    }
    LinkTarget target;
    target.href = site.ContextHref(context, hash, &target.topic);
    if (target.href.empty()) {
        return Broken(target.topic >= 0 ? "\"" + shown + "\" is left out of this build"
                                        : "no topic has the context string \"" + shown + "\"");
    }
    target.kind = popup ? LinkTarget::Kind::Popup : LinkTarget::Kind::Page;
    if (popup) {
        target.panel = PanelId(site, target.topic);
    }
    return target;
}

bool HasKeyword(const HelpFile& help, const std::string& folded) {
    for (const Topic& topic : help.topics) {
        if (!topic.built) {
            continue;
        }
        for (const std::string& keyword : topic.keywords) {
            if (FoldCase(keyword) == folded) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::string PanelId(const SiteMap& site, int topic) {
    const std::string& page = site.PageOf(topic);
    return "pop-" + page.substr(0, page.size() - 5);  // without ".html"
}

std::string KeywordAnchor(std::string_view foldedKeyword) {
    uint32_t hash = 2166136261U;  // FNV-1a
    for (const char c : foldedKeyword) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    return "k" + std::to_string(hash);
}

LinkTarget TargetOfHotspot(const SiteMap& site, const Hotspot& hotspot) {
    if (hotspot.kind == HotspotKind::Macro) {
        return TargetOfMacro(site, hotspot.target);
    }
    return ToContext(site, hotspot.target, hotspot.targetHash, hotspot.file,
                     hotspot.kind == HotspotKind::Popup);
}

LinkTarget TargetOfContext(const SiteMap& site, std::string_view context, std::string_view file) {
    return ToContext(site, context, 0, file, false);
}

LinkTarget TargetOfMacro(const SiteMap& site, std::string_view macro) {
    const std::optional<WebMacro> web = WebMacroOf(macro);
    LinkTarget target;
    if (!web) {
        target.kind = LinkTarget::Kind::Text;
        target.reason = "the macro \"" + site.Text(macro) + "\" cannot work on the web";
        return target;
    }
    switch (web->kind) {
        case WebMacro::Kind::Jump:
        case WebMacro::Kind::Popup:
            return ToContext(site, web->argument, 0, web->file, web->kind == WebMacro::Kind::Popup);
        case WebMacro::Kind::Contents:
            target.href = "index.html";
            break;
        case WebMacro::Kind::Index:
            target.href = "keywords.html";
            break;
        case WebMacro::Kind::Search:
            target.href = "search.html";
            break;
        case WebMacro::Kind::Back:
            target.kind = LinkTarget::Kind::Back;
            target.href = "index.html";
            return target;
        case WebMacro::Kind::Keyword: {
            const std::string folded = FoldCase(site.Text(web->argument));
            if (!site.IsThisFile(web->file) || !HasKeyword(site.Help(), folded)) {
                return Broken("no topic has the keyword \"" + site.Text(web->argument) + "\"");
            }
            target.href = "keywords.html#" + KeywordAnchor(folded);
            break;
        }
    }
    target.kind = LinkTarget::Kind::Page;
    return target;
}

std::string OpenLink(const LinkTarget& target, const char* extraClass) {
    const std::string extra = extraClass != nullptr ? std::string(" ") + extraClass : "";
    switch (target.kind) {
        case LinkTarget::Kind::Page:
            return extraClass != nullptr ? "<a class=\"" + extra.substr(1) + "\" href=\"" +
                                               Escaped(target.href) + "\">"
                                         : "<a href=\"" + Escaped(target.href) + "\">";
        case LinkTarget::Kind::Popup:
            return "<a class=\"popup-link" + extra + "\" href=\"" + Escaped(target.href) +
                   "\" data-popup=\"" + Escaped(target.panel) + "\">";
        case LinkTarget::Kind::Back:
            return "<a class=\"back-link" + extra + "\" href=\"" + Escaped(target.href) + "\">";
        case LinkTarget::Kind::Broken:
            return "<span class=\"broken" + extra +
                   "\" title=\"Broken link: " + Escaped(target.reason) + "\">";
        case LinkTarget::Kind::Text:
            return "<span class=\"macro" + extra + "\" title=\"" + Escaped(target.reason) + "\">";
    }
    return {};
}

const char* CloseLink(const LinkTarget& target) {
    return target.kind == LinkTarget::Kind::Broken || target.kind == LinkTarget::Kind::Text
               ? "</span>"
               : "</a>";
}

}  // namespace scrivlet::help::html
