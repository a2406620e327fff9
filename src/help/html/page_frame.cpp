#include "help/html/page_frame.h"

#include "help/html/html_text.h"

namespace scrivlet::help::html {
namespace {

void BrowseLink(std::string& out, const std::string& href, const char* rel, const char* caption) {
    if (href.empty()) {
        out += std::string("<span class=\"off\">") + caption + "</span>\n";
    } else {
        out += "<a rel=\"" + std::string(rel) + "\" href=\"" + Escaped(href) + "\">" + caption +
               "</a>\n";
    }
}

}  // namespace

std::string LanguageTag(uint32_t lcid) {
    switch (lcid & 0x3FF) {
        case 0x05:
            return "cs";
        case 0x06:
            return "da";
        case 0x07:
            return "de";
        case 0x08:
            return "el";
        case 0x09:
            return "en";
        case 0x0A:
            return "es";
        case 0x0B:
            return "fi";
        case 0x0C:
            return "fr";
        case 0x0E:
            return "hu";
        case 0x10:
            return "it";
        case 0x13:
            return "nl";
        case 0x14:
            return "no";
        case 0x15:
            return "pl";
        case 0x16:
            return "pt";
        case 0x19:
            return "ru";
        case 0x1D:
            return "sv";
        case 0x1F:
            return "tr";
        default:
            return {};
    }
}

std::string WritePage(const PageFrame& frame) {
    std::string out;
    out.reserve(frame.text.size() + frame.fixed.size() + frame.after.size() + 1200);
    out += "<!DOCTYPE html>\n<html";
    if (!frame.language.empty()) {
        out += " lang=\"" + frame.language + "\"";
    }
    out +=
        ">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    AppendEscaped(out, frame.title);
    if (!frame.siteTitle.empty() && frame.siteTitle != frame.title) {
        out += " - ";
        AppendEscaped(out, frame.siteTitle);
    }
    out += "</title>\n<link rel=\"stylesheet\" href=\"help.css\">\n";
    if (frame.searchIndex) {
        out += "<script src=\"search-index.js\"></script>\n";
    }
    out +=
        "<script src=\"help.js\" defer></script>\n</head>\n<body>\n"
        "<header class=\"site-header\">\n<nav class=\"nav\">\n"
        "<a href=\"index.html\">Contents</a>\n<a href=\"keywords.html\">Index</a>\n";
    if (frame.browse) {
        BrowseLink(out, frame.previous, "prev", "&lt;&lt; Previous");
        BrowseLink(out, frame.next, "next", "Next &gt;&gt;");
    }
    out +=
        "<form action=\"search.html\" method=\"get\" role=\"search\">"
        "<input type=\"search\" name=\"q\" placeholder=\"Search\" aria-label=\"Search\">"
        "</form>\n</nav>\n";
    if (!frame.fixed.empty()) {
        out += "<div class=\"topic-header\">\n" + frame.fixed + "</div>\n";
    }
    out += "</header>\n<main>\n" + frame.text + "</main>\n" + frame.after + "</body>\n</html>\n";
    return out;
}

}  // namespace scrivlet::help::html
