#include "core/report/topic_report.h"

#include "core/util/convert.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

const std::array<ReportField, kReportFieldCount>& AllReportFields() {
    static constexpr std::array<ReportField, kReportFieldCount> kFields = {
        ReportField::Title,     ReportField::ID,        ReportField::ContextString,
        ReportField::Keywords,  ReportField::AKeywords, ReportField::Comment,
        ReportField::BuildTag,  ReportField::Window,    ReportField::BrowseSequence,
        ReportField::EntryMacro};
    return kFields;
}

std::string_view ReportLabel(ReportField field) {
    switch (field) {
        case ReportField::Title:
            return "Title";
        case ReportField::ID:
            return "ID";
        case ReportField::ContextString:
            return "Context String";
        case ReportField::Keywords:
            return "Keywords";
        case ReportField::AKeywords:
            return "AKeywords";
        case ReportField::Comment:
            return "Comment";
        case ReportField::BuildTag:
            return "Build Tag";
        case ReportField::Window:
            return "Window";
        case ReportField::BrowseSequence:
            return "Browse Sequence";
        case ReportField::EntryMacro:
            return "Entry Macro";
    }
    return "";
}

std::string ReportValue(const TTopic& topic, ReportField field) {
    switch (field) {
        case ReportField::Title:
            return topic.Title;
        case ReportField::ID:
            return IntToStr(topic.TopicID);
        case ReportField::ContextString:
            return topic.ContextString;
        case ReportField::Keywords:
            return topic.Keywords;
        case ReportField::AKeywords:
            return topic.AKeywords;
        case ReportField::Comment:
            return topic.Comment;
        case ReportField::BuildTag:
            return topic.BuildTag;
        case ReportField::Window:
            return topic.Window;
        case ReportField::BrowseSequence:
            return topic.BrowseSeq;
        case ReportField::EntryMacro:
            return topic.EntryMacro;
    }
    return {};
}

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string BuildHtmlReport(const TTopicList& topics, const ReportOptions& options) {
    std::string out = "<TABLE border=\"1\">";
    if (options.ColumnLabels) {
        out += "<TR>";
        out += kLineBreak;
        for (const ReportField field : options.Columns) {
            out += "<TH>";
            out += ReportLabel(field);
            out += "</TH>";
        }
        out += kLineBreak;
        out += "</TR>";
    }
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        out += "<TR>";
        out += kLineBreak;
        for (const ReportField field : options.Columns) {
            out += "<TD>";
            out += EscapeHtml(ReportValue(topics[i], field));
            out += "</TD>";
        }
        out += kLineBreak;
        out += "</TR>";
    }
    out += "</TABLE>";
    return out;
}

std::string BuildTabReport(const TTopicList& topics, const ReportOptions& options) {
    std::string out;
    if (options.ColumnLabels) {
        for (const ReportField field : options.Columns) {
            out += ReportLabel(field);
            out += '\t';
        }
        out += kLineBreak;
    }
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        for (const ReportField field : options.Columns) {
            out += ReportValue(topics[i], field);
            out += '\t';
        }
        out += kLineBreak;
    }
    return out;
}

std::string BuildReport(const TTopicList& topics, const ReportOptions& options) {
    return options.Format == ReportFormat::HtmlTable ? BuildHtmlReport(topics, options)
                                                     : BuildTabReport(topics, options);
}

void WriteTextFile(std::string_view text, const std::string& path) {
    WriteFileAtomic(path, text);
}

}  // namespace scrivlet
