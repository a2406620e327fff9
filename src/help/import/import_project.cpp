#include "help/import/import_project.h"

#include <cstdlib>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "help/import/topic_text_writer.h"

namespace scrivlet::help {
namespace {

// Context strings match without regard to letter case, as the help file's
// hash does.
std::string Key(std::string_view context) {
    std::string key(context);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key;
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) {
            out += separator;
        }
        out += part;
    }
    return out;
}

// A folder as the project stores it: relative to the new project's folder
// where it can be, with the backslashes stored names use.
std::string StoredFolder(const std::filesystem::path& folder, const std::filesystem::path& base) {
    std::filesystem::path relative = folder.lexically_normal().lexically_relative(base);
    std::string text =
        relative.empty() ? folder.lexically_normal().generic_string() : relative.generic_string();
    if (text.empty()) {
        text = ".";
    }
    if (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    for (char& c : text) {
        if (c == '/') {
            c = '\\';
        }
    }
    return text;
}

std::filesystem::path FolderOf(const std::string& stored, const std::filesystem::path& source) {
    std::string text = stored;
    for (char& c : text) {
        if (c == '\\') {
            c = '/';
        }
    }
    const std::filesystem::path path(text);
    return path.is_absolute() ? path : source / path;
}

uint32_t LcidOf(const HelpDocument& document) {
    if (document.lcid != 0) {
        return document.lcid;
    }
    const std::string& text = document.project.lcid.text;
    if (text.empty()) {
        return 0;
    }
    return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 0) & 0xFFFF);
}

// How the report names a topic: its title, else its context string, else
// its place (a help file's topics often have no title).
std::string TopicLabel(const Topic& topic, std::size_t index) {
    if (!topic.title.empty()) {
        return topic.title;
    }
    if (!topic.contexts.empty() && !topic.contexts.front().name.empty()) {
        return topic.contexts.front().name;
    }
    return "#" + std::to_string(index + 1);
}

class Importer {
public:
    Importer(const HelpDocument& document, const ImportOptions& options)
        : doc_(document), options_(options) {}

    ImportResult Run() {
        ReadAliases();
        ReadMap();
        NumberTopics();
        WriteTexts();
        Settings();
        result_.report.topics = static_cast<int>(result_.project.Topics.Count());
        return std::move(result_);
    }

private:
    std::string Resolved(std::string_view context) const {
        const auto alias = aliases_.find(Key(context));
        return alias != aliases_.end() ? alias->second : std::string(context);
    }

    void ReadAliases() {
        for (const AliasEntry& alias : doc_.project.aliases) {
            aliases_.emplace(Key(alias.alias), alias.context);
        }
    }

    void ReadMap() {
        for (const MapEntry& entry : doc_.project.map) {
            const std::string key = Key(Resolved(entry.context));
            if (mapped_.emplace(key, static_cast<int32_t>(entry.number)).second) {
                mappedNumbers_.insert(static_cast<int32_t>(entry.number));
            }
        }
    }

    void Note(const std::string& topic, std::string what) {
        result_.report.notes.push_back({topic, std::move(what)});
    }

    void NumberTopics() {
        TTopicList& topics = result_.project.Topics;
        for (std::size_t index = 0; index < doc_.help.topics.size(); ++index) {
            const Topic& source = doc_.help.topics[index];
            TTopic topic = CreateTopic();
            topic.Title = source.title;
            topic.Comment = "Imported";
            if (!source.contexts.empty()) {
                topic.ContextString = source.contexts.front().name;
            }
            topic.Keywords = Join(source.keywords, ";");
            topic.AKeywords = Join(source.aKeywords, ";");
            topic.BuildTag = Join(source.buildTags, ";");
            topic.BrowseSeq = source.browse;
            topic.Window = source.window;
            topic.EntryMacro = Join(source.entryMacros, ";");
            const std::optional<int32_t> number = MappedNumber(source, TopicLabel(source, index));
            if (number) {
                topic.TopicID = *number;
            } else {
                topic.TopicID = NewTopicNumber(topics, options_.idCount, options_.idInc);
                while (options_.idInc != 0 && mappedNumbers_.count(topic.TopicID) != 0) {
                    topic.TopicID =
                        static_cast<int32_t>(static_cast<uint32_t>(topic.TopicID) + options_.idInc);
                }
            }
            ++numberUses_[topic.TopicID];
            if (!topic.ContextString.empty()) {
                primary_.emplace(Key(topic.ContextString.str()), topic.TopicID);
            }
            topics.Add(std::move(topic));
        }
    }

    // The topic's own context string's number; else, when only one of its
    // anchors is mapped, that number opens the topic from now on.
    std::optional<int32_t> MappedNumber(const Topic& source, const std::string& label) {
        std::optional<int32_t> number;
        for (std::size_t i = 0; i < source.contexts.size(); ++i) {
            const auto found = mapped_.find(Key(source.contexts[i].name));
            if (found == mapped_.end()) {
                continue;
            }
            if (!number) {
                number = found->second;
                if (i > 0) {
                    Note(label, "the map number " + std::to_string(found->second) +
                                    " of the anchor \"" + source.contexts[i].name +
                                    "\" now opens the topic at its start");
                }
            } else {
                Note(label, "the map number " + std::to_string(found->second) +
                                " of the anchor \"" + source.contexts[i].name + "\"");
            }
        }
        return number;
    }

    void WriteTexts() {
        TopicTextContext context;
        context.lcid = LcidOf(doc_);
        context.hrefNumber = [this](std::string_view target) -> std::optional<int32_t> {
            const auto found = primary_.find(Key(Resolved(target)));
            if (found == primary_.end() || numberUses_[found->second] != 1) {
                return std::nullopt;
            }
            return found->second;
        };
        context.imageName = [this](const BitmapRef& bitmap) { return ImageName(bitmap); };
        for (std::size_t i = 0; i < doc_.help.topics.size(); ++i) {
            const Topic& source = doc_.help.topics[i];
            TopicText text = WriteTopicText(doc_.help, source, context);
            result_.project.Topics[i].Text = std::move(text.lines);
            result_.report.links += text.links;
            result_.report.pictures += text.images;
            for (std::string& what : text.notCarried) {
                Note(TopicLabel(source, i), std::move(what));
            }
        }
    }

    std::string ImageName(const BitmapRef& bitmap) {
        if (bitmap.picture < 0) {
            return bitmap.name;
        }
        if (static_cast<std::size_t>(bitmap.picture) >= doc_.pictures.size()) {
            return "";
        }
        const auto known = pictureFiles_.find(bitmap.picture);
        if (known != pictureFiles_.end()) {
            return known->second;
        }
        const Picture& picture = doc_.pictures[static_cast<std::size_t>(bitmap.picture)];
        std::string name =
            picture.name.empty() ? "bm" + std::to_string(bitmap.picture) : picture.name;
        name += picture.pixels.empty() && !picture.metafile.empty() ? ".wmf" : ".bmp";
        if (!picture.hotspots.empty()) {
            Note("", "the hotspots inside the picture \"" + name + "\"");
        }
        pictureFiles_.emplace(bitmap.picture, name);
        result_.pictures.push_back({bitmap.picture, name});
        return name;
    }

    void Settings() {
        const HelpProject& hpj = doc_.project;
        Project& project = result_.project;
        project.HelpTitle = hpj.title.text;
        project.Copyright = hpj.copyright.text;
        project.Citation = hpj.citation.text;
        project.DefaultTopic = hpj.contents.text;
        project.HelpFileName = hpj.hlp.text;
        project.ContentsFileName = options_.contentsFile;
        project.Compress = hpj.compress != 0;
        project.WindowDefs.clear();
        for (const WindowDefinition& window : hpj.windows) {
            project.WindowDefs.push_back(WindowDefinitionLine(window));
        }
        project.ConfigMacros.clear();
        for (const ConfigMacro& macro : hpj.config) {
            if (macro.window.empty()) {
                project.ConfigMacros.push_back(macro.macro);
            } else {
                Note("", "the macro \"" + macro.macro + "\" of [CONFIG-" + macro.window + "]");
            }
        }
        BitmapFolders();
        BuildTags();
        if (!hpj.icon.text.empty()) {
            Note("", "the icon \"" + hpj.icon.text + "\"");
        }
    }

    void BitmapFolders() {
        const HelpProject& hpj = doc_.project;
        std::vector<std::string>& roots = result_.project.BitmapRoots;
        auto add = [&roots](const std::string& folder) {
            for (const std::string& known : roots) {
                if (known == folder) {
                    return;
                }
            }
            roots.push_back(folder);
        };
        for (const ProjectLine& root : hpj.bmRoots) {
            add(StoredFolder(FolderOf(root.text, options_.sourceFolder), options_.outFolder));
        }
        for (const ProjectLine& root : hpj.roots) {
            add(StoredFolder(FolderOf(root.text, options_.sourceFolder), options_.outFolder));
        }
        if (!result_.pictures.empty()) {
            add(options_.pictureFolder);
        } else if (!options_.sourceFolder.empty() && options_.sourceFolder.lexically_normal() !=
                                                         options_.outFolder.lexically_normal()) {
            // The sources' own folder, where the compiler looked first.
            add(StoredFolder(options_.sourceFolder, options_.outFolder));
        }
    }

    void BuildTags() {
        const HelpProject& hpj = doc_.project;
        Project& project = result_.project;
        if (!hpj.includeTags.empty()) {
            project.IncludeTag = hpj.includeTags.front().text;
        }
        if (!hpj.excludeTags.empty()) {
            project.ExcludeTag = hpj.excludeTags.front().text;
        }
        for (std::size_t i = 1; i < hpj.includeTags.size(); ++i) {
            Note("", "the build tag \"" + hpj.includeTags[i].text + "\" of [INCLUDE]");
        }
        for (std::size_t i = 1; i < hpj.excludeTags.size(); ++i) {
            Note("", "the build tag \"" + hpj.excludeTags[i].text + "\" of [EXCLUDE]");
        }
        if (!hpj.buildExpression.text.empty()) {
            Note("", "the build expression \"" + hpj.buildExpression.text + "\"");
        }
    }

    const HelpDocument& doc_;
    const ImportOptions& options_;
    ImportResult result_;
    std::unordered_map<std::string, std::string> aliases_;
    std::unordered_map<std::string, int32_t> mapped_;
    std::unordered_set<int32_t> mappedNumbers_;
    std::unordered_map<std::string, int32_t> primary_;
    std::unordered_map<int32_t, int> numberUses_;
    std::unordered_map<int, std::string> pictureFiles_;
};

std::string Optional(const std::optional<int32_t>& value) {
    return value ? std::to_string(*value) : std::string();
}

std::string Color(const std::optional<uint32_t>& value) {
    return value ? "(r" + std::to_string(*value) + ")" : std::string();
}

}  // namespace

std::string WindowDefinitionLine(const WindowDefinition& window) {
    std::string line = window.name + "=\"" + window.caption + "\",";
    if (window.x || window.y || window.width || window.height) {
        line += "(" + Optional(window.x) + "," + Optional(window.y) + "," + Optional(window.width) +
                "," + Optional(window.height) + ")";
    }
    line += ",";
    if (window.buttons) {
        line += std::to_string(*window.buttons);
    }
    line += "," + Color(window.scrollColor) + "," + Color(window.fixedColor) + ",";
    if (window.onTop) {
        line += std::to_string(*window.onTop);
    }
    return line;
}

ImportResult ImportHelpDocument(const HelpDocument& document, const ImportOptions& options) {
    return Importer(document, options).Run();
}

}  // namespace scrivlet::help
