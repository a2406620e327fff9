#include "hc/compile.h"

#include <unordered_map>

#include "core/util/convert.h"
#include "core/util/file_io.h"
#include "hc/build_tags.h"
#include "hc/checks.h"
#include "hc/file_lookup.h"
#include "hc/hpj_reader.h"
#include "hc/rtf_topic_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

std::string LastPart(const std::string& name) {
    const std::size_t slash = name.find_last_of("\\/");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// The folders ROOT or BMROOT lines name, as paths on this system. A folder
// that is not there is reported once, by the caller that passes LOG.
std::vector<fs::path> Folders(const fs::path& base, const std::vector<ProjectLine>& lines,
                              const char* option, Log* log) {
    std::vector<fs::path> folders;
    for (const ProjectLine& line : lines) {
        const bool driveLetter = line.text.size() >= 2 && line.text[1] == ':';
        fs::path folder = PathForWriting(base, line.text);
        std::error_code ec;
        if (driveLetter || !fs::is_directory(folder, ec)) {
            if (log != nullptr) {
                log->Report(
                    Code::FolderNotFound, {line.file, line.line, 0, {}},
                    std::string("The ") + option + " folder \"" + line.text + "\" was not found.");
            }
            continue;
        }
        folders.push_back(std::move(folder));
    }
    return folders;
}

class BitmapLookup {
public:
    BitmapLookup(const fs::path& folder, const HelpProject& project, Log& log)
        : folder_(folder), project_(project) {
        bmRoots_ = Folders(folder, project.bmRoots, "BMROOT", &log);
        roots_ = Folders(folder, project.roots, "ROOT", nullptr);
    }

    std::string Find(const std::string& name) {
        const std::string key = UpperAscii(name);
        const auto cached = cache_.find(key);
        if (cached != cache_.end()) {
            return cached->second;
        }
        std::string found = Search(name);
        cache_.emplace(key, found);
        return found;
    }

private:
    std::string Search(const std::string& name) const {
        auto hit = [](const std::optional<fs::path>& path) {
            return path ? path->string() : std::string();
        };
        if (IsAbsoluteName(name)) {
            return hit(FindFile(folder_, name));
        }
        for (const fs::path& root : bmRoots_) {
            if (auto path = FindFile(root, name)) {
                return path->string();
            }
        }
        for (const fs::path& root : roots_) {
            if (auto path = FindFile(root, name)) {
                return path->string();
            }
        }
        if (auto path = FindFile(folder_, name)) {
            return path->string();
        }
        // [BITMAPS] lists files by their full names.
        const std::string key = UpperAscii(name);
        for (const ProjectLine& line : project_.bitmaps) {
            if (UpperAscii(LastPart(line.text)) == key) {
                if (auto path = FindFile(folder_, line.text)) {
                    return path->string();
                }
            }
        }
        return {};
    }

    fs::path folder_;
    const HelpProject& project_;
    std::vector<fs::path> bmRoots_;
    std::vector<fs::path> roots_;
    std::unordered_map<std::string, std::string> cache_;
};

BuildTagFilter MakeFilter(const HelpProject& project, Log& log) {
    BuildTagFilter filter;
    for (const ProjectLine& tag : project.includeTags) {
        filter.Include(tag.text);
    }
    for (const ProjectLine& tag : project.excludeTags) {
        filter.Exclude(tag.text);
    }
    if (project.buildExpression.line != 0) {
        const std::string fault = filter.SetExpression(project.buildExpression.text);
        if (!fault.empty()) {
            log.Report(Code::BadBuildExpression,
                       {project.fileName, project.buildExpression.line, 0, {}},
                       "The build expression \"" + project.buildExpression.text +
                           "\" is not sound: " + fault + "; it is not applied.");
        }
    }
    return filter;
}

}  // namespace

CompileResult CompileHelpProject(const fs::path& projectPath, bool pack) {
    CompileResult result;
    result.folder = projectPath.parent_path();
    if (result.folder.empty()) {
        result.folder = ".";
    }
    const std::string fileName = projectPath.filename().string();
    const std::optional<std::string> bytes = ReadFileBytes(projectPath);
    if (!bytes) {
        result.log.Report(Code::ProjectNotFound, {},
                          "The help project file \"" + projectPath.string() + "\" cannot be read.");
        return result;
    }
    const fs::path folder = result.folder;
    IncludeLoader loadInclude = [&folder](const std::string& name) -> std::optional<std::string> {
        const auto path = FindFile(folder, name);
        return path ? ReadFileBytes(*path) : std::nullopt;
    };
    result.project = ReadHelpProject(*bytes, fileName, result.log, loadInclude);
    const HelpProject& project = result.project;
    const BuildTagFilter filter = MakeFilter(project, result.log);

    if (project.files.empty()) {
        result.log.Report(Code::NoTopicFiles, {fileName, 0, 0, {}},
                          "The [FILES] section names no topic file.");
    }
    const std::vector<fs::path> roots = Folders(folder, project.roots, "ROOT", &result.log);
    BitmapLookup bitmaps(folder, project, result.log);
    const BitmapFinder findBitmap = [&bitmaps](const std::string& name) {
        return bitmaps.Find(name);
    };
    for (const ProjectLine& file : project.files) {
        std::optional<fs::path> path;
        if (!IsAbsoluteName(file.text)) {
            for (const fs::path& root : roots) {
                if ((path = FindFile(root, file.text))) {
                    break;
                }
            }
        }
        if (!path) {
            path = FindFile(folder, file.text);
        }
        const std::optional<std::string> rtf = path ? ReadFileBytes(*path) : std::nullopt;
        if (!rtf) {
            result.log.Report(Code::TopicFileNotFound, {fileName, file.line, 0, {}},
                              "The topic file \"" + file.text + "\" was not found.");
            continue;
        }
        ReadTopicFile(*rtf, LastPart(file.text), result.help, result.log, findBitmap, pack);
    }
    result.counts = CheckHelpFile(project, filter, result.help, result.log);
    return result;
}

std::string LogFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace scrivlet::hc
