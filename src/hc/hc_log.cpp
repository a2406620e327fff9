#include "hc/hc_log.h"

namespace scrivlet::hc {
namespace {

std::string Plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

void Log::Add(Code code, Severity severity, Place place, std::string message) {
    if (severity == Severity::Error) {
        ++errors_;
    } else {
        ++warnings_;
    }
    if (findings_.size() < kMaxKept) {
        findings_.push_back({code, severity, std::move(place), std::move(message)});
    }
}

std::string FormatFinding(const Finding& finding) {
    std::string line = "HC" + std::to_string(static_cast<int>(finding.code)) + ": ";
    line += finding.severity == Severity::Error ? "Error: " : "Warning: ";
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

std::vector<std::string> LogLines(const Log& log, bool report, const CompileCounts& counts) {
    std::vector<std::string> lines;
    lines.reserve(log.Findings().size() + 3);
    for (const Finding& finding : log.Findings()) {
        lines.push_back(FormatFinding(finding));
    }
    if (log.Dropped()) {
        const int dropped = log.Errors() + log.Warnings() - static_cast<int>(log.Findings().size());
        lines.push_back(Plural(dropped, "further finding", "further findings") + " not listed.");
    }
    if (report) {
        lines.push_back(Plural(counts.topics, "topic", "topics") + ", " +
                        Plural(counts.jumps, "jump", "jumps") + ", " +
                        Plural(counts.popups, "pop-up", "pop-ups") + ", " +
                        Plural(counts.keywords, "keyword", "keywords") + ", " +
                        Plural(counts.bitmaps, "bitmap", "bitmaps") + " compiled.");
        lines.push_back(Plural(log.Errors(), "error", "errors") + ", " +
                        Plural(log.Warnings(), "warning", "warnings") + ".");
    }
    return lines;
}

}  // namespace scrivlet::hc
