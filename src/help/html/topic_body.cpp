#include "help/html/topic_body.h"

#include <algorithm>

#include "help/html/html_text.h"

namespace scrivlet::help::html {

struct TopicWriter::State {
    int index = 0;
    const Topic* topic = nullptr;
    bool quiet = false;
    TopicBody body;
};

namespace {

constexpr int kDefaultTab = 720;

// The next tab stop after POS (twips from the left margin).
int NextStop(const ParagraphFormat& format, int pos) {
    int stop = (pos / kDefaultTab + 1) * kDefaultTab;
    for (const TabStop& tab : format.tabs) {
        if (tab.position > pos) {
            stop = std::min(stop, tab.position);
        }
    }
    // A hanging indent's text starts at the left indent, as a tab there.
    if (format.firstIndent < 0 && pos < format.leftIndent) {
        stop = std::min(stop, format.leftIndent);
    }
    return stop;
}

// The text between tabs, each part but the last widened to reach its stop.
std::string LayOutTabs(const ParagraphFormat& format, const std::vector<std::string>& parts) {
    std::string out;
    int pos = format.leftIndent + format.firstIndent;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const int stop = NextStop(format, pos);
        out += "<span class=\"tab\" style=\"min-width:" + Pixels(stop - pos) + "\">" + parts[i] +
               "</span>";
        pos = stop;
    }
    out += parts.back();
    return out;
}

std::string Attribute(const char* name, const std::string& value) {
    return value.empty() ? std::string() : std::string(" ") + name + "=\"" + value + "\"";
}

}  // namespace

TopicWriter::TopicWriter(const SiteMap& site, PublishReport& report)
    : site_(site), report_(report), base_(MostCommonFormat(site.Help())) {}

void TopicWriter::Warn(const State& state, const std::string& text) {
    if (!state.quiet) {
        report_.warnings.push_back(site_.Describe(state.index) + ": " + text);
    }
}

void TopicWriter::Count(const State& state, const LinkTarget& target) {
    if (state.quiet) {
        return;
    }
    if (target.kind == LinkTarget::Kind::Text) {
        Warn(state, target.reason + "; it is shown as text");
        return;
    }
    ++report_.links;
    if (target.kind == LinkTarget::Kind::Broken) {
        ++report_.broken;
        Warn(state, "broken link: " + target.reason);
    }
}

TopicBody TopicWriter::Write(int topic, bool quiet) {
    State state;
    state.index = topic;
    state.topic = &site_.Help().topics[static_cast<std::size_t>(topic)];
    state.quiet = quiet;
    maps_.clear();
    if (!quiet) {
        for (const std::string& macro : state.topic->entryMacros) {
            Warn(state, "the entry macro \"" + site_.Text(macro) + "\" does not run on the web");
        }
    }
    const std::vector<Paragraph>& paragraphs = state.topic->paragraphs;
    std::size_t fixed = 0;
    while (fixed < paragraphs.size() && paragraphs[fixed].format.keepNext) {
        ++fixed;
    }
    state.body.header = Paragraphs(state, 0, fixed);
    state.body.text = Paragraphs(state, fixed, paragraphs.size());
    return std::move(state.body);
}

std::string TopicWriter::Paragraphs(State& state, std::size_t first, std::size_t end) {
    const std::vector<Paragraph>& paragraphs = state.topic->paragraphs;
    std::string out;
    std::size_t i = first;
    while (i < end) {
        if (!paragraphs[i].format.inTable) {
            out += OneParagraph(state, i, "p");
            ++i;
            continue;
        }
        out += "<table class=\"help-table\">";
        std::string row;
        std::vector<std::string> cells;
        std::string cell;
        for (; i < end && paragraphs[i].format.inTable; ++i) {
            const ParagraphFormat& format = paragraphs[i].format;
            cell += OneParagraph(state, i, "p");
            if (format.cellEnd || format.rowEnd) {
                cells.push_back(std::move(cell));
                cell.clear();
            }
            if (format.rowEnd) {
                out += "<tr>";
                int left = format.rowLeft;
                for (std::size_t c = 0; c < cells.size(); ++c) {
                    std::string width;
                    if (c < format.cellEdges.size() && format.cellEdges[c] > left) {
                        width = "width:" + Pixels(format.cellEdges[c] - left);
                        left = format.cellEdges[c];
                    }
                    out += "<td" + Attribute("style", width) + ">" + cells[c] + "</td>";
                }
                out += "</tr>";
                cells.clear();
            }
        }
        if (!cell.empty()) {
            cells.push_back(std::move(cell));
        }
        if (!cells.empty()) {
            out += "<tr>";
            for (const std::string& c : cells) {
                out += "<td>" + c + "</td>";
            }
            out += "</tr>";
        }
        out += "</table>\n";
    }
    return out;
}

std::string TopicWriter::OneParagraph(State& state, std::size_t index, const char* tag) {
    const Paragraph& paragraph = state.topic->paragraphs[index];
    std::string anchors;
    // A panel's copy of a topic takes no ids: its own page (or the page
    // itself, for a topic that pops itself up) has them.
    for (const ContextDefinition& definition : state.topic->contexts) {
        if (!state.quiet && definition.paragraph > 0 &&
            static_cast<std::size_t>(definition.paragraph) == index) {
            anchors += "<span id=\"" + SiteMap::ContextAnchor(definition) + "\"></span>";
        }
    }
    std::vector<std::string> parts(1);
    int openHotspot = -1;
    LinkTarget link;
    auto closeLink = [&] {
        if (openHotspot >= 0) {
            parts.back() += CloseLink(link);
            openHotspot = -1;
        }
    };
    for (const Run& run : paragraph.runs) {
        const bool hot = run.hotspot >= 0 &&
                         static_cast<std::size_t>(run.hotspot) < state.topic->hotspots.size();
        if (!hot || run.hotspot != openHotspot) {
            closeLink();
        }
        if (hot && openHotspot < 0) {
            link = TargetOfHotspot(site_,
                                   state.topic->hotspots[static_cast<std::size_t>(run.hotspot)]);
            Count(state, link);
            if (link.kind == LinkTarget::Kind::Popup && state.quiet) {
                // A panel inside a panel is not shown: the link opens the page.
                link.kind = LinkTarget::Kind::Page;
            } else if (link.kind == LinkTarget::Kind::Popup &&
                       std::find(state.body.popups.begin(), state.body.popups.end(), link.topic) ==
                           state.body.popups.end()) {
                state.body.popups.push_back(link.topic);
            }
            parts.back() += OpenLink(link);
            openHotspot = run.hotspot;
        }
        switch (run.kind) {
            case RunKind::Tab:
                if (hot) {
                    parts.back() += ' ';
                } else {
                    parts.emplace_back();
                }
                break;
            case RunKind::LineBreak:
                parts.back() += "<br>";
                break;
            case RunKind::Bitmap:
                parts.back() += Picture(state, run);
                break;
            case RunKind::Button: {
                if (hot) {  // a link may not hold another: the hotspot's wins
                    parts.back() +=
                        "<span class=\"button\">" + Escaped(site_.Text(run.text)) + "</span>";
                    break;
                }
                const LinkTarget button = TargetOfMacro(site_, run.macro);
                Count(state, button);
                parts.back() +=
                    OpenLink(button, "button") + Escaped(site_.Text(run.text)) + CloseLink(button);
                break;
            }
            case RunKind::Text: {
                const RunTags tags = TagsFor(run.format, site_.Help(), base_, hot);
                parts.back() += tags.open;
                AppendEscaped(parts.back(), site_.Text(run.text, run.format.font));
                parts.back() += tags.close;
                break;
            }
        }
    }
    closeLink();
    std::string inner =
        parts.size() == 1 ? std::move(parts[0]) : LayOutTabs(paragraph.format, parts);
    if (inner.empty()) {
        inner = "&#160;";  // an empty paragraph is a blank line
    }
    return std::string("<") + tag + Attribute("style", ParagraphStyle(paragraph.format)) + ">" +
           anchors + inner + "</" + tag + ">\n";
}

std::string TopicWriter::Picture(State& state, const Run& run) {
    const std::vector<BitmapRef>& bitmaps = state.topic->bitmaps;
    if (run.bitmap < 0 || static_cast<std::size_t>(run.bitmap) >= bitmaps.size()) {
        return {};
    }
    const BitmapRef& ref = bitmaps[static_cast<std::size_t>(run.bitmap)];
    const std::string name = site_.Text(ref.name);
    const std::vector<help::Picture>& pictures = site_.Document().pictures;
    const bool known = ref.picture >= 0 && static_cast<std::size_t>(ref.picture) < pictures.size();
    const std::string& file = site_.PictureFile(ref.picture);
    if (file.empty()) {
        const bool metafile =
            known && !pictures[static_cast<std::size_t>(ref.picture)].metafile.empty();
        Warn(state, metafile ? "the picture \"" + name +
                                   "\" is a metafile, which is not converted; a placeholder "
                                   "stands in its place"
                             : "the picture \"" + name + "\" was not found");
        return "<span class=\"missing-picture\">[" + Escaped(name) + "]</span>";
    }
    const help::Picture& picture = pictures[static_cast<std::size_t>(ref.picture)];
    const char* align = ref.align == BitmapAlign::Left    ? " class=\"left\""
                        : ref.align == BitmapAlign::Right ? " class=\"right\""
                                                          : "";
    std::string map;
    if (!picture.hotspots.empty()) {
        map = (state.quiet ? "panel-map-" : "map-") + std::to_string(state.index) + "-" +
              std::to_string(run.bitmap);
        maps_ += "<map name=\"" + map + "\">";
        for (const PictureHotspot& spot : picture.hotspots) {
            const LinkTarget target = TargetOfHotspot(site_, spot.action);
            Count(state, target);
            if (target.kind != LinkTarget::Kind::Page && target.kind != LinkTarget::Kind::Popup) {
                continue;
            }
            maps_ += "<area shape=\"rect\" coords=\"" + std::to_string(spot.x) + "," +
                     std::to_string(spot.y) + "," + std::to_string(spot.x + spot.width) + "," +
                     std::to_string(spot.y + spot.height) + "\" href=\"" + Escaped(target.href) +
                     "\" alt=\"" + Escaped(site_.Text(spot.name)) + "\">";
        }
        maps_ += "</map>\n";
    }
    return "<img src=\"" + file + "\" width=\"" + std::to_string(picture.width) + "\" height=\"" +
           std::to_string(picture.height) + "\" alt=\"" + Escaped(name) + "\"" + align +
           (map.empty() ? "" : " usemap=\"#" + map + "\"") + ">";
}

}  // namespace scrivlet::help::html
