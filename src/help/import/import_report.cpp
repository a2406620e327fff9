#include "help/import/import_report.h"

namespace scrivlet::help {

std::vector<std::string> ImportReportLines(const ImportReport& report) {
    std::vector<std::string> lines;
    lines.reserve(report.notes.size() + 1);
    lines.push_back(std::to_string(report.topics) + " topics, " + std::to_string(report.links) +
                    " links, " + std::to_string(report.pictures) + " pictures imported");
    for (const ImportNote& note : report.notes) {
        lines.push_back(note.topic.empty() ? "Project: " + note.what
                                           : "Topic \"" + note.topic + "\": " + note.what);
    }
    return lines;
}

}  // namespace scrivlet::help
