#include <string>

#include "core/projectfile/list_sections.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

constexpr std::string_view kEol = "\r\n";

void Line(std::string& out, std::string_view text) {
    out += text;
    out += kEol;
}

void Line(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += value;
    out += kEol;
}

}  // namespace

std::string SerializeProject(const Project& project) {
    std::size_t size = 1024;
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        size += 256;
        for (const auto& line : project.Topics[i].Text) {
            size += line.size() + 2;
        }
    }
    std::string out;
    out.reserve(size);

    Line(out, "[PROJECT]");
    Line(out, "12");
    Line(out, "TITLE=", project.HelpTitle);
    Line(out, "HELP=", project.HelpFileName);
    Line(out, "CNT=", project.ContentsFileName);
    Line(out, "COPYRIGHT=", project.Copyright);
    Line(out, "CITATION=", project.Citation);
    Line(out, "CONTENTS=", project.DefaultTopic);
    Line(out, "COMPRESS=", project.Compress ? "1" : "0");
    Line(out, "ERROR=", project.ShowErrorLog ? "1" : "0");
    Line(out, "SHOW=", project.ShowHelpAfterCompile ? "1" : "0");
    Line(out, "INCLUDE=", project.IncludeTag);
    Line(out, "EXCLUDE=", project.ExcludeTag);
    Line(out, "TEMPLATE=", project.TemplateFile);
    for (const auto& section : kListSections) {
        const auto& list = project.*section.list;
        Line(out, section.name);
        Line(out, std::to_string(list.size()));
        for (const auto& entry : list) {
            Line(out, entry);
        }
    }
    Line(out, "[TOPICS]");
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        const TTopic& topic = project.Topics[i];
        Line(out, "C=", std::to_string(topic.TopicID));
        Line(out, "A=", topic.ContextString);
        Line(out, "T=", topic.Title);
        Line(out, "K=", topic.Keywords);
        Line(out, "O=", topic.AKeywords);
        Line(out, "B=", topic.BuildTag);
        Line(out, "S=", topic.BrowseSeq);
        Line(out, "W=", topic.Window);
        Line(out, "M=", topic.EntryMacro);
        Line(out, "X=", topic.Comment);
        for (const auto& text : topic.Text) {
            Line(out, text);
        }
        Line(out, "~");
    }
    return out;
}

void WriteProjectFile(const Project& project, const std::filesystem::path& path) {
    WriteFileAtomic(path, SerializeProject(project));
}

void SaveProject(Project& project, const std::filesystem::path& path) {
    WriteProjectFile(project, path);
    project.SetModified(false);
}

}  // namespace scrivlet
