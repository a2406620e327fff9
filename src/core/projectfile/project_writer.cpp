#include <string>

#include "core/projectfile/list_sections.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

constexpr std::string_view kEol = "\r\n";

// Collects lines and hands them to the sink in pieces of about a quarter
// megabyte, so that saving a large project needs no second copy of it.
class LineWriter {
public:
    explicit LineWriter(const ByteSink& sink) : sink_(sink) { buffer_.reserve(kPiece + 4096); }
    ~LineWriter() = default;
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void Line(std::string_view text) { Line({}, text); }
    void Line(std::string_view key, std::string_view value) {
        buffer_ += key;
        buffer_ += value;
        buffer_ += kEol;
        if (buffer_.size() >= kPiece) {
            Flush();
        }
    }
    void Flush() {
        if (!buffer_.empty()) {
            sink_(buffer_);
            buffer_.clear();
        }
    }

private:
    static constexpr std::size_t kPiece = 256 * 1024;
    const ByteSink& sink_;
    std::string buffer_;
};

}  // namespace

void SerializeProject(const Project& project, const ByteSink& sink) {
    LineWriter out(sink);
    out.Line("[PROJECT]");
    out.Line("12");
    out.Line("TITLE=", project.HelpTitle);
    out.Line("HELP=", project.HelpFileName);
    out.Line("CNT=", project.ContentsFileName);
    out.Line("COPYRIGHT=", project.Copyright);
    out.Line("CITATION=", project.Citation);
    out.Line("CONTENTS=", project.DefaultTopic);
    out.Line("COMPRESS=", project.Compress ? "1" : "0");
    out.Line("ERROR=", project.ShowErrorLog ? "1" : "0");
    out.Line("SHOW=", project.ShowHelpAfterCompile ? "1" : "0");
    out.Line("INCLUDE=", project.IncludeTag);
    out.Line("EXCLUDE=", project.ExcludeTag);
    out.Line("TEMPLATE=", project.TemplateFile);
    for (const auto& section : kListSections) {
        const auto& list = project.*section.list;
        out.Line(section.name);
        out.Line(std::to_string(list.size()));
        for (const auto& entry : list) {
            out.Line(entry);
        }
    }
    out.Line("[TOPICS]");
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        const TTopic& topic = project.Topics[i];
        out.Line("C=", std::to_string(topic.TopicID));
        out.Line("A=", topic.ContextString);
        out.Line("T=", topic.Title);
        out.Line("K=", topic.Keywords);
        out.Line("O=", topic.AKeywords);
        out.Line("B=", topic.BuildTag);
        out.Line("S=", topic.BrowseSeq);
        out.Line("W=", topic.Window);
        out.Line("M=", topic.EntryMacro);
        out.Line("X=", topic.Comment);
        for (const auto& text : topic.Text) {
            out.Line(text);
        }
        out.Line("~");
    }
    out.Flush();
}

std::string SerializeProject(const Project& project) {
    std::size_t size = 1024;
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        size += 256;
        for (const auto& line : project.Topics[i].Text) {
            size += line.size() + 2;
        }
    }
    std::string bytes;
    bytes.reserve(size);
    SerializeProject(project, [&bytes](std::string_view piece) { bytes += piece; });
    return bytes;
}

void WriteProjectFile(const Project& project, const std::filesystem::path& path) {
    WriteFileAtomic(path, [&project](const ByteSink& sink) { SerializeProject(project, sink); });
}

void SaveProject(Project& project, const std::filesystem::path& path) {
    WriteProjectFile(project, path);
    project.SetModified(false);
}

}  // namespace scrivlet
