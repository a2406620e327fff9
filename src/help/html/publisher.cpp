#include "help/html/publisher.h"

#include <fstream>
#include <set>
#include <stdexcept>

#include "help/html/code_page.h"
#include "help/html/contents_tree.h"
#include "help/html/html_text.h"
#include "help/html/keyword_index.h"
#include "help/html/page_frame.h"
#include "help/html/png_writer.h"
#include "help/html/search_index.h"
#include "help/html/site_assets.h"
#include "help/html/topic_body.h"

namespace scrivlet::help::html {
namespace {

// The words of a body's HTML: its text without the tags and entities.
void IndexHtmlText(SearchIndex& index, const std::string& html) {
    std::string text;
    text.reserve(html.size());
    bool inTag = false;
    for (const char c : html) {
        if (c == '<') {
            inTag = true;
            text += ' ';
        } else if (c == '>') {
            inTag = false;
        } else if (!inTag) {
            text += c;
        }
    }
    // "&amp;" and its kind leave short letter runs ("amp", "lt") that would
    // match searches for them; drop them with their "&" and ";".
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const std::size_t end = text.find(';', i);
            if (end != std::string::npos && end - i <= 7) {
                plain += ' ';
                i = end;
                continue;
            }
        }
        plain += text[i];
    }
    index.AddWords(plain);
}

std::string SiteTitle(const SiteMap& site) {
    const std::string& title = site.Document().project.title.text;
    if (!title.empty()) {
        return site.Text(title);
    }
    return site.Published(site.StartTopic()) ? site.Title(site.StartTopic()) : "Help";
}

std::string PopupPanels(TopicWriter& writer, const SiteMap& site, const std::vector<int>& popups,
                        std::string& maps) {
    std::string out;
    for (const int topic : popups) {
        const TopicBody body = writer.Write(topic, true);
        maps += writer.ImageMaps();
        out += "<aside class=\"popup\" id=\"" + PanelId(site, topic) + "\" hidden>\n" +
               body.header + body.text + "</aside>\n";
    }
    return out;
}

}  // namespace

Site Publish(const HelpDocument& document, const PublishInput& input,
             const PublishProgress& progress) {
    Site site;
    PublishReport& report = site.report;
    const SiteMap map(document, input.helpFileName);
    const int codePage = CodePageOfCharset(document.charset);
    if (!IsConvertibleCodePage(codePage)) {
        report.warnings.push_back("the help's character set " + std::to_string(document.charset) +
                                  " (code page " + std::to_string(codePage) +
                                  ") is not converted; its text is read as Windows-1252");
    }
    const std::string siteTitle = SiteTitle(map);
    const std::string language = LanguageTag(document.lcid);
    const std::vector<std::vector<int>> sequences = BrowseSequences(map);
    const std::vector<std::pair<int, int>> neighbours = BrowseNeighbours(map, sequences);
    const bool browse = !sequences.empty();

    TopicWriter writer(map, report);
    SearchIndex search;
    const std::vector<Topic>& topics = document.help.topics;
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (progress && !progress(i, topics.size())) {
            return {};
        }
        const int topic = static_cast<int>(i);
        if (!map.Published(topic)) {
            continue;
        }
        const TopicBody body = writer.Write(topic);
        PageFrame frame;
        frame.title = map.Title(topic);
        frame.siteTitle = siteTitle;
        frame.language = language;
        frame.fixed = body.header;
        frame.text = body.text;
        std::string maps = writer.ImageMaps();
        frame.after = PopupPanels(writer, map, body.popups, maps);
        frame.after += maps;
        frame.browse = browse;
        const auto [previous, next] = neighbours[i];
        frame.previous = previous >= 0 ? map.PageOf(previous) : std::string();
        frame.next = next >= 0 ? map.PageOf(next) : std::string();
        site.files.push_back({map.PageOf(topic), WritePage(frame)});
        ++report.pages;
        search.AddPage(map.PageOf(topic), frame.title);
        IndexHtmlText(search, body.header);
        IndexHtmlText(search, body.text);
        // A reader searches for the words the author chose as keywords too.
        for (const std::string& keyword : topics[i].keywords) {
            search.AddWords(map.Text(keyword));
        }
    }

    std::vector<ContentsNode> contents;
    if (!input.contentsBytes.empty()) {
        contents = ContentsFromFile(map, input.contentsBytes, report);
    }
    if (contents.empty()) {
        contents = ContentsFromBrowse(map, sequences);
    }
    CountContentsLinks(contents, report);
    PageFrame index;
    index.title = siteTitle;
    index.language = language;
    index.text = "<h1>" + Escaped(siteTitle) + "</h1>\n";
    if (map.Published(map.StartTopic())) {
        index.text += "<p class=\"start\">Start: <a href=\"" + map.PageOf(map.StartTopic()) +
                      "\">" + Escaped(map.Title(map.StartTopic())) + "</a></p>\n";
    }
    index.text += ContentsHtml(contents);
    site.files.push_back({"index.html", WritePage(index)});

    PageFrame keywords;
    keywords.title = "Index";
    keywords.siteTitle = siteTitle;
    keywords.language = language;
    keywords.text = KeywordPageText(map, CollectKeywords(map));
    site.files.push_back({"keywords.html", WritePage(keywords)});

    PageFrame searchPage;
    searchPage.title = "Search";
    searchPage.siteTitle = siteTitle;
    searchPage.language = language;
    searchPage.searchIndex = true;
    searchPage.text =
        "<h1>Search</h1>\n<form id=\"search-form\" action=\"search.html\" method=\"get\">"
        "<input type=\"search\" name=\"q\" aria-label=\"Words to find\" autofocus> "
        "<button type=\"submit\">Find</button></form>\n"
        "<noscript><p>Search needs JavaScript; the contents and the index work "
        "without it.</p></noscript>\n<p id=\"search-status\"></p>\n<ol id=\"results\"></ol>\n";
    site.files.push_back({"search.html", WritePage(searchPage)});
    site.files.push_back({"search-index.js", search.Script()});
    site.files.push_back({"help.css", kStyleSheet});
    site.files.push_back({"help.js", kScript});

    for (std::size_t i = 0; i < document.pictures.size(); ++i) {
        const std::string& file = map.PictureFile(static_cast<int>(i));
        if (file.empty()) {
            continue;
        }
        const Picture& picture = document.pictures[i];
        std::string png = EncodePng(picture.width, picture.height, picture.pixels);
        if (png.empty()) {
            report.warnings.push_back("the picture \"" + map.Text(picture.name) +
                                      "\" has no sound pixels; it is left out");
            continue;
        }
        site.files.push_back({file, std::move(png)});
    }
    if (progress) {
        progress(topics.size(), topics.size());
    }
    return site;
}

void WriteSite(const Site& site, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::set<std::filesystem::path> made{folder};
    for (const SiteFile& file : site.files) {
        const std::filesystem::path path = folder / file.path;
        if (made.insert(path.parent_path()).second) {
            std::filesystem::create_directories(path.parent_path());
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }
}

std::string PreviewPage(const HelpDocument& document, int topic) {
    const SiteMap map(document, {});
    PublishReport quiet;
    TopicWriter writer(map, quiet);
    const TopicBody body = writer.Write(topic, true);
    std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<style>\n";
    page += kStyleSheet;
    page += "</style>\n</head>\n<body>\n";
    if (!body.header.empty()) {
        page += "<div class=\"topic-header\">\n" + body.header + "</div>\n";
    }
    page += "<main>\n" + body.text + "</main>\n</body>\n</html>\n";
    return page;
}

std::size_t SiteSize(const Site& site) {
    std::size_t size = 0;
    for (const SiteFile& file : site.files) {
        size += file.bytes.size();
    }
    return size;
}

}  // namespace scrivlet::help::html
