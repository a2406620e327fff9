#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace scrivlet::hc {

// How much a finding weighs. Notes and warnings only inform; an error means
// something the author wrote is left out of the help file or changed; a fatal
// error means no help file can be written at all.
enum class Severity { Note, Warning, Error, Fatal };

// Every finding has a fixed code, so authors and tests can tell them apart
// whatever the message says. 1xxx: the help project file; 2xxx: reading the
// topic files; 4xxx: the checks across the whole help file.
enum class Code {
    ProjectNotFound = 1001,
    UnknownSection = 1002,
    OptionNotSupported = 1003,
    UnknownOption = 1004,
    LineOutsideSection = 1005,
    BadOptionValue = 1006,
    BadMapLine = 1007,
    MapContextTwice = 1008,
    MapNumberTwice = 1009,
    BadAliasLine = 1010,
    BadWindowLine = 1011,
    WindowDefinedTwice = 1012,
    TopicFileNotFound = 1013,
    NoTopicFiles = 1014,
    BadBuildExpression = 1015,
    WindowNameTooLong = 1016,
    IncludeNotFound = 1017,
    OptionTwice = 1018,
    SectionNotSupported = 1019,
    AliasTwice = 1020,
    FolderNotFound = 1021,

    NotRtf = 2001,
    UnexpectedEnd = 2002,
    TextAfterEnd = 2003,
    UnknownFootnote = 2005,
    HotspotWithoutTarget = 2006,
    HiddenTextWithoutHotspot = 2007,
    NestedTooDeep = 2008,
    UnknownFont = 2009,
    BadBitmapReference = 2010,
    BadHotspotTarget = 2011,
    FootnoteTooLong = 2012,
    UnsupportedCommand = 2013,
    TitleTwice = 2014,
    RtfFault = 2015,
    EmbeddedPicture = 2016,

    UndefinedJump = 4001,
    UndefinedPopup = 4002,
    ContextTwice = 4003,
    MapUndefined = 4004,
    ContentsUndefined = 4005,
    NoTitle = 4006,
    BitmapNotFound = 4007,
    EmptyKeyword = 4008,
    UnknownMacro = 4009,
    HashCollision = 4010,
    UndefinedWindow = 4011,
    JumpToExcluded = 4012,
    BadContextString = 4014,
    AliasUndefined = 4015,
    MapExcluded = 4016,
    BadMacro = 4017,
    ContentsExcluded = 4018,
    Unreachable = 4019,
    KeepnNotAtStart = 4020,
    ContextNotPortable = 4021,

    NoTopics = 4022,

    HelpFileNotWritten = 5001,
    BadBitmapFile = 5002,
    IconNotUsable = 5003,
    NotAHelpFile = 5004,
};

// The one severity each code has, wherever it is reported.
Severity SeverityOf(Code code);

// Where a finding belongs: a line of a file, a topic of a topic file (its
// number in that file, from 1, and its title), or the whole run.
struct Place {
    std::string file;
    int line = 0;
    int topic = 0;
    std::string title;
};

struct Finding {
    Code code;
    Severity severity;
    Place place;
    std::string message;
};

// The findings of one compiler run, in the order they were made.
class Log {
public:
    // More findings than this are counted but not kept, so a broken input
    // cannot fill the disk.
    static constexpr std::size_t kMaxKept = 5000;

    // Adds a finding with the severity its code has.
    void Report(Code code, Place place, std::string message);

    const std::vector<Finding>& Findings() const { return findings_; }
    // Errors count the fatal ones too.
    int Errors() const { return errors_; }
    int Fatal() const { return fatal_; }
    int Warnings() const { return warnings_; }
    int Notes() const { return notes_; }
    bool Dropped() const {
        return errors_ + warnings_ + notes_ > static_cast<int>(findings_.size());
    }

private:
    std::vector<Finding> findings_;
    int errors_ = 0;
    int fatal_ = 0;
    int warnings_ = 0;
    int notes_ = 0;
};

// One log line, for example
// HC4001: Error: help.rtf, topic #3 "Printing": Jump to undefined context string "prt".
std::string FormatFinding(const Finding& finding);

// Counts of what was compiled, for the summary.
struct CompileCounts {
    int topics = 0;
    int jumps = 0;
    int popups = 0;
    int keywords = 0;
    int bitmaps = 0;
};

// Every line the log file gets: the findings, a note when some were not kept,
// the totals and the counts of errors and warnings, and last WRITTEN: what
// became of the help file ("Created NAME, N bytes", or that none was written).
std::vector<std::string> LogLines(const Log& log, const CompileCounts& counts,
                                  const std::string& written);

}  // namespace scrivlet::hc
