#include "help/html/contents_tree.h"

#include <algorithm>
#include <map>

#include "core/contents/contents_file.h"
#include "core/contents/contents_item.h"
#include "help/html/html_text.h"

namespace scrivlet::help::html {
namespace {

ContentsNode Page(const SiteMap& site, int topic) {
    ContentsNode node;
    node.title = site.Title(topic);
    node.target.kind = LinkTarget::Kind::Page;
    node.target.href = site.PageOf(topic);
    node.target.topic = topic;
    return node;
}

void WriteNodes(std::string& out, const std::vector<ContentsNode>& nodes, int depth) {
    out += depth == 0 ? "<ul class=\"contents\">\n" : "<ul>\n";
    for (const ContentsNode& node : nodes) {
        if (node.book) {
            out += depth == 0 ? "<li class=\"book\"><details open><summary>"
                              : "<li class=\"book\"><details><summary>";
            AppendEscaped(out, node.title);
            out += "</summary>\n";
            WriteNodes(out, node.children, depth + 1);
            out += "</details></li>\n";
            continue;
        }
        out += "<li class=\"page\">" + OpenLink(node.target);
        AppendEscaped(out, node.title);
        out += CloseLink(node.target);
        out += "</li>\n";
    }
    out += "</ul>\n";
}

}  // namespace

std::vector<ContentsNode> ContentsFromFile(const SiteMap& site, std::string_view cntBytes,
                                           PublishReport& report) {
    ContentsFile file;
    file.ReadText(cntBytes);
    std::vector<ContentsNode> roots;
    // The open book at each level; level 1 entries go to the roots.
    std::vector<std::vector<ContentsNode>*> open{&roots};
    for (int i = 0; i < file.Count(); ++i) {
        const ContentsEntry entry = file.EntryAt(i);
        if (IsInclude(entry)) {
            report.warnings.push_back("contents: the included contents file \"" +
                                      site.Text(TrimBlanks(entry.EntryTitle.str().substr(8))) +
                                      "\" is not published");
            continue;
        }
        if (entry.EntryLevel <= 0 || (!IsBook(entry) && !IsPage(entry))) {
            continue;
        }
        const std::size_t level =
            std::min<std::size_t>(static_cast<std::size_t>(entry.EntryLevel), open.size());
        open.resize(level);
        ContentsNode node;
        node.title = site.Text(entry.EntryTitle.str());
        if (IsBook(entry)) {
            node.book = true;
            open.back()->push_back(std::move(node));
            open.push_back(&open.back()->back().children);
            continue;
        }
        const std::string& target = entry.EntryTarget.str();
        node.target = IsMacro(entry) ? TargetOfMacro(site, std::string_view(target).substr(1))
                                     : TargetOfContext(site, target, entry.EntryFile.str());
        if (node.target.kind == LinkTarget::Kind::Text) {
            report.warnings.push_back("contents: \"" + node.title + "\": " + node.target.reason +
                                      "; it is shown as text");
        } else if (node.target.kind == LinkTarget::Kind::Broken) {
            report.warnings.push_back("contents: \"" + node.title +
                                      "\": broken link: " + node.target.reason);
        }
        open.back()->push_back(std::move(node));
    }
    return roots;
}

std::vector<std::vector<int>> BrowseSequences(const SiteMap& site) {
    const std::vector<Topic>& topics = site.Help().topics;
    const int count = static_cast<int>(topics.size());
    std::vector<std::vector<int>> sequences;
    const bool kept = std::any_of(topics.begin(), topics.end(), [](const Topic& t) {
        return t.browsePrevious >= 0 || t.browseNext >= 0;
    });
    if (kept) {
        std::vector<bool> seen(topics.size(), false);
        for (int start = 0; start < count; ++start) {
            const Topic& t = topics[static_cast<std::size_t>(start)];
            const bool head = t.browsePrevious < 0 || t.browsePrevious >= count;
            if (!head || t.browseNext < 0 || seen[static_cast<std::size_t>(start)]) {
                continue;
            }
            std::vector<int> sequence;
            // SEEN stops a damaged file's loop.
            for (int at = start; at >= 0 && at < count && !seen[static_cast<std::size_t>(at)];
                 at = topics[static_cast<std::size_t>(at)].browseNext) {
                seen[static_cast<std::size_t>(at)] = true;
                if (site.Published(at)) {
                    sequence.push_back(at);
                }
            }
            if (!sequence.empty()) {
                sequences.push_back(std::move(sequence));
            }
        }
        return sequences;
    }
    // Sequence name -> (key, topic), in the order names first appear.
    std::vector<std::string> names;
    std::map<std::string, std::vector<std::pair<std::string, int>>> members;
    for (int i = 0; i < count; ++i) {
        const std::string& browse = topics[static_cast<std::size_t>(i)].browse;
        if (browse.empty() || !site.Published(i)) {
            continue;
        }
        const std::size_t colon = browse.find(':');
        const std::string name = colon == std::string::npos ? "" : browse.substr(0, colon);
        const std::string key = colon == std::string::npos ? browse : browse.substr(colon + 1);
        auto& list = members[name];
        if (list.empty()) {
            names.push_back(name);
        }
        list.emplace_back(key, i);
    }
    for (const std::string& name : names) {
        auto& list = members[name];
        std::stable_sort(list.begin(), list.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<int> sequence;
        for (const auto& member : list) {
            sequence.push_back(member.second);
        }
        sequences.push_back(std::move(sequence));
    }
    return sequences;
}

std::vector<std::pair<int, int>> BrowseNeighbours(const SiteMap& site,
                                                  const std::vector<std::vector<int>>& sequences) {
    std::vector<std::pair<int, int>> neighbours(site.Help().topics.size(), {-1, -1});
    for (const std::vector<int>& sequence : sequences) {
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            auto& n = neighbours[static_cast<std::size_t>(sequence[i])];
            n.first = i > 0 ? sequence[i - 1] : -1;
            n.second = i + 1 < sequence.size() ? sequence[i + 1] : -1;
        }
    }
    return neighbours;
}

std::vector<ContentsNode> ContentsFromBrowse(const SiteMap& site,
                                             const std::vector<std::vector<int>>& sequences) {
    std::vector<ContentsNode> roots;
    std::vector<bool> listed(site.Help().topics.size(), false);
    const std::vector<Topic>& topics = site.Help().topics;
    for (const std::vector<int>& sequence : sequences) {
        std::vector<ContentsNode>* into = &roots;
        if (sequences.size() > 1) {
            ContentsNode book;
            book.book = true;
            const std::string& browse = topics[static_cast<std::size_t>(sequence[0])].browse;
            const std::size_t colon = browse.find(':');
            // A help file keeps no names: the sequence is named by its first topic.
            book.title = colon == std::string::npos || colon == 0
                             ? site.Title(sequence[0])
                             : site.Text(browse.substr(0, colon));
            roots.push_back(std::move(book));
            into = &roots.back().children;
        }
        for (const int topic : sequence) {
            into->push_back(Page(site, topic));
            listed[static_cast<std::size_t>(topic)] = true;
        }
    }
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (!listed[i] && site.Published(static_cast<int>(i))) {
            roots.push_back(Page(site, static_cast<int>(i)));
        }
    }
    return roots;
}

std::string ContentsHtml(const std::vector<ContentsNode>& nodes) {
    std::string out;
    WriteNodes(out, nodes, 0);
    return out;
}

void CountContentsLinks(const std::vector<ContentsNode>& nodes, PublishReport& report) {
    for (const ContentsNode& node : nodes) {
        if (node.book) {
            CountContentsLinks(node.children, report);
        } else if (node.target.kind != LinkTarget::Kind::Text) {
            ++report.links;
            report.broken += node.target.kind == LinkTarget::Kind::Broken ? 1 : 0;
        }
    }
}

}  // namespace scrivlet::help::html
