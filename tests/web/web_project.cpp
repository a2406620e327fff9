#include "web_project.h"

#include <string>

namespace scrivlet::web {

Project GeneratedProject(int count) {
    Project project;
    project.HelpTitle = "Generated Help";
    for (int id = 1; id <= count; ++id) {
        TTopic topic;
        topic.TopicID = id;
        topic.ContextString = "topic" + std::to_string(id);
        topic.Title = id == count ? "Glossary" : "Topic number " + std::to_string(id);
        topic.Keywords = "topic " + std::to_string(id) + ";group " + std::to_string(id % 50);
        topic.BrowseSeq = "main:" + std::to_string(100000 + id);
        const std::string next = std::to_string(id % count + 1);
        const std::string back = std::to_string((id + count - 2) % count + 1);
        const std::string word = id == 500 ? " It mentions the rare word quetzal." : "";
        topic.Text = {
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
            "Roman;}}",
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green0\\blue0;}",
            "\\deflang1033\\pard\\plain\\f0\\fs28\\b " + topic.Title.str() +
                "\\plain\\f0\\fs16\\cf2 [keepn]",
            "\\par \\pard\\plain\\f0\\fs22 This topic explains one part of the product. Go on to "
            "the \\plain\\f0\\fs22\\strike\\cf1 next topic\\plain\\f0\\fs22\\cf2 [href=" +
                next +
                "]\\plain\\f0\\fs22  or back to the \\plain\\f0\\fs22\\strike\\cf1 previous "
                "one\\plain\\f0\\fs22\\cf2 [href=" +
                back + "]\\plain\\f0\\fs22 ." + word,
            "\\par \\pard\\fi-360\\li360\\plain\\f0\\fs22 \\'95\\tab A \\plain\\f0\\fs22\\ul\\cf1 "
            "glossary term\\plain\\f0\\fs22\\cf2 [href=" +
                std::to_string(count) + "]\\plain\\f0\\fs22  explained in a caf\\'e9.",
            "\\par }",
        };
        project.Topics.Add(std::move(topic));
    }
    project.DefaultTopic = "topic1";
    return project;
}

}  // namespace scrivlet::web
