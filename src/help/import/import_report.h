#pragma once

#include <string>
#include <vector>

namespace scrivlet::help {

// One thing the import could not carry over: the topic it belongs to (its
// title; empty for the project's settings) and what it is.
struct ImportNote {
    std::string topic;
    std::string what;

    friend bool operator==(const ImportNote&, const ImportNote&) = default;
};

struct ImportReport {
    int topics = 0;
    int links = 0;
    int pictures = 0;
    std::vector<ImportNote> notes;
};

// The report as the author reads it: "N topics, N links, N pictures
// imported", then one line a note: "Topic \"TITLE\": WHAT" or
// "Project: WHAT".
std::vector<std::string> ImportReportLines(const ImportReport& report);

}  // namespace scrivlet::help
