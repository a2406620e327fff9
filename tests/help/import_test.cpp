#include <gtest/gtest.h>

#include "help/import/import_project.h"
#include "help/import/picture_bytes.h"
#include "help/import/topic_text_writer.h"

namespace scrivlet::help {
namespace {

Run TextRun(std::string text, int hotspot = -1) {
    Run run;
    run.format.halfPoints = 20;
    run.text = std::move(text);
    run.hotspot = hotspot;
    return run;
}

Paragraph Para(std::vector<Run> runs, bool keepNext = false) {
    Paragraph paragraph;
    paragraph.format.keepNext = keepNext;
    paragraph.runs = std::move(runs);
    return paragraph;
}

Topic MakeTopic(std::string title, std::vector<std::string> contexts) {
    Topic topic;
    topic.title = std::move(title);
    for (std::string& name : contexts) {
        topic.contexts.push_back({std::move(name), 0, 0});
    }
    return topic;
}

TEST(ImportText, EscapesAsTheEditorLayoutDoes) {
    EXPECT_EQ(EscapeTopicText("a\\b{c}\xe9\x01z"), "a\\\\b\\{c\\}\\'e9z");
}

// A help file's hotspot text has no marks; a jump gets the strike-through
// the build looks for, a pop-up the underline. The non-scrolling region's
// later paragraphs keep their own \keepn, the code marks its last one.
TEST(ImportText, WritesHotspotsAnchorsAndTheNonScrollingRegion) {
    HelpFile help;
    help.fonts = {{"Arial", "swiss", 0}, {"Courier New", "modern", 0}};
    Topic topic = MakeTopic("T", {"main", "second"});
    topic.contexts[1].paragraph = 2;
    topic.hotspots.push_back({HotspotKind::Jump, "other", "", "", false, false, 0});
    topic.hotspots.push_back({HotspotKind::Popup, "note", "pop", "", true, false, 0});
    topic.hotspots.push_back({HotspotKind::Macro, "JI(`a.hlp>w',`x')", "", "", false, false, 0});
    help::Run heading = TextRun("Head");
    heading.format.bold = true;
    help::Run mono = TextRun("code");
    mono.format.font = 1;
    topic.paragraphs = {Para({heading}, true), Para({TextRun("Sub")}, true),
                        Para({TextRun("See "), TextRun("it", 0), TextRun(" or "),
                              TextRun("that", 1), mono, TextRun("run", 2)})};
    TopicTextContext context;
    context.hrefNumber = [](std::string_view target) -> std::optional<int32_t> {
        return target == "other" ? std::optional<int32_t>(40) : std::nullopt;
    };
    const TopicText text = WriteTopicText(help, topic, context);
    EXPECT_EQ(text.lines,
              (std::vector<std::string>{
                  "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern "
                  "Courier New;}}",
                  "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}",
                  "\\deflang1033\\pard\\plain\\f0\\fs20\\b Head",
                  "\\par \\pard\\keepn\\plain\\f0\\fs20 Sub\\plain\\f0\\fs16\\cf1 [keepn]",
                  "\\par \\pard\\plain\\f0\\fs20\\cf1 [#=second]\\plain\\f0\\fs20 See "
                  "\\plain\\f0\\fs20\\strike it\\plain\\f0\\fs20\\cf1 [href=40]\\plain\\f0\\fs20  "
                  "or \\plain\\f0\\fs20\\ul that\\plain\\f0\\fs20\\cf1 [link=%note>pop]"
                  "\\plain\\f1\\fs20 code\\plain\\f0\\fs20\\strike run{\\v !JI(`a.hlp>w',`x')}",
                  "\\par }"}));
    EXPECT_EQ(text.links, 3);
    EXPECT_EQ(text.notCarried,
              std::vector<std::string>{"the hotspot target \"!JI(`a.hlp>w',`x')\" (kept as "
                                       "hidden text, not as a link code)"});
}

TEST(ImportProject, NumbersFromTheMapThroughAliasesElseByTheRule) {
    HelpDocument document;
    document.project.map = {{"first_alias", 30, 0, ""}, {"third", 20, 0, ""}, {"anchor", 7, 0, ""}};
    document.project.aliases = {{"first_alias", "first", 0}};
    document.help.topics = {MakeTopic("One", {"first"}), MakeTopic("Two", {"second", "anchor"}),
                            MakeTopic("Three", {"third"}), MakeTopic("Four", {"fourth"})};
    const ImportResult result = ImportHelpDocument(document, {});
    const TTopicList& topics = result.project.Topics;
    ASSERT_EQ(topics.Count(), 4u);
    EXPECT_EQ(topics[0].TopicID, 30);
    EXPECT_EQ(topics[1].TopicID, 7);  // its anchor's number
    EXPECT_EQ(topics[2].TopicID, 20);
    EXPECT_EQ(topics[3].TopicID, 40);  // 20 + 10 is the first topic's map number
    EXPECT_EQ(topics[1].ContextString, "second");
    ASSERT_EQ(result.report.notes.size(), 1u);
    EXPECT_EQ(result.report.notes[0].topic, "Two");
    EXPECT_EQ(ImportReportLines(result.report),
              (std::vector<std::string>{"4 topics, 0 links, 0 pictures imported",
                                        "Topic \"Two\": the map number 7 of the anchor "
                                        "\"anchor\" now opens the topic at its start"}));
}

// A help file's topics often have no title: the report names them by their
// context string, else by their place.
TEST(ImportProject, NotesNameUntitledTopicsByContextOrPlace) {
    HelpDocument document;
    for (const char* context : {"ctx", ""}) {
        Topic topic = MakeTopic("", {context});
        BitmapRef gone;
        gone.name = "gone.bmp";
        topic.bitmaps.push_back(gone);
        help::Run image;
        image.kind = RunKind::Bitmap;
        image.bitmap = 0;
        topic.paragraphs = {Para({image})};
        document.help.topics.push_back(topic);
    }
    const ImportResult result = ImportHelpDocument(document, {});
    EXPECT_EQ(ImportReportLines(result.report),
              (std::vector<std::string>{
                  "2 topics, 0 links, 2 pictures imported",
                  "Topic \"ctx\": the picture \"gone.bmp\" (not found; its image code is kept)",
                  "Topic \"#2\": the picture \"gone.bmp\" (not found; its image code is kept)"}));
}

TEST(ImportProject, WindowLinesKeepEmptyFieldsEmpty) {
    WindowDefinition window;
    window.name = "note";
    window.caption = "Note";
    window.buttons = 4;
    window.onTop = 1;
    EXPECT_EQ(WindowDefinitionLine(window), "note=\"Note\",,4,,,1");
    window.x = 1;
    window.y = 2;
    window.width = 3;
    window.height = 4;
    window.scrollColor = 0xFFFFFF;
    EXPECT_EQ(WindowDefinitionLine(window), "note=\"Note\",(1,2,3,4),4,(r16777215),,1");
}

TEST(ImportPictures, WritesA24BitBitmapBottomRowFirst) {
    Picture picture;
    picture.width = 2;
    picture.height = 2;
    picture.pixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    const std::string bytes = PictureFileBytes(picture);
    ASSERT_EQ(bytes.size(), 54u + 2 * 8);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 70);   // file size
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits a pixel
    // Bottom row (blue, white), then top row (red, green), BGR, padded to 8.
    EXPECT_EQ(bytes.substr(54), std::string("\xFF\x00\x00\xFF\xFF\xFF\x00\x00"
                                            "\x00\x00\xFF\x00\xFF\x00\x00\x00",
                                            16));
    Picture metafile;
    metafile.metafile = "WMF!";
    EXPECT_EQ(PictureFileBytes(metafile), "WMF!");
}

}  // namespace
}  // namespace scrivlet::help
