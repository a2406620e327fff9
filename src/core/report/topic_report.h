#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/topic_list.h"

namespace scrivlet {

// The topic fields a report can hold, in the order the report dialog first
// lists them.
enum class ReportField : int {
    Title,
    ID,
    ContextString,
    Keywords,
    AKeywords,
    Comment,
    BuildTag,
    Window,
    BrowseSequence,
    EntryMacro,
};

inline constexpr std::size_t kReportFieldCount = 10;

// The fields in their first order, and the column label of each.
const std::array<ReportField, kReportFieldCount>& AllReportFields();
std::string_view ReportLabel(ReportField field);

// The value of FIELD for TOPIC as stored (the number in decimal).
std::string ReportValue(const TTopic& topic, ReportField field);

enum class ReportFormat : int { TabDelimited = 0, HtmlTable = 1 };

struct ReportOptions {
    // The ticked fields, in their order in the dialog's list.
    std::vector<ReportField> Columns;
    ReportFormat Format = ReportFormat::HtmlTable;
    bool ColumnLabels = true;
};

// "<", ">" and "&" as HTML character references; everything else as it is.
std::string EscapeHtml(std::string_view text);

// The report text. HTML cell values are escaped so that any title keeps the
// table intact; tab-delimited values are written exactly as stored.
std::string BuildHtmlReport(const TTopicList& topics, const ReportOptions& options);
std::string BuildTabReport(const TTopicList& topics, const ReportOptions& options);
std::string BuildReport(const TTopicList& topics, const ReportOptions& options);

// Creates or replaces PATH with exactly the bytes of TEXT; throws FileError.
void WriteTextFile(std::string_view text, const std::string& path);

}  // namespace scrivlet
