#include "cli/import_command.h"

#include <filesystem>
#include <ostream>

#include "cli/printable.h"
#include "core/projectfile/project_file.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "help/hlp/hlp_reader.h"
#include "help/import/import_project.h"
#include "help/import/picture_bytes.h"

namespace scrivlet::cli {
namespace {

namespace fs = std::filesystem;

// A source that cannot be imported: the message the author reads.
struct ImportFault {
    std::string message;
};

bool EndsWithNoCase(const std::string& text, std::string_view tail) {
    if (text.size() < tail.size()) {
        return false;
    }
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = text[text.size() - tail.size() + i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != tail[i]) {
            return false;
        }
    }
    return true;
}

// Findings that stop an import: the sources could not be read whole, so a
// project made of them would silently lack topics.
bool StopsImport(const hc::Finding& finding) {
    using hc::Code;
    switch (finding.code) {
        case Code::ProjectNotFound:
        case Code::TopicFileNotFound:
        case Code::NoTopicFiles:
        case Code::NotRtf:
        case Code::UnexpectedEnd:
            return true;
        default:
            return false;
    }
}

// Findings that name something the project will not hold.
bool NotCarried(const hc::Finding& finding) {
    using hc::Code;
    switch (finding.code) {
        case Code::UnsupportedCommand:
        case Code::EmbeddedPicture:
        case Code::UnknownMacro:
        case Code::UnknownFootnote:
        case Code::BadHotspotTarget:
        case Code::HiddenTextWithoutHotspot:
        case Code::OptionNotSupported:
        case Code::SectionNotSupported:
        case Code::IncludeNotFound:
        case Code::BadContextString:
            return true;
        default:
            return false;
    }
}

// The contents file beside the sources: the one the options name, else the
// one named like the project.
std::string FindContentsFile(const fs::path& source, const std::string& named,
                             const fs::path& outFolder) {
    std::string name = named;
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    fs::path path =
        name.empty() ? fs::path(source).replace_extension(".cnt") : source.parent_path() / name;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return "";
    }
    const fs::path relative = path.lexically_normal().lexically_relative(outFolder);
    std::string stored = relative.empty() ? path.generic_string() : relative.generic_string();
    for (char& c : stored) {
        if (c == '/') {
            c = '\\';
        }
    }
    return stored;
}

help::HelpDocument ReadSources(const fs::path& source, help::ImportReport& carried) {
    if (EndsWithNoCase(source.string(), ".hlp")) {
        try {
            return help::ReadHelpFile(source);
        } catch (const help::HelpFileError& e) {
            throw ImportFault{e.what()};
        }
    }
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) {
        throw ImportFault{"the file does not exist or cannot be read."};
    }
    hc::CompileResult compiled = hc::CompileHelpProject(source);
    for (const hc::Finding& finding : compiled.log.Findings()) {
        if (StopsImport(finding)) {
            throw ImportFault{hc::FormatFinding(finding)};
        }
        if (NotCarried(finding)) {
            std::string topic = finding.place.title;
            if (topic.empty() && finding.place.topic > 0) {
                topic = "#" + std::to_string(finding.place.topic) + " of " + finding.place.file;
            }
            carried.notes.push_back({std::move(topic), finding.message});
        }
    }
    help::HelpDocument document;
    document.project = std::move(compiled.project);
    document.help = std::move(compiled.help);
    return document;
}

}  // namespace

std::optional<ImportArguments> ParseImportArguments(const std::vector<std::string>& args,
                                                    std::ostream& err) {
    ImportArguments parsed;
    std::vector<std::string> names;
    for (const std::string& arg : args) {
        if (arg == "--force") {
            parsed.force = true;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            err << "scrivlet: unknown option " << arg << "\n";
            return std::nullopt;
        } else {
            names.push_back(arg);
        }
    }
    if (names.size() != 2) {
        return std::nullopt;
    }
    parsed.source = names[0];
    parsed.output = names[1];
    return parsed;
}

int RunImport(const ImportArguments& arguments, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    const fs::path output = fs::absolute(arguments.output, ec).lexically_normal();
    if (fs::exists(output, ec) && !arguments.force) {
        err << "scrivlet: " << Printable(arguments.output)
            << " already exists; add --force to write over it\n";
        return 1;
    }
    try {
        for (const std::string& line : ImportHelpSources(arguments.source, arguments.output)) {
            out << Printable(line) << '\n';
        }
        return 0;
    } catch (const ScrivletError& e) {
        err << "scrivlet: " << WithoutControls(e.what()) << '\n';
        return 1;
    }
}

std::vector<std::string> ImportHelpSources(const std::string& sourceName,
                                           const std::string& outputName,
                                           const ImportProgress& progress) {
    // Reading, converting, writing.
    constexpr int kSteps = 3;
    const auto goOn = [&progress](int done) { return !progress || progress(done, kSteps); };
    if (!goOn(0)) {
        return {};
    }
    std::error_code ec;
    const fs::path source = fs::absolute(sourceName, ec).lexically_normal();
    const fs::path output = fs::absolute(outputName, ec).lexically_normal();
    help::ImportReport sourceNotes;
    help::HelpDocument document;
    try {
        document = ReadSources(source, sourceNotes);
    } catch (const ImportFault& fault) {
        throw ScrivletError("cannot import " + sourceName + ": " + fault.message);
    }
    if (!goOn(1)) {
        return {};
    }
    help::ImportOptions options;
    options.sourceFolder = source.parent_path();
    options.outFolder = output.parent_path();
    options.pictureFolder = output.stem().string() + "_pictures";
    options.contentsFile = FindContentsFile(source, document.project.cnt.text, options.outFolder);
    help::ImportResult result = help::ImportHelpDocument(document, options);
    result.project.ProjectFileName = output.string();
    result.report.notes.insert(result.report.notes.begin(), sourceNotes.notes.begin(),
                               sourceNotes.notes.end());
    if (!goOn(2)) {
        return {};
    }
    if (!result.pictures.empty()) {
        const fs::path folder = options.outFolder / options.pictureFolder;
        fs::create_directories(folder, ec);
        for (const help::PictureFile& picture : result.pictures) {
            WriteFileAtomic(folder / picture.fileName,
                            help::PictureFileBytes(document.pictures[picture.picture]));
        }
    }
    WriteProjectFile(result.project, output);
    return help::ImportReportLines(result.report);
}

}  // namespace scrivlet::cli
