// Importing a help project and building the project again gives the same
// help as the original sources, compared through the model.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "core/build/build_files.h"
#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "help/context_hash.h"
#include "help/hlp/hlp_reader.h"
#include "help/import/import_project.h"
#include "help/import/picture_bytes.h"
#include "hlp_roundtrip_describe.h"

namespace scrivlet::help {
namespace {

namespace fs = std::filesystem;

fs::path DataFolder(const char* name) {
    return fs::path(SCRIVLET_TEST_DATA) / "import" / name;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// The things the author sees of a topic, in words, with names resolved
// through the project's aliases and fonts and colours by value.
std::string Describe(const HelpFile& help, const HelpProject& project, const Topic& topic) {
    std::map<std::string, std::string> aliases;
    for (const AliasEntry& alias : project.aliases) {
        aliases[Upper(alias.alias)] = alias.context;
    }
    auto resolved = [&aliases](const std::string& name) {
        const auto found = aliases.find(Upper(name));
        return Upper(found == aliases.end() ? name : found->second);
    };
    std::ostringstream out;
    out << "title " << topic.title << "\n";
    for (const ContextDefinition& context : topic.contexts) {
        out << "context " << context.name << " @" << context.paragraph << "\n";
    }
    auto list = [&out](const char* what, const std::vector<std::string>& items) {
        for (const std::string& item : items) {
            out << what << " " << item << "\n";
        }
    };
    list("K", topic.keywords);
    list("A", topic.aKeywords);
    list("tag", topic.buildTags);
    list("macro", topic.entryMacros);
    out << "browse " << topic.browse << " window " << topic.window << "\n";
    for (const Paragraph& paragraph : topic.paragraphs) {
        const ParagraphFormat& f = paragraph.format;
        out << "par align" << static_cast<int>(f.alignment) << " li" << f.leftIndent << " fi"
            << f.firstIndent << " sb" << f.spaceBefore << " sa" << f.spaceAfter << " keepn"
            << f.keepNext << " table" << f.inTable << f.cellEnd << f.rowEnd << " borders"
            << f.borders << "/" << f.borderWidth << " tabs";
        for (const TabStop& tab : f.tabs) {
            out << " " << tab.position << ":" << static_cast<int>(tab.kind);
        }
        for (const int edge : f.cellEdges) {
            out << " cellx" << edge;
        }
        out << "\n";
        for (const Run& run : paragraph.runs) {
            const CharFormat& c = run.format;
            out << "  run" << static_cast<int>(run.kind) << " [" << run.text << "] "
                << help.fonts.at(c.font).name << " " << c.halfPoints << " b" << c.bold << " i"
                << c.italic << " ul" << c.underline << c.doubleUnderline << c.strike;
            if (run.kind == RunKind::Button) {
                out << " button " << run.macro;
            }
            if (run.bitmap >= 0) {
                const BitmapRef& bitmap = topic.bitmaps.at(run.bitmap);
                out << " bitmap " << bitmap.name << " " << static_cast<int>(bitmap.align)
                    << bitmap.transparent << " found" << !bitmap.path.empty();
            }
            if (run.hotspot >= 0) {
                const Hotspot& h = topic.hotspots.at(run.hotspot);
                out << " hotspot" << static_cast<int>(h.kind) << " "
                    << (h.kind == HotspotKind::Macro ? h.target : resolved(h.target)) << " >"
                    << h.window << " @" << h.file << " " << h.noColor << h.noUnderline;
            }
            out << "\n";
        }
    }
    return out.str();
}

class NoLog : public LogSink {
public:
    void StartLog(bool) override {}
    void LogLine(std::string_view) override {}
};

// What the core build writes for PROJECT, compiled by the help compiler.
hc::CompileResult Rebuild(Project& project, const fs::path& folder) {
    NoLog log;
    NoProgress progress;
    const std::vector<std::string> rtf = BuildTopicRtf(project, log, progress);
    WriteFileBytes(folder / "rebuilt.rtf", JoinCrLf(rtf));
    const std::vector<std::string> hpj =
        BuildHelpProject(project, "rebuilt", folder.string() + "/");
    WriteFileBytes(folder / "rebuilt.hpj", JoinCrLf(hpj));
    return hc::CompileHelpProject(folder / "rebuilt.hpj");
}

class ImportRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        out_ = fs::temp_directory_path() /
               ("scrivlet_import_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(out_);
        fs::create_directories(out_);
    }
    void TearDown() override { fs::remove_all(out_); }
    fs::path out_;
};

TEST_F(ImportRoundTrip, RebuiltProjectMatchesTheSources) {
    const fs::path source = DataFolder("full") / "project.hpj";
    hc::CompileResult original = hc::CompileHelpProject(source);
    ASSERT_EQ(original.help.topics.size(), 4u);

    HelpDocument document;
    document.project = original.project;
    document.help = original.help;
    ImportOptions options;
    options.sourceFolder = source.parent_path();
    options.outFolder = out_;
    options.contentsFile = "project.cnt";
    ImportResult imported = ImportHelpDocument(document, options);

    // Through the project file, as the author will open it.
    imported.project.ProjectFileName = (out_ / "imported.scw").string();
    WriteProjectFile(imported.project, out_ / "imported.scw");
    std::optional<Project> reread = ReadProjectFile(out_ / "imported.scw");
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Topics, imported.project.Topics);

    hc::CompileResult rebuilt = Rebuild(*reread, out_);
    for (const hc::Finding& finding : rebuilt.log.Findings()) {
        EXPECT_NE(finding.severity, hc::Severity::Error) << hc::FormatFinding(finding);
    }
    ASSERT_EQ(rebuilt.help.topics.size(), original.help.topics.size());
    for (std::size_t i = 0; i < original.help.topics.size(); ++i) {
        EXPECT_EQ(Describe(rebuilt.help, rebuilt.project, rebuilt.help.topics[i]),
                  Describe(original.help, original.project, original.help.topics[i]));
    }
    // Every number the program used still opens its topic.
    std::map<std::string, uint32_t> rebuiltMap;
    for (const MapEntry& entry : rebuilt.project.map) {
        rebuiltMap[Upper(entry.context)] = entry.number;
    }
    EXPECT_EQ(rebuiltMap.at("WELCOME"), 100u);
    EXPECT_EQ(rebuiltMap.at("SETUP"), 200u);
    EXPECT_EQ(rebuiltMap.at("PRINTING"), 300u);
    EXPECT_EQ(rebuilt.project.title.text, "Import Sample");
    EXPECT_EQ(rebuilt.project.copyright.text, "Copyright 2026 Sample");
    EXPECT_EQ(rebuilt.project.citation.text, "From the sample");
    EXPECT_EQ(rebuilt.project.contents.text, "welcome");
    EXPECT_EQ(rebuilt.project.cnt.text, "project.cnt");
    ASSERT_EQ(rebuilt.project.windows.size(), 2u);
    EXPECT_EQ(WindowDefinitionLine(rebuilt.project.windows[0]),
              WindowDefinitionLine(original.project.windows[0]));
    EXPECT_EQ(WindowDefinitionLine(rebuilt.project.windows[1]),
              WindowDefinitionLine(original.project.windows[1]));
}

// A help file of the sample project, imported, built and compiled again,
// reads back as the same help: contexts by their hashes, since a help file
// keeps most names only as hashes.
TEST_F(ImportRoundTrip, HelpFileImportedAndRebuiltReadsTheSame) {
    const fs::path sources = out_ / "sources";
    fs::copy(DataFolder("full"), sources);
    Picture picture;
    picture.width = 3;
    picture.height = 2;
    picture.pixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080};
    fs::remove(sources / "local.bmp");
    WriteFileBytes(sources / "local.bmp", PictureFileBytes(picture));
    const hc::CompileResult original = hc::CompileHelpProject(sources / "project.hpj");
    const HelpDocument first = ReadHelpFileBytes(hc::hlp::BuildHelpFileBytes(original, 0));

    const fs::path folder = out_ / "imported";
    fs::create_directories(folder / "pictures");
    ImportOptions options;
    options.outFolder = folder;
    const ImportResult imported = ImportHelpDocument(first, options);
    EXPECT_EQ(imported.report.topics, 4);
    ASSERT_FALSE(imported.pictures.empty());
    for (const PictureFile& file : imported.pictures) {
        WriteFileBytes(folder / "pictures" / file.fileName,
                       PictureFileBytes(first.pictures.at(file.picture)));
    }
    Project project = imported.project;
    project.ProjectFileName = (folder / "imported.scw").string();
    const hc::CompileResult rebuilt = Rebuild(project, folder);
    for (const hc::Finding& finding : rebuilt.log.Findings()) {
        EXPECT_NE(finding.severity, hc::Severity::Error) << hc::FormatFinding(finding);
    }
    const HelpDocument second = ReadHelpFileBytes(hc::hlp::BuildHelpFileBytes(rebuilt, 0));

    ASSERT_EQ(second.help.topics.size(), first.help.topics.size());
    for (std::size_t i = 0; i < first.help.topics.size(); ++i) {
        EXPECT_EQ(hc::test::DescribeTopic(second.help.topics[i], {}),
                  hc::test::DescribeTopic(first.help.topics[i], {}));
        EXPECT_EQ(hc::test::DescribeParagraphs(second.help, second.help.topics[i]),
                  hc::test::DescribeParagraphs(first.help, first.help.topics[i]));
    }
    std::map<uint32_t, uint32_t> firstMap;
    std::map<uint32_t, uint32_t> secondMap;
    for (const MapEntry& entry : first.project.map) {
        firstMap[ContextHash(entry.context)] = entry.number;
    }
    for (const MapEntry& entry : second.project.map) {
        secondMap[ContextHash(entry.context)] = entry.number;
    }
    for (const auto& [hash, number] : firstMap) {
        EXPECT_EQ(secondMap[hash], number) << hash;
    }
}

}  // namespace
}  // namespace scrivlet::help
