#include "core/build/topic_rtf.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

#include "core/build/footnotes.h"
#include "core/build/keepn.h"
#include "core/build/line_output.h"
#include "core/build/markup.h"
#include "core/build/rtf_tables.h"
#include "core/build/text_replace.h"
#include "core/build/topic_index.h"
#include "core/util/convert.h"

namespace scrivlet {
namespace {

// Header fallbacks when the first topic lacks a table, so that the document
// still opens as RTF.
constexpr std::string_view kFallbackFontHeader = "{\\rtf1\\ansi\\deff0{\\fonttbl";
constexpr std::string_view kFallbackColorHeader = "{\\colortbl";

// Sends a status text only when it changes: the percentages repeat for many
// lines, and every text costs the window a repaint. The text is not even made
// while its percentage stays.
class StatusReporter {
public:
    explicit StatusReporter(ProgressSink& sink) : sink_(sink) {}
    void ShowPercent(const char* stage, std::size_t done, std::size_t total) {
        const std::size_t percent = total == 0 ? 0 : done * 100 / total;
        if (stage == stage_ && percent == percent_) {
            return;
        }
        stage_ = stage;
        percent_ = percent;
        sink_.ShowStatus(PercentStatus(stage, done, total));
    }

private:
    ProgressSink& sink_;
    const char* stage_ = nullptr;
    std::size_t percent_ = 0;
};

// A log for work done a second time, whose findings were logged the first.
class QuietLog : public LogSink {
public:
    void StartLog(bool) override {}
    void LogLine(std::string_view) override {}
};

// A table line split at its keyword: the header up to and including the
// keyword and the table text after it (without the line's last character).
struct TableLine {
    bool found = false;
    std::string header;
    std::string_view text;
};

TableLine SplitTableLine(std::string_view line, std::string_view keyword) {
    TableLine result;
    const std::size_t at = line.find(keyword);
    if (at == std::string_view::npos) {
        result.text = line;
        return result;
    }
    result.found = true;
    result.header = CutShort(line.substr(0, at + keyword.size()));
    result.text = line.substr(at + keyword.size());
    if (!result.text.empty()) {
        result.text.remove_suffix(1);
    }
    return result;
}

std::string_view TextLine(const TTopic& topic, std::size_t index) {
    return index < topic.Text.size() ? std::string_view(topic.Text[index]) : std::string_view();
}

void RemoveLastChar(std::span<std::string> lines) {
    if (!lines.empty() && !lines.back().empty()) {
        lines.back().pop_back();
    }
}

TableLine FontTableOf(const TTopic& topic, std::size_t position, LogSink& log) {
    TableLine table = SplitTableLine(TextLine(topic, 0), "{\\fonttbl");
    if (!table.found) {
        log.LogLine("    Error - font table not found; topic #" + IntToStr(position));
    }
    return table;
}

TableLine ColorTableOf(const TTopic& topic, std::size_t position, LogSink& log) {
    TableLine table = SplitTableLine(TextLine(topic, 1), "{\\colortbl");
    if (!table.found) {
        log.LogLine("    Error - color table not found; topic #" + IntToStr(position));
    }
    return table;
}

// A later topic's font and colour numbers in the merged tables: adds what
// the tables lack and gives the moves of the topic's references, kept as
// numbers (a large project has some for every topic). A font number takes the
// first group that needs it moved, as repeated replacing would.
struct NumberMove {
    int64_t from = 0;
    int64_t to = 0;
};

struct TopicMoves {
    std::vector<NumberMove> fonts;
    std::vector<NumberMove> colors;
};

void MergeLaterTables(const TTopic& topic, std::size_t position, MergedTable& fonts,
                      MergedTable& colors, LogSink& log, TopicMoves& moves) {
    moves.fonts.clear();
    moves.colors.clear();
    const TableLine fontLine = FontTableOf(topic, position, log);
    for (const FontGroup& group : ScanFontText(fontLine.text)) {
        const auto k = static_cast<int64_t>(fonts.PositionOf(group.descriptor));
        if (k == group.number) {
            continue;
        }
        bool known = false;
        for (const NumberMove& move : moves.fonts) {
            known = known || move.from == group.number;
        }
        if (!known) {
            moves.fonts.push_back({group.number, k});
        }
    }
    const TableLine colorLine = ColorTableOf(topic, position, log);
    const std::vector<std::string> entries = ScanColorText(colorLine.text);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t k = colors.PositionOf(entries[i]);
        if (k != i) {
            moves.colors.push_back({static_cast<int64_t>(i), static_cast<int64_t>(k)});
        }
    }
}

// Every later topic's moves, one after the other in one array: what the
// first pass learns and the second needs, at a few bytes a topic.
class MovesPlan {
public:
    void Add(const TopicMoves& moves) {
        starts_.push_back(moves_.size());
        moves_.insert(moves_.end(), moves.fonts.begin(), moves.fonts.end());
        fontCounts_.push_back(moves.fonts.size());
        moves_.insert(moves_.end(), moves.colors.begin(), moves.colors.end());
    }
    // The renumbering of the N-th topic added, written into FONTS and COLORS
    // (whose strings are reused).
    void Get(std::size_t n, Renumbering& fonts, Renumbering& colors) const {
        const std::size_t start = starts_[n];
        const std::size_t end = n + 1 < starts_.size() ? starts_[n + 1] : moves_.size();
        const std::size_t split = start + fontCounts_[n];
        Fill(start, split, fonts);
        Fill(split, end, colors);
    }

private:
    void Fill(std::size_t from, std::size_t to, Renumbering& out) const {
        out.resize(to - from);
        for (std::size_t i = from; i < to; ++i) {
            out[i - from].first = IntToStr(moves_[i].from);
            out[i - from].second = IntToStr(moves_[i].to);
        }
    }

    std::vector<NumberMove> moves_;
    std::vector<std::size_t> starts_;
    std::vector<std::size_t> fontCounts_;
};

// One topic's output lines, whose strings are kept from topic to topic so
// that a large build does not allocate for every line it writes. A line that
// grew very long gives its memory back, so one huge topic does not stay.
class LinePool {
public:
    void Clear() {
        for (std::size_t i = 0; i < used_; ++i) {
            if (lines_[i].capacity() > kKeepCapacity) {
                std::string().swap(lines_[i]);
            }
        }
        used_ = 0;
    }
    // The next line, to be filled by the caller.
    std::string& Next() {
        if (used_ == lines_.size()) {
            lines_.emplace_back();
        }
        return lines_[used_++];
    }
    std::span<std::string> Lines() { return {lines_.data(), used_}; }

private:
    static constexpr std::size_t kKeepCapacity = 64 * 1024;
    std::vector<std::string> lines_;
    std::size_t used_ = 0;
};

// Sends lines on, holding the last one back: the file's last line gets the
// closing brace, and only the end tells which line that is. A line handed in
// is swapped with the one held, so both keep their memory.
class HeldBackOutput {
public:
    explicit HeldBackOutput(LineOutput& out) : out_(out) {}
    void Line(std::string& line) {
        if (held_) {
            out_.Line(last_);
        }
        last_.swap(line);
        held_ = true;
    }
    void Finish() {
        if (held_) {
            last_ += "}";
            out_.Line(last_);
        }
    }

private:
    LineOutput& out_;
    std::string last_;
    bool held_ = false;
};

constexpr const char* kCreatingStage = "CREATING OUTPUT FILE";
constexpr const char* kTranslatingStage = "TRANSLATING COMMANDS";

}  // namespace

std::string PercentStatus(const char* stage, std::size_t done, std::size_t total) {
    const auto percent = static_cast<int64_t>(total == 0 ? 0 : done * 100 / total);
    return std::string(stage) + " " + IntToStr(percent) + "%";
}

void WriteTopicRtf(Project& project, LogSink& log, ProgressSink& progress, LineOutput& out) {
    TTopicList& topics = project.Topics;
    if (topics.Empty() || topics[0].Text.empty()) {
        return;
    }
    StatusReporter status(progress);
    MergedTable fonts;
    MergedTable colors;
    const std::size_t count = topics.Count();
    MovesPlan plan;

    // First pass: footnotes and tables, in the order their findings were
    // always logged. The first topic gives the header; its own numbers are
    // the output numbers. Of the later topics only the moves of their
    // references are kept; their footnotes are made again when their turn
    // comes, as the text is read again, so the output never has to be held
    // whole.
    TTopic& first = topics[0];
    std::vector<std::string> firstFootnotes = TopicFootnotes(first, FootnoteOrder::FirstTopic, log);
    const TableLine fontLine = FontTableOf(first, 1, log);
    std::string fontTable = fontLine.found ? fontLine.header : std::string(kFallbackFontHeader);
    const TableLine colorLine = ColorTableOf(first, 1, log);
    std::string colorTable = colorLine.found ? colorLine.header : std::string(kFallbackColorHeader);
    for (const FontGroup& group : ScanFontText(fontLine.text)) {
        fonts.Append(group.descriptor);
    }
    for (const std::string& entry : ScanColorText(colorLine.text)) {
        colors.Append(entry);
    }
    // The first topic's two table lines are replaced; a shorter text gets
    // them added so that its footnotes still follow them.
    std::size_t lineCount = std::max<std::size_t>(first.Text.size(), 2) + firstFootnotes.size();
    TopicMoves moves;
    for (std::size_t k = 2; k <= count; ++k) {
        status.ShowPercent(kCreatingStage, k, count);
        TTopic& topic = topics[k - 1];
        const std::size_t footnotes = TopicFootnotes(topic, FootnoteOrder::LaterTopic, log).size();
        MergeLaterTables(topic, k, fonts, colors, log, moves);
        plan.Add(moves);
        lineCount += 1 + footnotes + (topic.Text.size() >= 3 ? topic.Text.size() - 2 : 0);
    }

    for (std::size_t i = 0; i < fonts.Entries().size(); ++i) {
        fontTable += "{\\f" + IntToStr(static_cast<int64_t>(i)) + fonts.Entries()[i] + "}";
    }
    fontTable += "}";
    for (const std::string& entry : colors.Entries()) {
        colorTable += entry + ";";
    }
    colorTable += "}";

    // Second pass: each topic's lines put together, renumbered, translated
    // and sent out before the next topic is read.
    const TopicIdIndex index(topics);
    MarkupContext context{topics, index, log};
    QuietLog quiet;
    HeldBackOutput output(out);
    std::size_t lineNumber = 0;
    Renumbering fontMoves;
    Renumbering colorMoves;
    LinePool pool;
    auto translate = [&](std::string& line) {
        status.ShowPercent(kTranslatingStage, ++lineNumber, lineCount);
        if (line.find('[') != std::string::npos) {  // every keyword starts with "["
            TranslateMarkupInPlace(line, context);
        }
        RemoveRenumberMarks(line);
    };
    {
        // The first topic: its footnotes follow its two table lines, and the
        // header's merged tables take the place of those.
        std::vector<std::string> lines(first.Text.begin(), first.Text.end());
        ApplyKeepn(lines);
        if (lines.size() < 2) {
            lines.resize(2);
        }
        lines.insert(lines.begin() + 2, std::make_move_iterator(firstFootnotes.begin()),
                     std::make_move_iterator(firstFootnotes.end()));
        RemoveLastChar(lines);
        context.holder = &first;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            translate(lines[i]);
            output.Line(i == 0 ? fontTable : i == 1 ? colorTable : lines[i]);
        }
    }
    for (std::size_t k = 2; k <= count; ++k) {
        TTopic& topic = topics[k - 1];
        context.holder = &topic;
        plan.Get(k - 2, fontMoves, colorMoves);
        pool.Clear();
        // Every line is renumbered on its way into the pool.
        const auto add = [&](std::string_view line) {
            RenumberLineRefsInto(line, fontMoves, colorMoves, pool.Next());
        };
        add("\\page");
        for (const std::string& line : TopicFootnotes(topic, FootnoteOrder::LaterTopic, quiet)) {
            add(line);
        }
        // Line 3 on is the body. A text of exactly three lines holds its
        // whole body in line 3, which is taken like any other.
        for (std::size_t i = 2; i < topic.Text.size(); ++i) {
            add(topic.Text[i]);
        }
        const std::span<std::string> lines = pool.Lines();
        RemoveLastChar(lines);
        ApplyKeepn(lines);
        for (std::string& line : lines) {
            translate(line);
            output.Line(line);
        }
    }
    output.Finish();
}

std::vector<std::string> BuildTopicRtf(Project& project, LogSink& log, ProgressSink& progress) {
    CollectedLines lines;
    WriteTopicRtf(project, log, progress, lines);
    return std::move(lines.lines);
}

}  // namespace scrivlet
