#include "helpers/viewer_document.h"

#include <QFileInfo>
#include <map>

#include "help/hlp/hlp_reader.h"

namespace scrivlet::test {
namespace {

help::Run Text(std::string text, int hotspot = -1) {
    help::Run run;
    run.text = std::move(text);
    run.hotspot = hotspot;
    return run;
}

help::Topic TopicOf(std::string title, std::string context, std::vector<help::Paragraph> body) {
    help::Topic topic;
    topic.title = std::move(title);
    help::ContextDefinition definition;
    definition.name = std::move(context);
    topic.contexts = {definition};
    topic.paragraphs = std::move(body);
    return topic;
}

help::Hotspot HotspotOf(help::HotspotKind kind, std::string target) {
    help::Hotspot hotspot;
    hotspot.kind = kind;
    hotspot.target = std::move(target);
    return hotspot;
}

}  // namespace

help::HelpDocument ViewerDocument() {
    help::HelpDocument document;
    document.help.fonts = {{"Arial", "swiss", 0}};
    document.help.colors = {0x000000, 0x0000FF};

    help::Paragraph title;
    title.format.keepNext = true;
    title.runs = {Text("Contents title")};
    title.runs[0].format.bold = true;
    help::Paragraph body;
    body.runs = {Text("Go to the "), Text("Second topic", 0), Text(", see the "), Text("note", 1),
                 Text(" or run "),   Text("a macro", 2),      Text(".")};
    help::Paragraph picture;
    help::Run bitmap;
    bitmap.kind = help::RunKind::Bitmap;
    bitmap.bitmap = 0;
    picture.runs = {bitmap};
    help::Topic contents = TopicOf("Contents", "contents", {title, body, picture});
    contents.hotspots = {HotspotOf(help::HotspotKind::Jump, "second"),
                         HotspotOf(help::HotspotKind::Popup, "NOTE"),
                         HotspotOf(help::HotspotKind::Macro, "JumpId(`', `note')")};
    help::BitmapRef ref;
    ref.name = "dot.bmp";
    ref.picture = 0;
    contents.bitmaps = {ref};
    contents.browseNext = 1;

    help::Paragraph secondText;
    secondText.runs = {Text("The second topic's text about printing.")};
    help::Topic second = TopicOf("Second topic", "second", {secondText});
    second.keywords = {"start"};
    second.browsePrevious = 0;

    help::Paragraph noteText;
    noteText.runs = {Text("A short note about printing.")};
    help::Topic note = TopicOf("Note", "note", {noteText});
    note.keywords = {"Start", "printing"};

    document.help.topics = {contents, second, note};
    help::Picture dot;
    dot.name = "bm0";
    dot.width = 2;
    dot.height = 2;
    dot.pixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    document.pictures = {dot};

    for (const auto& [context, number] :
         {std::pair<const char*, uint32_t>{"contents", 10}, {"second", 20}, {"note", 30}}) {
        help::MapEntry entry;
        entry.context = context;
        entry.number = number;
        document.project.map.push_back(entry);
    }
    document.project.title.text = "Viewer Test";
    document.project.contents.text = "contents";
    help::ConfigMacro browse;
    browse.macro = "BrowseButtons()";
    document.project.config = {browse};
    help::WindowDefinition noteWindow;
    noteWindow.name = "note";
    noteWindow.caption = "Glossary";
    noteWindow.scrollColor = 0xE0FFFF;
    document.project.windows = {noteWindow};
    return document;
}

std::shared_ptr<app::HelpLibrary> LibraryOf(
    std::initializer_list<std::pair<QString, help::HelpDocument>> documents) {
    std::map<QString, help::HelpDocument> byName;
    for (const auto& [name, document] : documents) {
        byName[name.toLower()] = document;
    }
    return std::make_shared<app::HelpLibrary>([byName](const QString& path) {
        const auto it = byName.find(QFileInfo(path).fileName().toLower());
        if (it == byName.end()) {
            throw help::HelpFileError("Cannot open the help file " + path.toStdString());
        }
        return it->second;
    });
}

}  // namespace scrivlet::test
