#include "help/html/site_map.h"

#include "help/context_hash.h"
#include "help/help_lookup.h"
#include "help/html/code_page.h"

namespace scrivlet::help::html {
namespace {

std::string LowerStem(std::string_view file) {
    const std::size_t slash = file.find_last_of("\\/");
    if (slash != std::string_view::npos) {
        file.remove_prefix(slash + 1);
    }
    const std::size_t dot = file.rfind('.');
    std::string stem(file.substr(0, dot));
    for (char& c : stem) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return stem;
}

std::string PageStem(const Topic& topic, int index) {
    for (const ContextDefinition& definition : topic.contexts) {
        if (!definition.name.empty()) {
            return definition.name;
        }
    }
    return "topic-" + std::to_string(index + 1);
}

}  // namespace

std::string ReportLine(const PublishReport& report) {
    return std::to_string(report.pages) + " pages, " + std::to_string(report.links) + " links, " +
           std::to_string(report.broken) + " broken";
}

SiteMap::SiteMap(const HelpDocument& document, std::string_view helpFileName)
    : document_(document), helpStem_(LowerStem(helpFileName)) {
    codePage_ = CodePageOfCharset(document.charset);
    FileNames names;
    const std::vector<Topic>& topics = document.help.topics;
    pages_.resize(topics.size());
    for (std::size_t i = 0; i < topics.size(); ++i) {
        for (const ContextDefinition& definition : topics[i].contexts) {
            topicOfHash_.emplace(DefinitionHash(definition), static_cast<int>(i));
        }
        if (topics[i].built) {
            pages_[i] = names.Take(PageStem(topics[i], static_cast<int>(i)), ".html");
        }
    }
    const int contents = ContentsTopic(document);
    if (Published(contents)) {
        start_ = contents;
    } else {
        for (std::size_t i = 0; i < pages_.size() && start_ < 0; ++i) {
            start_ = pages_[i].empty() ? -1 : static_cast<int>(i);
        }
    }
    FileNames images;
    for (const Picture& picture : document.pictures) {
        const bool sound = !picture.pixels.empty() &&
                           picture.pixels.size() == static_cast<std::size_t>(picture.width) *
                                                        static_cast<std::size_t>(picture.height);
        pictures_.push_back(sound ? "images/" + images.Take(picture.name, ".png") : std::string());
    }
}

std::string SiteMap::ContextAnchor(const ContextDefinition& definition) {
    if (!definition.name.empty()) {
        return "c-" + SafeStem(definition.name);
    }
    return "c-" + std::to_string(definition.hash);
}

std::string SiteMap::ContextHref(std::string_view context, uint32_t hash, int* topic) const {
    if (!context.empty()) {
        hash = ContextHash(context);
    }
    const auto known = topicOfHash_.find(hash);
    const int found = known == topicOfHash_.end() ? -1 : known->second;
    if (topic != nullptr) {
        *topic = found;
    }
    if (!Published(found)) {
        return {};
    }
    std::string href = PageOf(found);
    for (const ContextDefinition& definition :
         document_.help.topics[static_cast<std::size_t>(found)].contexts) {
        if (DefinitionHash(definition) == hash) {
            if (definition.paragraph > 0) {
                href += "#" + ContextAnchor(definition);
            }
            break;
        }
    }
    return href;
}

bool SiteMap::IsThisFile(std::string_view file) const {
    return file.empty() || LowerStem(file) == helpStem_;
}

const std::string& SiteMap::PictureFile(int picture) const {
    static const std::string none;
    if (picture < 0 || static_cast<std::size_t>(picture) >= pictures_.size()) {
        return none;
    }
    return pictures_[static_cast<std::size_t>(picture)];
}

std::string SiteMap::Text(std::string_view bytes, int font) const {
    int codePage = codePage_;
    const std::vector<Font>& fonts = document_.help.fonts;
    if (font >= 0 && static_cast<std::size_t>(font) < fonts.size() &&
        fonts[static_cast<std::size_t>(font)].charset != 0) {
        codePage = CodePageOfCharset(fonts[static_cast<std::size_t>(font)].charset);
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    AppendUtf8(out, bytes, codePage);
    return out;
}

std::string SiteMap::Title(int topic) const {
    const Topic& t = document_.help.topics[static_cast<std::size_t>(topic)];
    if (t.hasTitle && !t.title.empty()) {
        return Text(t.title);
    }
    for (const ContextDefinition& definition : t.contexts) {
        if (!definition.name.empty()) {
            return Text(definition.name);
        }
    }
    return "Topic " + std::to_string(topic + 1);
}

std::string SiteMap::Describe(int topic) const {
    return "topic \"" + Title(topic) + "\"";
}

}  // namespace scrivlet::help::html
