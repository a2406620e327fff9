#include "hc/hlp/hlp_writer.h"

#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "core/util/convert.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"
#include "hc/file_lookup.h"
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
    const Pictures& pictures = resources.pictures;
    const HelpFile& help = result.help;
    const HelpProject& project = result.project;
    const bool compress = project.compress != 0;
    const TopicOutput topics = BuildTopics(help, project, pictures, compress);
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
    files.Add("|TOPIC", topics.topicFile);
    files.Add("|FONT", topics.fontFile);
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
    const std::string bytes = files.Build();
    if (bytes.size() > 0xFFFFFFFFu) {
        throw std::length_error("the help file would be larger than 4 GB");
    }
    return bytes;
}

std::vector<std::string> WriteHelpFileAndLog(CompileResult& result) {
    std::string written;
    const Resources resources =
        result.log.Errors() == 0 ? LoadResources(result, result.log) : Resources();
    if (result.log.Errors() == 0) {
        const std::string name = HelpFileName(result);
        const std::filesystem::path path = PathForWriting(result.folder, name);
        try {
            const std::string bytes = BuildHelpFileBytes(result, BuildDate(), resources);
            WriteFileBytes(path, bytes);
            written = "Created " + name + ", " + GroupedNumber(bytes.size()) + " bytes";
        } catch (const std::length_error& e) {
            result.log.Error(Code::HelpFileNotWritten, {},
                             "The help file \"" + name + "\" cannot be written: " + e.what() + ".");
        } catch (const ScrivletError& e) {
            result.log.Error(Code::HelpFileNotWritten, {},
                             "The help file \"" + name + "\" cannot be written: " + e.what());
        }
    }
    std::vector<std::string> lines = LogLines(result.log, result.project.report, result.counts);
    if (!written.empty() && result.project.report) {
        lines.push_back(written);
    }
    return lines;
}

}  // namespace scrivlet::hc::hlp
