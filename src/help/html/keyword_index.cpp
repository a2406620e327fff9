#include "help/html/keyword_index.h"

#include <algorithm>
#include <unordered_map>

#include "help/html/html_text.h"
#include "help/html/link_target.h"

namespace scrivlet::help::html {
namespace {

// The group a keyword goes in: its first letter, or "#" for a digit or sign.
std::string Group(const std::string& folded) {
    std::size_t length = 0;
    const char32_t c = FirstCodePoint(folded, &length);
    const bool letter = (c >= 'a' && c <= 'z') || c >= 0xC0;
    return letter ? folded.substr(0, length) : "#";
}

std::string GroupId(const std::string& group) {
    std::string id = "letter-";
    for (const unsigned char c : group) {
        id += c < 0x80 && c != '#' ? std::string(1, static_cast<char>(c)) : std::to_string(c);
    }
    return id;
}

}  // namespace

std::vector<KeywordEntry> CollectKeywords(const SiteMap& site) {
    std::vector<KeywordEntry> keywords;
    std::unordered_map<std::string, std::size_t> where;
    const std::vector<Topic>& topics = site.Help().topics;
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (!site.Published(static_cast<int>(i))) {
            continue;
        }
        for (const std::string& keyword : topics[i].keywords) {
            std::string text = site.Text(keyword);
            std::string folded = FoldCase(text);
            if (folded.find_first_not_of(" \t") == std::string::npos) {
                continue;
            }
            auto [it, added] = where.emplace(folded, keywords.size());
            if (added) {
                keywords.push_back({std::move(text), std::move(folded), {}});
            }
            std::vector<int>& list = keywords[it->second].topics;
            if (list.empty() || list.back() != static_cast<int>(i)) {
                list.push_back(static_cast<int>(i));
            }
        }
    }
    std::sort(keywords.begin(), keywords.end(),
              [](const KeywordEntry& a, const KeywordEntry& b) { return a.folded < b.folded; });
    return keywords;
}

std::string KeywordPageText(const SiteMap& site, const std::vector<KeywordEntry>& keywords) {
    std::vector<std::string> groups;
    for (const KeywordEntry& keyword : keywords) {
        const std::string group = Group(keyword.folded);
        if (groups.empty() || groups.back() != group) {
            groups.push_back(group);
        }
    }
    std::string out = "<h1>Index</h1>\n";
    if (keywords.empty()) {
        return out + "<p>This help has no index keywords.</p>\n";
    }
    out += "<nav class=\"letters\">";
    for (const std::string& group : groups) {
        out += "<a class=\"letter\" href=\"#" + GroupId(group) + "\">" + Escaped(group) + "</a> ";
    }
    out += "</nav>\n";
    std::string current;
    for (const KeywordEntry& keyword : keywords) {
        const std::string group = Group(keyword.folded);
        if (group != current) {
            if (!current.empty()) {
                out += "</dl>\n";
            }
            current = group;
            out += "<h2 class=\"letter\" id=\"" + GroupId(group) + "\">" + Escaped(group) +
                   "</h2>\n<dl class=\"keywords\">\n";
        }
        out += "<dt id=\"" + KeywordAnchor(keyword.folded) + "\">";
        if (keyword.topics.size() == 1) {
            out += "<a href=\"" + site.PageOf(keyword.topics[0]) + "\">" + Escaped(keyword.text) +
                   "</a></dt>\n";
            continue;
        }
        out += Escaped(keyword.text) + "</dt>\n";
        for (const int topic : keyword.topics) {
            out += "<dd><a href=\"" + site.PageOf(topic) + "\">" + Escaped(site.Title(topic)) +
                   "</a></dd>\n";
        }
    }
    out += "</dl>\n";
    return out;
}

}  // namespace scrivlet::help::html
