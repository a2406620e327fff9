#include "hc/hlp/hlp_writer.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <stdexcept>

#include "core/util/convert.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"
#include "hc/file_lookup.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/file_system.h"
#include "hc/hlp/index_files.h"
#include "hc/hlp/system_file.h"
#include "hc/hlp/topic_writer.h"

namespace scrivlet::hc::hlp {
namespace {

// SOURCE_DATE_EPOCH, when set, makes builds byte for byte repeatable.
uint32_t BuildDate() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        return static_cast<uint32_t>(std::strtoul(epoch, nullptr, 10));
    }
    return static_cast<uint32_t>(std::time(nullptr));
}

std::string HelpFileName(const CompileResult& result) {
    if (!result.project.hlp.text.empty()) {
        return result.project.hlp.text;
    }
    std::string name = result.project.fileName;
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name + ".hlp";
}

// A help file, or nothing (or nothing yet) worth keeping, may be replaced;
// any other file is someone's work.
bool IsReplaceable(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::file_size(path, ec) == 0) {
        return true;
    }
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    in.read(magic, sizeof magic);
    std::string expected;
    PutDword(expected, kHelpFileMagic);
    return in.gcount() == 4 && std::string_view(magic, 4) == expected;
}

}  // namespace

std::string GroupedNumber(uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out.push_back(',');
        }
        out.push_back(digits[i]);
    }
    return out;
}

std::string BuildHelpFileBytes(const CompileResult& result, uint32_t date) {
    Log log;
    const Resources resources = LoadResources(result, log);
    if (log.Errors() != 0) {
        throw std::runtime_error(log.Findings().front().message);
    }
    return BuildHelpFileBytes(result, date, resources);
}

Resources LoadResources(const CompileResult& result, Log& log) {
    return {Pictures::Load(result.help, log), FindSystemExtras(result, &log)};
}

std::string BuildHelpFileBytes(const CompileResult& result, uint32_t date,
                               const Resources& resources) {
    const FileSystem files = BuildHelpFile(result, date, resources, nullptr);
    if (files.Size() > 0xFFFFFFFFu) {
        throw std::length_error("the help file would be larger than 4 GB");
    }
    return files.Build();
}

FileSystem BuildHelpFile(const CompileResult& result, uint32_t date, const Resources& resources,
                         HelpFile* release) {
    const Pictures& pictures = resources.pictures;
    const HelpFile& help = result.help;
    const HelpProject& project = result.project;
    const bool compress = project.compress != 0;
    TopicOutput topics = BuildTopics(help, project, pictures, compress, release);
    const ContextOffsets contexts = FindContextOffsets(help, topics);

    uint32_t contents = 0;
    const auto found = contexts.find(UpperAscii(project.contents.text));
    if (!project.contents.text.empty() && found != contexts.end()) {
        contents = found->second;
    } else {
        for (int64_t offset : topics.topicOffsets) {
            if (offset >= 0) {
                contents = static_cast<uint32_t>(offset);
                break;
            }
        }
    }

    FileSystem files;
    files.Add("|SYSTEM",
              BuildSystemFile(project, contents, compress ? 4 : 0, date, resources.system));
    files.Add("|FONT", topics.fontFile);
    if (!topics.phraseIndex.empty()) {
        files.Add("|PhrIndex", std::move(topics.phraseIndex));
        files.Add("|PhrImage", std::move(topics.phraseImage));
    }
    files.Add("|CONTEXT", BuildContextFile(project, contexts));
    files.Add("|CTXOMAP", BuildContextMap(project, contexts));
    files.Add("|TTLBTREE", BuildTitleTree(help, topics));
    if (std::string viola = BuildWindowTree(help, project, topics); !viola.empty()) {
        files.Add("|VIOLA", std::move(viola));
    }
    AddKeywordFiles('K', help, topics, files);
    AddKeywordFiles('A', help, topics, files);
    for (auto& [name, macros] : WindowConfigFiles(project)) {
        files.Add(name, std::move(macros));
    }
    for (std::size_t i = 0; i < pictures.All().size(); ++i) {
        const Pictures::Picture& picture = pictures.All()[i];
        files.Add("|bm" + std::to_string(i),
                  picture.ready.empty()
                      ? BuildPictureFile(picture.dib, picture.transparent, compress)
                      : picture.ready);
    }
    // Last, when nothing needs the topic offsets any more.
    files.Add("|TOPIC", std::move(topics.topicFile));
    return files;
}

std::vector<std::string> WriteHelpFileAndLog(CompileResult& result) {
    std::string written;
    const std::string name = HelpFileName(result);
    if (result.log.Fatal() == 0) {
        const Resources resources = LoadResources(result, result.log);
        const std::filesystem::path path = PathForWriting(result.folder, name);
        try {
            if (!IsReplaceable(path)) {
                result.log.Report(Code::NotAHelpFile, {},
                                  "\"" + name +
                                      "\" is a file but not a help file; it is not replaced. "
                                      "Name another help file in the HLP option.");
            } else {
                // The topic text is not needed once it is records.
                const FileSystem files =
                    BuildHelpFile(result, BuildDate(), resources, &result.help);
                const uint64_t size = files.Size();
                if (size > 0xFFFFFFFFu) {
                    throw std::length_error("the help file would be larger than 4 GB");
                }
                // The previous help file stays whole until the new one is.
                WriteFileAtomic(path, [&files](const ByteSink& sink) { files.Write(sink); });
                written = "Created " + name + ", " + GroupedNumber(size) + " bytes.";
            }
        } catch (const std::length_error& e) {
            result.log.Report(
                Code::HelpFileNotWritten, {},
                "The help file \"" + name + "\" cannot be written: " + e.what() + ".");
        } catch (const ScrivletError& e) {
            result.log.Report(Code::HelpFileNotWritten, {},
                              "The help file \"" + name + "\" cannot be written: " + e.what());
        }
    }
    if (written.empty()) {
        written = "No help file was written.";
    }
    return LogLines(result.log, result.counts, written);
}

}  // namespace scrivlet::hc::hlp
