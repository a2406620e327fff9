#include "cli/publish_source.h"

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <map>

#include "core/build/build_files.h"
#include "core/build/build_paths.h"
#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/projectfile/project_file.h"
#include "core/util/cp1252.h"
#include "core/util/disk_path.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/bmp_reader.h"
#include "help/help_lookup.h"
#ifdef SCRIVLET_HAVE_HLP_READER
#include "help/hlp/hlp_reader.h"
#endif

namespace scrivlet::cli {
namespace {

namespace fs = std::filesystem;

// A folder of our own under the system's temporary folder, gone with its
// contents when this goes.
class TemporaryFolder {
public:
    TemporaryFolder() {
        static std::atomic<int> counter{0};
        const fs::path base = fs::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = base / ("scrivlet-publish-" + std::to_string(::getpid()) + "-" +
                            std::to_string(counter++));
            std::error_code ec;
            if (fs::create_directory(path_, ec)) {
                return;
            }
        }
        throw PublishError("cannot create a temporary folder in " + base.string());
    }
    ~TemporaryFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// A stored name (".\x.cnt", "art\pic.bmp") as a path on this disk, inside
// FOLDER unless it is absolute.
fs::path StoredPath(std::string_view stored, const std::string& folder) {
    const std::string disk = ToDiskPath(stored);
    return IsAbsoluteStoredPath(stored) || folder.empty() ? fs::path(disk)
                                                          : fs::path(folder) / disk;
}

// The help project lines with the project's folder as a ROOT, so that the
// topic files and bitmaps it names are found from the temporary folder, and
// with relative BMROOT folders made absolute for the same reason.
std::vector<std::string> RootedHelpProject(std::vector<std::string> lines,
                                           const std::string& projectFolder) {
    if (projectFolder.empty()) {
        return lines;
    }
    for (std::string& line : lines) {
        if (line.rfind("BMROOT=", 0) == 0 && !IsAbsoluteStoredPath(line.substr(7))) {
            line = "BMROOT=" + StoredPath(line.substr(7), projectFolder).string();
        }
    }
    lines.insert(lines.begin() + 1, "ROOT=" + projectFolder);
    return lines;
}

bool IsExtension(const std::string& path, const char* extension) {
    std::string tail = fs::path(path).extension().string();
    for (char& c : tail) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return tail == extension;
}

// Reads every bitmap file the topics show into the document's pictures.
void LoadPictures(help::HelpDocument& document, std::vector<std::string>& warnings) {
    std::map<std::pair<std::string, bool>, int> loaded;
    for (help::Topic& topic : document.help.topics) {
        for (help::BitmapRef& ref : topic.bitmaps) {
            if (ref.path.empty() || ref.picture >= 0) {
                continue;
            }
            const auto key = std::make_pair(ref.path, ref.transparent);
            if (const auto known = loaded.find(key); known != loaded.end()) {
                ref.picture = known->second;
                continue;
            }
            help::Picture picture;
            picture.name = fs::path(ref.path).stem().string();
            const std::optional<std::string> bytes = ReadFileBytes(ref.path);
            bool usable = false;
            if (bytes && IsExtension(ref.path, ".wmf")) {
                picture.metafile = *bytes;
                usable = true;
            } else if (bytes) {
                usable = BitmapPicture(*bytes, ref.transparent, picture);
            }
            if (!usable) {
                warnings.push_back("the picture file " + ref.path +
                                   " cannot be converted; a placeholder stands in its place");
                loaded.emplace(key, -1);
                continue;
            }
            ref.picture = static_cast<int>(document.pictures.size());
            loaded.emplace(key, ref.picture);
            document.pictures.push_back(std::move(picture));
        }
    }
}

[[maybe_unused]] std::optional<std::string> ContentsBeside(const fs::path& helpFile) {
    std::error_code ec;
    const std::string stem = helpFile.stem().string();
    for (const auto& entry : fs::directory_iterator(
             helpFile.parent_path().empty() ? fs::path(".") : helpFile.parent_path(), ec)) {
        const fs::path& path = entry.path();
        if (IsExtension(path.string(), ".cnt")) {
            std::string name = path.stem().string();
            if (name.size() == stem.size() &&
                std::equal(name.begin(), name.end(), stem.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) ==
                           std::tolower(static_cast<unsigned char>(b));
                })) {
                return ReadFileBytes(path);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

bool BitmapPicture(std::string_view bytes, bool transparent, help::Picture& picture) {
    std::string problem;
    const std::optional<hc::hlp::Dib> dib = hc::hlp::ReadBmp(bytes, &problem);
    if (!dib) {
        return false;
    }
    picture.width = static_cast<int>(dib->width);
    picture.height = static_cast<int>(dib->height);
    picture.pixels.assign(static_cast<std::size_t>(dib->width) * dib->height, 0);
    const std::size_t rowBytes = dib->RowBytes();
    for (uint32_t y = 0; y < dib->height; ++y) {
        // Rows are stored from the bottom up.
        const char* row = dib->bits.data() + (dib->height - 1 - y) * rowBytes;
        for (uint32_t x = 0; x < dib->width; ++x) {
            uint32_t rgb = 0;  // blue in the low byte, as the pixels want it
            if (dib->bitCount == 24) {
                const auto* p = reinterpret_cast<const unsigned char*>(row + x * 3);
                rgb = p[0] | (p[1] << 8) | (p[2] << 16);
            } else {
                const unsigned perByte = 8 / dib->bitCount;
                const auto byte = static_cast<unsigned char>(row[x / perByte]);
                const unsigned shift = (perByte - 1 - x % perByte) * dib->bitCount;
                const unsigned index = (byte >> shift) & ((1u << dib->bitCount) - 1);
                if (index * 4 + 3 <= dib->palette.size()) {
                    const auto* p =
                        reinterpret_cast<const unsigned char*>(dib->palette.data() + index * 4);
                    rgb = p[0] | (p[1] << 8) | (p[2] << 16);
                }
            }
            picture.pixels[static_cast<std::size_t>(y) * dib->width + x] =
                transparent && rgb == 0xFFFFFF ? 0x00FFFFFFU : 0xFF000000U | rgb;
        }
    }
    return true;
}

PublishSource SourceFromProject(const Project& original) {
    Project project = original;
    if (project.Topics.Empty() || project.Topics[0].Text.empty()) {
        throw PublishError("the project has no topic text to publish");
    }
    const std::string folder =
        project.IsUntitled() ? std::string() : ProjectFolder(project.ProjectFileName);
    TemporaryFolder temporary;
    std::string tempFolder = temporary.Path().string() + "/";

    LinesLog buildLog;
    NoProgress progress;
    PublishSource source;
    const std::vector<std::string> rtf = BuildTopicRtf(project, buildLog, progress);
    const std::vector<std::string> hpj =
        RootedHelpProject(BuildHelpProject(project, "publish", tempFolder), folder);
    DiskBuildFiles files;
    files.WriteLines(tempFolder + "publish.rtf", rtf);
    files.WriteLines(tempFolder + "publish.hpj", hpj);
    for (const std::string& line : buildLog.lines) {
        source.warnings.push_back(Cp1252ToUtf8(line));
    }

    hc::CompileResult compiled = hc::CompileHelpProject(temporary.Path() / "publish.hpj");
    for (const hc::Finding& finding : compiled.log.Findings()) {
        if (finding.severity == hc::Severity::Error) {
            source.warnings.push_back(Cp1252ToUtf8(hc::FormatFinding(finding)));
        }
    }
    if (compiled.help.topics.empty()) {
        throw PublishError("the project's topics could not be read for publishing");
    }
    source.document.project = std::move(compiled.project);
    source.document.help = std::move(compiled.help);
    LoadPictures(source.document, source.warnings);
    source.input.helpFileName = project.HelpFileName.str();
    if (!project.ContentsFileName.empty()) {
        if (auto bytes = ReadFileBytes(StoredPath(project.ContentsFileName.str(), folder))) {
            source.input.contentsBytes = std::move(*bytes);
        } else {
            source.warnings.push_back("the contents file " +
                                      Cp1252ToUtf8(project.ContentsFileName.str()) +
                                      " was not found; the contents follow the browse sequences");
        }
    }
    return source;
}

std::string PreviewTopic(const Project& original, std::size_t index,
                         const std::vector<std::string>& text) {
    if (index >= original.Topics.Count()) {
        return {};
    }
    Project project = original;
    project.Topics[index].Text = text;
    // The build tags would hide an excluded topic; the author still sees it.
    project.IncludeTag = "";
    project.ExcludeTag = "";
    const std::string context = project.Topics[index].ContextString.str();
    try {
        const PublishSource source = SourceFromProject(project);
        int topic = context.empty() ? -1 : help::FindTopicByContext(source.document.help, context);
        if (topic < 0 && index < source.document.help.topics.size()) {
            topic = static_cast<int>(index);
        }
        return topic < 0 ? std::string() : help::html::PreviewPage(source.document, topic);
    } catch (const std::exception&) {
        return {};
    }
}

PublishSource LoadPublishSource(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        throw PublishError(path.string() + ": no such file");
    }
    if (IsExtension(path.string(), ".hlp")) {
#ifdef SCRIVLET_HAVE_HLP_READER
        PublishSource source;
        try {
            source.document = help::ReadHelpFile(path);
        } catch (const help::HelpFileError& e) {
            throw PublishError(path.string() + ": " + e.what());
        }
        LoadPictures(source.document, source.warnings);
        source.input.helpFileName = path.filename().string();
        source.input.contentsBytes = ContentsBeside(path).value_or(std::string());
        return source;
#else
        throw PublishError(path.string() + ": this build cannot read help files yet");
#endif
    }
    std::optional<Project> project;
    try {
        project = ReadProjectFile(fs::absolute(path, ec).lexically_normal());
    } catch (const std::exception& e) {
        throw PublishError(path.string() + ": " + e.what());
    }
    if (!project) {
        throw PublishError(path.string() + ": no such project file");
    }
    return SourceFromProject(*project);
}

}  // namespace scrivlet::cli
