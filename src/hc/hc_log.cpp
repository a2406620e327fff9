#include "hc/hc_log.h"

namespace scrivlet::hc {
namespace {

std::string Plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

const char* SeverityWord(Severity severity) {
    switch (severity) {
        case Severity::Note:
            return "Note: ";
        case Severity::Warning:
            return "Warning: ";
        case Severity::Error:
            return "Error: ";
        case Severity::Fatal:
            return "Fatal Error: ";
    }
    return "";
}

}  // namespace

void Log::Report(Code code, Place place, std::string message) {
    const Severity severity = SeverityOf(code);
    switch (severity) {
        case Severity::Fatal:
            ++fatal_;
            ++errors_;
            break;
        case Severity::Error:
            ++errors_;
            break;
        case Severity::Warning:
            ++warnings_;
            break;
        case Severity::Note:
            ++notes_;
            break;
    }
    if (findings_.size() < kMaxKept) {
        findings_.push_back({code, severity, std::move(place), std::move(message)});
    }
}

std::string FormatFinding(const Finding& finding) {
    std::string line = "HC" + std::to_string(static_cast<int>(finding.code)) + ": ";
    line += SeverityWord(finding.severity);
    const Place& place = finding.place;
    std::string where = place.file;
    if (place.topic > 0) {
        if (!where.empty()) {
            where += ", ";
        }
        where += "topic #" + std::to_string(place.topic);
        where += place.title.empty() ? " (no title)" : " \"" + place.title + "\"";
    } else if (place.line > 0) {
        if (!where.empty()) {
            where += ", ";
        }
        where += "line " + std::to_string(place.line);
    }
    if (!where.empty()) {
        line += where + ": ";
    }
    line += finding.message;
    return line;
}

std::vector<std::string> LogLines(const Log& log, const CompileCounts& counts,
                                  const std::string& written) {
    std::vector<std::string> lines;
    lines.reserve(log.Findings().size() + 4);
    for (const Finding& finding : log.Findings()) {
        lines.push_back(FormatFinding(finding));
    }
    if (log.Dropped()) {
        const int dropped =
            log.Errors() + log.Warnings() + log.Notes() - static_cast<int>(log.Findings().size());
        lines.push_back(Plural(dropped, "further finding", "further findings") + " not listed.");
    }
    lines.push_back(Plural(counts.topics, "topic", "topics") + ", " +
                    Plural(counts.jumps, "jump", "jumps") + ", " +
                    Plural(counts.popups, "pop-up", "pop-ups") + ", " +
                    Plural(counts.keywords, "keyword", "keywords") + ", " +
                    Plural(counts.bitmaps, "bitmap", "bitmaps") + " compiled.");
    std::string totals = Plural(log.Errors(), "error", "errors") + ", " +
                         Plural(log.Warnings(), "warning", "warnings");
    if (log.Notes() > 0) {
        totals += ", " + Plural(log.Notes(), "note", "notes");
    }
    lines.push_back(totals + ".");
    if (!written.empty()) {
        lines.push_back(written);
    }
    return lines;
}

}  // namespace scrivlet::hc
