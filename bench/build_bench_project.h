#pragma once
// A large project for the build benchmarks: 3 KB of text per topic, 5 links
// per topic, 20 fonts and 16 colours spread over the topics so that every
// later topic has references to renumber.
#include <string>

#include "core/model/project.h"

namespace scrivlet::bench {

inline const char* const kFamilies[] = {"\\fswiss", "\\froman", "\\fmodern", "\\fdecor",
                                        "\\fscript"};

inline std::string FontGroup(int number, int font) {
    return "{\\f" + std::to_string(number) + kFamilies[font % 5] + "\\fprq2 Font Name " +
           std::to_string(font) + ";}";
}

inline std::string ColorEntry(int color) {
    return "\\red" + std::to_string(color * 16) + "\\green" + std::to_string(255 - color * 8) +
           "\\blue" + std::to_string(color * 3) + ";";
}

// Topic I uses fonts I..I+3 (mod 20) and colours I..I+5 (mod 16), listed in
// its own order, so its table numbers differ from the merged ones.
inline TTopic MakeTopic(int i, int count) {
    TTopic topic;
    topic.TopicID = (i + 1) * 10;
    topic.ContextString = "ctx" + std::to_string(i);
    topic.Title = "Topic number " + std::to_string(i);
    topic.Keywords = "alpha;beta;topic " + std::to_string(i);
    std::string fonts = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl";
    for (int f = 0; f < 4; ++f) {
        fonts += FontGroup(f, (i + f * 7) % 20);
    }
    topic.Text.push_back(fonts + "}");
    std::string colors = "{\\colortbl";
    for (int c = 0; c < 6; ++c) {
        colors += ColorEntry((i + c * 5) % 16);
    }
    topic.Text.push_back(colors + "}");
    std::string body = "\\deflang1033\\pard\\plain\\f0\\fs22 Heading of the topic[keepn]";
    topic.Text.push_back(body);
    std::size_t size = body.size();
    int line = 0;
    while (size < 3000) {
        std::string par = "\\par \\pard\\plain\\f" + std::to_string(line % 4) +
                          "\\fs22 Some ordinary text of a paragraph, with \\plain\\f" +
                          std::to_string((line + 1) % 4) + "\\fs22\\cf" + std::to_string(line % 6) +
                          " coloured words\\plain\\f0\\fs22  in it";
        if (line < 5) {
            const int target = (i * 7 + line * 13) % count;
            par += " \\plain\\f0\\fs22\\strike\\cf1 jump\\plain\\f0\\fs22\\cf2 [href=" +
                   std::to_string((target + 1) * 10) + "]\\plain\\f0\\fs22  and on.";
        }
        size += par.size();
        topic.Text.push_back(std::move(par));
        ++line;
    }
    topic.Text.emplace_back("\\par }");
    return topic;
}

inline Project MakeProject(int count) {
    Project project;
    project.ProjectFileName = "/bench/manual.scw";
    project.HelpFileName = ".\\manual.hlp";
    project.Topics.Clear();
    for (int i = 0; i < count; ++i) {
        project.Topics.Add(MakeTopic(i, count));
    }
    return project;
}

}  // namespace scrivlet::bench
