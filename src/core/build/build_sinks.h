#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// Where the build's warnings and errors go: the error log. The window's log
// repaints after every line so that lines show while the build holds the GUI
// thread; a batch build prints them.
class LogSink {
public:
    virtual ~LogSink() = default;
    // Empties the log at the start of a compile. SHOW_WINDOW tells the window
    // whether to bring its log window up.
    virtual void StartLog(bool showWindow) = 0;
    virtual void LogLine(std::string_view line) = 0;
};

// Where the build's stage texts go: the main window's status bar.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // The build begins: hourglass cursor, status bar in simple-text mode.
    virtual void BuildStarted() {}
    virtual void ShowStatus(std::string_view text) = 0;
    // Asked between the build's steps, from the thread the build runs on;
    // true stops the build (a window's Cancel sets it from another thread).
    virtual bool Cancelled() { return false; }
    // The build is over, however it ended: default cursor, empty status text,
    // status bar back to its panels.
    virtual void BuildEnded() {}
};

// A log that keeps its lines; for callers that only want the lines.
class LinesLog : public LogSink {
public:
    void StartLog(bool) override { lines.clear(); }
    void LogLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

// Progress that goes nowhere.
class NoProgress : public ProgressSink {
public:
    void ShowStatus(std::string_view) override {}
};

}  // namespace scrivlet
