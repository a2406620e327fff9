#include "hlp_roundtrip_describe.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "core/util/convert.h"
#include "help/context_hash.h"

namespace scrivlet::hc::test {
namespace {

using namespace scrivlet::help;

int Tens(int twips) {
    return std::clamp(twips / 10, -0x3FFF, 0x3FFF) * 10;
}

std::string FormatKey(const HelpFile& help, const Run& run) {
    const CharFormat& f = run.format;
    const std::string font = f.font >= 0 && f.font < static_cast<int>(help.fonts.size())
                                 ? help.fonts[static_cast<std::size_t>(f.font)].name
                                 : "Arial";
    const uint32_t rgb = f.color >= 0 && f.color < static_cast<int>(help.colors.size())
                             ? help.colors[static_cast<std::size_t>(f.color)]
                             : 0;
    const bool hotspot = run.hotspot >= 0 || run.kind == RunKind::Button;
    char text[160];
    std::snprintf(text, sizeof text, "%s %d #%06X%s%s%s%s%s%s", font.c_str(),
                  std::clamp(f.halfPoints, 1, 255), rgb, f.bold ? " b" : "", f.italic ? " i" : "",
                  f.underline && !hotspot ? " ul" : "",
                  f.doubleUnderline && !hotspot ? " uldb" : "",
                  f.strike && !hotspot ? " strike" : "", f.smallCaps ? " scaps" : "");
    return text;
}

std::string HotspotKey(const Topic& topic, const Run& run) {
    if (run.kind == RunKind::Button) {
        return run.macro.empty() ? "" : "macro " + run.macro;
    }
    if (run.hotspot < 0 || run.hotspot >= static_cast<int>(topic.hotspots.size())) {
        return "";
    }
    const Hotspot& h = topic.hotspots[static_cast<std::size_t>(run.hotspot)];
    std::ostringstream out;
    if (h.kind == HotspotKind::Macro) {
        out << "macro " << h.target;
    } else {
        out << (h.kind == HotspotKind::Jump ? "jump " : "popup ") << std::hex
            << ContextHash(h.target) << std::dec;
        if (!h.window.empty())
            out << " >" << UpperAscii(h.window);
        if (!h.file.empty())
            out << " @" << h.file;
    }
    if (h.noColor)
        out << " %";
    return out.str();
}

std::string Settings(const ParagraphFormat& f) {
    std::ostringstream out;
    out << "align" << static_cast<int>(f.alignment) << " li" << Tens(f.leftIndent) << " ri"
        << Tens(f.rightIndent) << " fi" << Tens(f.firstIndent) << " sb" << Tens(f.spaceBefore)
        << " sa" << Tens(f.spaceAfter) << " sl" << Tens(f.lineSpacing);
    if (f.keepNext)
        out << " keepn";
    if (f.noWrap)
        out << " nowrap";
    if (f.inTable)
        out << " intbl";
    if (f.cellEnd)
        out << " cell";
    if (f.rowEnd) {
        out << " row[";
        for (int edge : f.cellEdges)
            out << " " << Tens(edge);
        out << " gap" << Tens(f.rowGap) << " left" << Tens(f.rowLeft) << "]";
    }
    if (f.borders & kBorderSides)
        out << " border" << (f.borders & 0x7F) << "/" << Tens(f.borderWidth);
    std::vector<TabStop> tabs = f.tabs;
    if (f.firstIndent < 0 && f.leftIndent > 0) {
        std::erase_if(tabs, [&](const TabStop& t) {
            return t.kind == TabKind::Left && Tens(t.position) == Tens(f.leftIndent);
        });
    }
    for (std::size_t i = 0; i < tabs.size() && i < 32; ++i) {
        out << " tab" << static_cast<int>(tabs[i].kind) << ":"
            << std::clamp(tabs[i].position / 10, 0, 0x3FFF) * 10;
    }
    return out.str();
}

}  // namespace

std::string DescribeParagraphs(const HelpFile& help, const Topic& topic) {
    std::string out;
    for (const Paragraph& p : topic.paragraphs) {
        out += Settings(p.format) + " |";
        std::string key;
        for (const Run& run : p.runs) {
            std::string text;
            switch (run.kind) {
                case RunKind::Text:
                case RunKind::Button:
                    text = run.text;
                    break;
                case RunKind::Tab:
                    text = "\\t";
                    break;
                case RunKind::LineBreak:
                    text = "\\n";
                    break;
                case RunKind::Bitmap: {
                    if (run.bitmap < 0 || run.bitmap >= static_cast<int>(topic.bitmaps.size()))
                        continue;
                    const BitmapRef& ref = topic.bitmaps[static_cast<std::size_t>(run.bitmap)];
                    if (ref.path.empty() && ref.picture < 0)
                        continue;  // a file not found is not in the help file
                    text = "{bm" + std::string(1, "clr"[static_cast<int>(ref.align)]) +
                           (ref.transparent ? "t" : "") + "}";
                    break;
                }
            }
            if (text.empty())
                continue;
            const std::string runKey = FormatKey(help, run) + " " + HotspotKey(topic, run);
            if (runKey != key) {
                out += "<" + runKey + ">";
                key = runKey;
            }
            out += text;
        }
        out += "\n";
    }
    return out;
}

std::string DescribeTopic(const Topic& topic, std::vector<uint32_t> aliases) {
    std::ostringstream out;
    out << "title \"" << topic.title << "\" contexts";
    std::vector<uint32_t> hashes = std::move(aliases);
    for (const ContextDefinition& c : topic.contexts) {
        hashes.push_back(ContextHash(c.name));
    }
    std::sort(hashes.begin(), hashes.end());
    hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
    for (uint32_t h : hashes) {
        out << " " << std::hex << h << std::dec;
    }
    for (const auto* list : {&topic.keywords, &topic.aKeywords}) {
        std::vector<std::string> sorted;
        for (const std::string& k : *list) {
            if (!k.empty())
                sorted.push_back(k);
        }
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        out << (list == &topic.keywords ? " K:" : " A:");
        for (const std::string& k : sorted)
            out << " " << k;
    }
    out << " window " << UpperAscii(topic.window) << " macros";
    for (const std::string& m : topic.entryMacros)
        out << " " << m;
    return out.str();
}

std::string DescribeProject(const HelpProject& p) {
    std::ostringstream out;
    out << "title " << p.title.text << "\ncopyright " << p.copyright.text << "\ncitation "
        << p.citation.text << "\ncnt " << p.cnt.text << "\n";
    for (const WindowDefinition& w : p.windows) {
        auto opt = [](const auto& v) { return v ? std::to_string(*v) : std::string("-"); };
        out << "window " << w.name << " \"" << w.caption << "\" " << opt(w.x) << " " << opt(w.y)
            << " " << opt(w.width) << " " << opt(w.height) << " " << opt(w.buttons) << " "
            << opt(w.scrollColor) << " " << opt(w.fixedColor) << " " << (w.onTop.value_or(0) != 0)
            << "\n";
    }
    // [CONFIG] comes first in a help file, then each window's section.
    std::vector<std::string> config;
    for (const ConfigMacro& m : p.config) {
        config.push_back("config [" + UpperAscii(m.window) + "] " + m.macro + "\n");
    }
    std::stable_sort(config.begin(), config.end(), [](const std::string& a, const std::string& b) {
        return a.substr(0, a.find(']')) < b.substr(0, b.find(']'));
    });
    for (const std::string& line : config)
        out << line;
    return out.str();
}

}  // namespace scrivlet::hc::test
