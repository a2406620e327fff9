#include "core/build/topic_rtf.h"

#include <algorithm>
#include <iterator>
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
// lines, and every text costs the window a repaint.
class StatusReporter {
public:
    explicit StatusReporter(ProgressSink& sink) : sink_(sink) {}
    void Show(std::string text) {
        if (text != last_) {
            sink_.ShowStatus(text);
            last_ = std::move(text);
        }
    }

private:
    ProgressSink& sink_;
    std::string last_;
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

void RemoveLastChar(std::vector<std::string>& lines) {
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
// the tables lack and gives the renumbering of the topic's references. A
// font number takes the first group that needs it moved, as repeated
// replacing would.
struct TopicRenumbering {
    Renumbering fonts;
    Renumbering colors;
};

TopicRenumbering MergeLaterTables(const TTopic& topic, std::size_t position, MergedTable& fonts,
                                  MergedTable& colors, LogSink& log) {
    TopicRenumbering result;
    const TableLine fontLine = FontTableOf(topic, position, log);
    for (const FontGroup& group : ScanFontText(fontLine.text)) {
        const auto k = static_cast<int64_t>(fonts.PositionOf(group.descriptor));
        if (k == group.number) {
            continue;
        }
        const std::string from = IntToStr(group.number);
        bool known = false;
        for (const auto& entry : result.fonts) {
            known = known || entry.first == from;
        }
        if (!known) {
            result.fonts.emplace_back(from, IntToStr(k));
        }
    }
    const TableLine colorLine = ColorTableOf(topic, position, log);
    const std::vector<std::string> entries = ScanColorText(colorLine.text);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t k = colors.PositionOf(entries[i]);
        if (k != i) {
            result.colors.emplace_back(IntToStr(static_cast<int64_t>(i)),
                                       IntToStr(static_cast<int64_t>(k)));
        }
    }
    return result;
}

// What the first pass learns of every topic: its footnote lines and how its
// references move. The text itself is read again in the second pass, one
// topic at a time, so the output never has to be held whole.
struct TopicPlan {
    std::vector<std::string> footnotes;
    TopicRenumbering renumbering;
};

// Sends lines on, holding the last one back: the file's last line gets the
// closing brace, and only the end tells which line that is.
class HeldBackOutput {
public:
    explicit HeldBackOutput(LineOutput& out) : out_(out) {}
    void Line(std::string&& line) {
        if (held_) {
            out_.Line(last_);
        }
        last_ = std::move(line);
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
    std::vector<TopicPlan> plans(count);

    // First pass: footnotes and tables, in the order their findings were
    // always logged. The first topic gives the header; its own numbers are
    // the output numbers.
    TTopic& first = topics[0];
    plans[0].footnotes = TopicFootnotes(first, FootnoteOrder::FirstTopic, log);
    const TableLine fontLine = FontTableOf(first, 1, log);
    const std::string fontHeader =
        fontLine.found ? fontLine.header : std::string(kFallbackFontHeader);
    const TableLine colorLine = ColorTableOf(first, 1, log);
    const std::string colorHeader =
        colorLine.found ? colorLine.header : std::string(kFallbackColorHeader);
    for (const FontGroup& group : ScanFontText(fontLine.text)) {
        fonts.Append(group.descriptor);
    }
    for (const std::string& entry : ScanColorText(colorLine.text)) {
        colors.Append(entry);
    }
    // The first topic's two table lines are replaced; a shorter text gets
    // them added so that its footnotes still follow them.
    std::size_t lineCount = std::max<std::size_t>(first.Text.size(), 2) + plans[0].footnotes.size();
    for (std::size_t k = 2; k <= count; ++k) {
        status.Show(PercentStatus("CREATING OUTPUT FILE", k, count));
        TTopic& topic = topics[k - 1];
        TopicPlan& plan = plans[k - 1];
        plan.footnotes = TopicFootnotes(topic, FootnoteOrder::LaterTopic, log);
        plan.renumbering = MergeLaterTables(topic, k, fonts, colors, log);
        lineCount +=
            1 + plan.footnotes.size() + (topic.Text.size() >= 3 ? topic.Text.size() - 2 : 0);
    }

    std::string fontTable = fontHeader;
    for (std::size_t i = 0; i < fonts.Entries().size(); ++i) {
        fontTable += "{\\f" + IntToStr(static_cast<int64_t>(i)) + fonts.Entries()[i] + "}";
    }
    fontTable += "}";
    std::string colorTable = colorHeader;
    for (const std::string& entry : colors.Entries()) {
        colorTable += entry + ";";
    }
    colorTable += "}";

    // Second pass: each topic's lines put together, renumbered, translated
    // and sent out before the next topic is read.
    const TopicIdIndex index(topics);
    MarkupContext context{topics, index, log};
    HeldBackOutput output(out);
    std::size_t lineNumber = 0;
    std::string scratch;
    std::vector<std::string> topicLines;
    auto translate = [&](std::string& line) {
        status.Show(PercentStatus("TRANSLATING COMMANDS", ++lineNumber, lineCount));
        if (line.find('[') != std::string::npos) {  // every keyword starts with "["
            line = TranslateMarkup(line, context);
        }
        RemoveRenumberMarks(line);
    };
    for (std::size_t k = 1; k <= count; ++k) {
        const TTopic& topic = topics[k - 1];
        TopicPlan& plan = plans[k - 1];
        context.holder = &topic;
        topicLines.clear();
        if (k == 1) {
            topicLines.assign(topic.Text.begin(), topic.Text.end());
            ApplyKeepn(topicLines);
            if (topicLines.size() < 2) {
                topicLines.resize(2);
            }
            topicLines.insert(topicLines.begin() + 2,
                              std::make_move_iterator(plan.footnotes.begin()),
                              std::make_move_iterator(plan.footnotes.end()));
            RemoveLastChar(topicLines);
        } else {
            topicLines.emplace_back("\\page");
            for (std::string& line : plan.footnotes) {
                topicLines.push_back(std::move(line));
            }
            // Line 3 on is the body. A text of exactly three lines holds its
            // whole body in line 3, which is taken like any other.
            if (topic.Text.size() >= 3) {
                topicLines.insert(topicLines.end(), topic.Text.begin() + 2, topic.Text.end());
            }
            for (std::string& line : topicLines) {
                RenumberLineRefs(line, plan.renumbering.fonts, plan.renumbering.colors, scratch);
            }
            RemoveLastChar(topicLines);
            ApplyKeepn(topicLines);
        }
        plan = TopicPlan();
        for (std::size_t i = 0; i < topicLines.size(); ++i) {
            translate(topicLines[i]);
            if (k == 1 && i < 2) {
                // The header's tables take the place of the first topic's own.
                output.Line(i == 0 ? std::move(fontTable) : std::move(colorTable));
            } else {
                output.Line(std::move(topicLines[i]));
            }
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
