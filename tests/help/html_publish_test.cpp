#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "help/html/publisher.h"
#include "html_site_checker.h"

namespace scrivlet::help::html {
namespace {

using testing::CheckSite;
using testing::SiteFiles;

Run Text(std::string text, int hotspot = -1) {
    Run run;
    run.text = std::move(text);
    run.hotspot = hotspot;
    return run;
}

Run Of(RunKind kind, int bitmap = -1) {
    Run run;
    run.kind = kind;
    run.bitmap = bitmap;
    return run;
}

Paragraph Para(std::vector<Run> runs) {
    Paragraph paragraph;
    paragraph.runs = std::move(runs);
    return paragraph;
}

Hotspot To(HotspotKind kind, std::string target) {
    Hotspot hotspot;
    hotspot.kind = kind;
    hotspot.target = std::move(target);
    return hotspot;
}

Topic MakeTopic(std::string context, std::string title, std::vector<std::string> keywords,
                std::string browse) {
    Topic topic;
    topic.contexts.push_back({std::move(context), 0, 0});
    topic.hasTitle = true;
    topic.title = std::move(title);
    topic.keywords = std::move(keywords);
    topic.browse = std::move(browse);
    return topic;
}

// Four topics: a start page with every kind of text, a topic with a second
// context string further down, a pop-up and a topic the build tags leave out.
HelpDocument SampleDocument() {
    HelpDocument document;
    document.project.title.text = "Test Help";
    document.project.contents.text = "welcome";
    document.lcid = 1033;
    document.help.fonts = {{"Arial", "swiss", 0}, {"Courier New", "modern", 0}};
    document.help.colors = {0x000000, 0x0000FF};

    Topic welcome = MakeTopic("welcome", "Welcome", {"Start", "intro"}, "main:010");
    Paragraph heading = Para({Text("Welcome")});
    heading.runs[0].format.bold = true;
    heading.format.keepNext = true;
    welcome.paragraphs.push_back(heading);
    welcome.hotspots = {To(HotspotKind::Jump, "intro"), To(HotspotKind::Popup, "gloss"),
                        To(HotspotKind::Jump, "nowhere"), To(HotspotKind::Macro, "ExecFile(x)")};
    Paragraph links = Para({Text("Read "), Text("the intro", 0), Text(" or "), Text("term", 1),
                            Text(" "), Text("missing", 2), Text(" "), Text("Run it", 3)});
    links.runs[1].format.strike = true;
    links.runs[3].format.underline = true;
    welcome.paragraphs.push_back(links);
    Paragraph cellA = Para({Text("A")});
    cellA.format.inTable = cellA.format.cellEnd = true;
    Paragraph cellB = Para({Text("B")});
    cellB.format.inTable = cellB.format.cellEnd = cellB.format.rowEnd = true;
    cellB.format.cellEdges = {1440, 2880};
    welcome.paragraphs.push_back(cellA);
    welcome.paragraphs.push_back(cellB);
    Paragraph bullet = Para({Text("\x95"), Of(RunKind::Tab), Text("Bullet <text>")});
    bullet.format.leftIndent = 360;
    bullet.format.firstIndent = -360;
    welcome.paragraphs.push_back(bullet);
    Paragraph styled = Para({Text("code"), Text("red")});
    styled.runs[0].format.font = 1;
    styled.runs[0].format.halfPoints = 30;
    styled.runs[1].format.color = 1;
    styled.format.alignment = Alignment::Center;
    welcome.paragraphs.push_back(styled);
    welcome.bitmaps.resize(2);
    welcome.bitmaps[0].name = "logo.bmp";
    welcome.bitmaps[0].picture = 0;
    welcome.bitmaps[1].name = "missing.bmp";
    welcome.paragraphs.push_back(Para({Of(RunKind::Bitmap, 0), Of(RunKind::Bitmap, 1)}));
    document.help.topics.push_back(welcome);

    Topic intro = MakeTopic("intro", "Introduction", {"intro", "Zebra"}, "main:020");
    intro.contexts.push_back({"intro_more", 1, 0});
    intro.paragraphs = {Para({Text("Searchable xylophone words.")}), Para({Text("More.")})};
    document.help.topics.push_back(intro);

    Topic gloss = MakeTopic("gloss", "Glossary term", {}, "");
    gloss.hotspots = {To(HotspotKind::Jump, "intro_more")};
    gloss.paragraphs = {Para({Text("A term explained. "), Text("More", 0)})};
    document.help.topics.push_back(gloss);

    Topic secret = MakeTopic("secret", "Secret", {"hidden"}, "main:015");
    secret.built = false;
    secret.paragraphs = {Para({Text("Not for this build.")})};
    document.help.topics.push_back(secret);

    Picture logo;
    logo.name = "bm0";
    logo.width = 2;
    logo.height = 1;
    logo.pixels = {0xFFFF0000, 0xFF0000FF};
    document.pictures.push_back(logo);
    return document;
}

SiteFiles Files(const Site& site) {
    SiteFiles files;
    for (const SiteFile& file : site.files) {
        EXPECT_TRUE(files.emplace(file.path, file.bytes).second) << file.path;
    }
    return files;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(HtmlPublish, WritesAPagePerBuiltTopicAndTheSitesOwnFiles) {
    const Site site = Publish(SampleDocument(), {"test.hlp", ""});
    const SiteFiles files = Files(site);
    std::vector<std::string> paths;
    for (const auto& [path, bytes] : files) {
        paths.push_back(path);
    }
    EXPECT_EQ(paths,
              (std::vector<std::string>{"gloss.html", "help.css", "help.js", "images/bm0.png",
                                        "index.html", "intro.html", "keywords.html",
                                        "search-index.js", "search.html", "welcome.html"}));
    EXPECT_EQ(CheckSite(files), std::vector<std::string>{});
    EXPECT_EQ(ReportLine(site.report), "3 pages, 7 links, 1 broken");
    EXPECT_EQ(site.report.warnings,
              (std::vector<std::string>{
                  "topic \"Welcome\": broken link: no topic has the context string \"nowhere\"",
                  "topic \"Welcome\": the macro \"ExecFile(x)\" cannot work on the web; it is "
                  "shown as text",
                  "topic \"Welcome\": the picture \"missing.bmp\" was not found",
              }));
}

TEST(HtmlPublish, TurnsTextLinksTablesAndTabsIntoHtml) {
    const SiteFiles files = Files(Publish(SampleDocument(), {"test.hlp", ""}));
    const std::string& page = files.at("welcome.html");
    EXPECT_TRUE(Has(page, "<html lang=\"en\">"));
    EXPECT_TRUE(Has(page, "<title>Welcome - Test Help</title>"));
    EXPECT_TRUE(Has(page, "<div class=\"topic-header\">\n<p><b>Welcome</b></p>\n</div>"));
    EXPECT_TRUE(Has(page,
                    "<p>Read <a href=\"intro.html\">the intro</a> or <a class=\"popup-link\" "
                    "href=\"gloss.html\" data-popup=\"pop-gloss\">term</a> <span class=\"broken\" "
                    "title=\"Broken link: no topic has the context string &quot;nowhere&quot;\">"
                    "missing</span> <span class=\"macro\" title=\"the macro &quot;ExecFile(x)"
                    "&quot; cannot work on the web\">Run it</span></p>"));
    EXPECT_TRUE(Has(page,
                    "<table class=\"help-table\"><tr><td style=\"width:96px\"><p>A</p>\n</td>"
                    "<td style=\"width:96px\"><p>B</p>\n</td></tr></table>"));
    EXPECT_TRUE(Has(page,
                    "<p style=\"margin-left:24px;text-indent:-24px\"><span class=\"tab\" "
                    "style=\"min-width:24px\">\xE2\x80\xA2</span>Bullet &lt;text&gt;</p>"));
    EXPECT_TRUE(Has(page,
                    "<p style=\"text-align:center\"><span style=\"font-family:'Courier New',"
                    "monospace;font-size:125%\">code</span><span style=\"color:#ff0000\">red"
                    "</span></p>"));
    EXPECT_TRUE(Has(page,
                    "<p><img src=\"images/bm0.png\" width=\"2\" height=\"1\" alt=\"logo.bmp\">"
                    "<span class=\"missing-picture\">[missing.bmp]</span></p>"));
    // The pop-up's text rides along in a hidden panel; its own link still counts once.
    EXPECT_TRUE(Has(page,
                    "<aside class=\"popup\" id=\"pop-gloss\" hidden>\n<p>A term explained. <a "
                    "href=\"intro.html#c-intro_more\">More</a></p>\n</aside>"));
    EXPECT_TRUE(Has(files.at("intro.html"), "<p><span id=\"c-intro_more\"></span>More.</p>"));
}

TEST(HtmlPublish, BrowseSequencesGivePreviousNextAndTheContents) {
    const SiteFiles files = Files(Publish(SampleDocument(), {"test.hlp", ""}));
    EXPECT_TRUE(Has(files.at("welcome.html"),
                    "<span class=\"off\">&lt;&lt; Previous</span>\n<a rel=\"next\" "
                    "href=\"intro.html\">Next &gt;&gt;</a>"));
    EXPECT_TRUE(Has(files.at("intro.html"), "<a rel=\"prev\" href=\"welcome.html\">"));
    EXPECT_TRUE(Has(files.at("index.html"),
                    "<h1>Test Help</h1>\n<p class=\"start\">Start: <a href=\"welcome.html\">"
                    "Welcome</a></p>\n<ul class=\"contents\">\n"
                    "<li class=\"page\"><a href=\"welcome.html\">Welcome</a></li>\n"
                    "<li class=\"page\"><a href=\"intro.html\">Introduction</a></li>\n"
                    "<li class=\"page\"><a href=\"gloss.html\">Glossary term</a></li>\n</ul>\n"));
}

TEST(HtmlPublish, KeywordIndexGroupsByLetterAndListsSharedKeywords) {
    const SiteFiles files = Files(Publish(SampleDocument(), {"test.hlp", ""}));
    const std::string& page = files.at("keywords.html");
    EXPECT_TRUE(Has(page,
                    "<nav class=\"letters\"><a class=\"letter\" href=\"#letter-i\">i</a> <a "
                    "class=\"letter\" href=\"#letter-s\">s</a> <a class=\"letter\" "
                    "href=\"#letter-z\">z</a> </nav>"));
    EXPECT_TRUE(Has(page,
                    ">intro</dt>\n<dd><a href=\"welcome.html\">Welcome</a></dd>\n<dd><a "
                    "href=\"intro.html\">Introduction</a></dd>\n"));
    EXPECT_TRUE(Has(page, "\"><a href=\"welcome.html\">Start</a></dt>"));
    EXPECT_FALSE(Has(page, "hidden"));
}

TEST(HtmlPublish, SearchIndexListsEveryWordWithItsPages) {
    const SiteFiles files = Files(Publish(SampleDocument(), {"test.hlp", ""}));
    const std::string& index = files.at("search-index.js");
    EXPECT_TRUE(Has(index,
                    "window.HELP_SEARCH={pages:[\"welcome.html\",\"intro.html\","
                    "\"gloss.html\"],\ntitles:[\"Welcome\",\"Introduction\","
                    "\"Glossary term\"],"));
    EXPECT_TRUE(Has(index, "\n\"xylophone\":\"1\""));
    EXPECT_TRUE(Has(index, "\n\"term\":\"0,2\""));  // welcome's link text, gloss's title
    EXPECT_FALSE(Has(index, "\"lt\""));             // "&lt;" is no word
    EXPECT_TRUE(Has(index, "\n\"zebra\":\"1\""));   // a keyword of intro's
    EXPECT_FALSE(Has(index, "build"));              // the left-out topic's text
    EXPECT_FALSE(Has(index, "hidden"));             // and its keyword
}

TEST(HtmlPublish, ContentsFileGivesBooksPagesAndMarksWhatLeadsNowhere) {
    const std::string cnt =
        ":Base test.hlp\r\n:Title Test Help\r\n1 Getting started\r\n2 Welcome=welcome\r\n"
        "2 Intro=intro_more>main\r\n1 Elsewhere=other@other.hlp\r\n1 Run=!ExecFile(x)\r\n"
        "1 Back home=!JumpContents()\r\n:Include more.cnt\r\n";
    const Site site = Publish(SampleDocument(), {"test.hlp", cnt});
    const SiteFiles files = Files(site);
    EXPECT_TRUE(Has(files.at("index.html"),
                    "<ul class=\"contents\">\n"
                    "<li class=\"book\"><details open><summary>Getting started</summary>\n<ul>\n"
                    "<li class=\"page\"><a href=\"welcome.html\">Welcome</a></li>\n"
                    "<li class=\"page\"><a href=\"intro.html#c-intro_more\">Intro</a></li>\n"
                    "</ul>\n</details></li>\n"
                    "<li class=\"page\"><span class=\"broken\" title=\"Broken link: &quot;other"
                    "&quot; is in another help file, other.hlp\">Elsewhere</span></li>\n"
                    "<li class=\"page\"><span class=\"macro\" title=\"the macro &quot;ExecFile(x)"
                    "&quot; cannot work on the web\">Run</span></li>\n"
                    "<li class=\"page\"><a href=\"index.html\">Back home</a></li>\n</ul>\n"));
    EXPECT_EQ(ReportLine(site.report), "3 pages, 8 links, 2 broken");
    const auto& w = site.report.warnings;
    EXPECT_NE(std::find(w.begin(), w.end(),
                        "contents: the included contents file \"more.cnt\" is not published"),
              w.end());
}

TEST(HtmlPublish, TextOfAnotherCodePageBecomesUtf8) {
    HelpDocument document;
    document.charset = 204;
    Topic topic = MakeTopic("start", "\xCF\xF0\xE8\xE2\xE5\xF2", {"\xC0\xE1\xE2"}, "");
    topic.paragraphs = {Para({Text("\xD1\xEB\xEE\xE2\xEE")})};
    document.help.topics.push_back(topic);
    const Site site = Publish(document, {"ru.hlp", ""});
    const SiteFiles files = Files(site);
    const std::string& page = files.at("start.html");
    EXPECT_TRUE(Has(page, "<title>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82</title>"));
    EXPECT_TRUE(Has(page, "<p>\xD0\xA1\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE</p>"));
    EXPECT_FALSE(Has(page, "<html lang"));  // no locale named
    // Searching for the word in any case finds the page: the index folds it.
    EXPECT_TRUE(
        Has(files.at("search-index.js"), "\"\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE\":\"0\""));
    EXPECT_EQ(CheckSite(files), std::vector<std::string>{});
}

TEST(HtmlPublish, ATopicThatPopsItselfUpKeepsItsIdsOnce) {
    HelpDocument document;
    Topic topic = MakeTopic("self", "Self", {}, "");
    topic.contexts.push_back({"self_end", 1, 0});
    topic.hotspots = {To(HotspotKind::Popup, "self"), To(HotspotKind::Jump, "self_end")};
    topic.paragraphs = {Para({Text("me", 0)}), Para({Text("end", 1)})};
    document.help.topics.push_back(topic);
    const SiteFiles files = Files(Publish(document, {"self.hlp", ""}));
    EXPECT_EQ(CheckSite(files), std::vector<std::string>{});
    EXPECT_TRUE(Has(files.at("self.html"),
                    "<aside class=\"popup\" id=\"pop-self\" hidden>\n<p><a href=\"self.html\">me"
                    "</a></p>\n<p><a href=\"self.html#c-self_end\">end</a></p>\n</aside>"));
}

TEST(HtmlPublish, ButtonsLinkWhereTheWebCanFollowTheirMacros) {
    HelpDocument document;
    Topic topic = MakeTopic("buttons", "Buttons", {}, "");
    help::Run home = Of(RunKind::Button);
    home.text = "Home";
    home.macro = "JumpContents()";
    help::Run run = Of(RunKind::Button);
    run.text = "Run";
    run.macro = "ExecFile(x)";
    help::Run inside = home;
    inside.hotspot = 0;  // a button in a hotspot's text: no link in a link
    topic.hotspots = {To(HotspotKind::Jump, "buttons")};
    topic.paragraphs = {Para({home, run, inside})};
    document.help.topics.push_back(topic);
    const Site site = Publish(document, {"b.hlp", ""});
    const SiteFiles files = Files(site);
    EXPECT_TRUE(Has(files.at("buttons.html"),
                    "<p><a class=\"button\" href=\"index.html\">Home</a><span class=\"macro "
                    "button\" title=\"the macro &quot;ExecFile(x)&quot; cannot work on the web\">"
                    "Run</span><a href=\"buttons.html\"><span class=\"button\">Home</span></a>"
                    "</p>"));
    EXPECT_EQ(CheckSite(files), std::vector<std::string>{});
    EXPECT_EQ(ReportLine(site.report), "1 pages, 3 links, 0 broken");
}

TEST(HtmlPublish, ProgressCanStopThePublishing) {
    std::size_t calls = 0;
    const Site site = Publish(SampleDocument(), {"test.hlp", ""},
                              [&calls](std::size_t, std::size_t) { return ++calls < 2; });
    EXPECT_TRUE(site.files.empty());
    EXPECT_EQ(calls, 2U);
}

}  // namespace
}  // namespace scrivlet::help::html
