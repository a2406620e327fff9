#include "core/build/topic_rtf.h"

#include <string_view>

#include "core/build/footnotes.h"
#include "core/build/keepn.h"
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

// Merges a later topic's tables and renumbers its references. A font number
// takes the first group that needs it moved, as repeated replacing would.
void MergeLaterTables(const TTopic& topic, std::size_t position, std::vector<std::string>& lines,
                      MergedTable& fonts, MergedTable& colors, LogSink& log) {
    const TableLine fontLine = FontTableOf(topic, position, log);
    Renumbering fontMap;
    for (const FontGroup& group : ScanFontText(fontLine.text)) {
        const auto k = static_cast<int64_t>(fonts.PositionOf(group.descriptor));
        if (k == group.number) {
            continue;
        }
        const std::string from = IntToStr(group.number);
        bool known = false;
        for (const auto& entry : fontMap) {
            known = known || entry.first == from;
        }
        if (!known) {
            fontMap.emplace_back(from, IntToStr(k));
        }
    }
    const TableLine colorLine = ColorTableOf(topic, position, log);
    Renumbering colorMap;
    const std::vector<std::string> entries = ScanColorText(colorLine.text);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t k = colors.PositionOf(entries[i]);
        if (k != i) {
            colorMap.emplace_back(IntToStr(static_cast<int64_t>(i)),
                                  IntToStr(static_cast<int64_t>(k)));
        }
    }
    RenumberFontRefs(lines, fontMap);
    RenumberColorRefs(lines, colorMap);
}

}  // namespace

std::string PercentStatus(const char* stage, std::size_t done, std::size_t total) {
    const auto percent = static_cast<int64_t>(total == 0 ? 0 : done * 100 / total);
    return std::string(stage) + " " + IntToStr(percent) + "%";
}

std::vector<std::string> BuildTopicRtf(Project& project, LogSink& log, ProgressSink& progress) {
    TTopicList& topics = project.Topics;
    if (topics.Empty() || topics[0].Text.empty()) {
        return {};
    }
    StatusReporter status(progress);
    MergedTable fonts;
    MergedTable colors;

    // The first topic gives the header; its own numbers are the output numbers.
    TTopic& first = topics[0];
    std::vector<std::string> output = first.Text;
    ApplyKeepn(output);
    std::vector<std::string> footnotes = TopicFootnotes(first, FootnoteOrder::FirstTopic, log);
    if (output.size() < 2) {
        output.resize(2);  // the two table lines are rebuilt below; keep the footnotes after them
    }
    output.insert(output.begin() + 2, footnotes.begin(), footnotes.end());
    RemoveLastChar(output);
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

    const std::size_t count = topics.Count();
    std::vector<std::string> topicLines;
    for (std::size_t k = 2; k <= count; ++k) {
        status.Show(PercentStatus("CREATING OUTPUT FILE", k, count));
        TTopic& topic = topics[k - 1];
        topicLines.clear();
        topicLines.emplace_back("\\page");
        for (std::string& line : TopicFootnotes(topic, FootnoteOrder::LaterTopic, log)) {
            topicLines.push_back(std::move(line));
        }
        // Line 3 on is the body. A text of exactly three lines holds its whole
        // body in line 3, which is taken like any other.
        if (topic.Text.size() >= 3) {
            topicLines.insert(topicLines.end(), topic.Text.begin() + 2, topic.Text.end());
        }
        MergeLaterTables(topic, k, topicLines, fonts, colors, log);
        RemoveLastChar(topicLines);
        ApplyKeepn(topicLines);
        for (std::string& line : topicLines) {
            output.push_back(std::move(line));
        }
    }

    const TopicIdIndex index(topics);
    const MarkupContext context{topics, index, log};
    const std::size_t lineCount = output.size();
    for (std::size_t j = 1; j <= lineCount; ++j) {
        status.Show(PercentStatus("TRANSLATING COMMANDS", j, lineCount));
        std::string& line = output[j - 1];
        if (line.find('[') != std::string::npos) {  // every keyword starts with "["
            line = TranslateMarkup(line, context);
        }
        if (line.find('~') != std::string::npos) {
            line = ReplaceAll("\\f~", "\\f", line);
            line = ReplaceAll("\\cf~", "\\cf", line);
        }
    }

    std::string fontTable = fontHeader;
    for (std::size_t i = 0; i < fonts.Entries().size(); ++i) {
        fontTable += "{\\f" + IntToStr(static_cast<int64_t>(i)) + fonts.Entries()[i] + "}";
    }
    fontTable += "}";
    output[0] = std::move(fontTable);
    std::string colorTable = colorHeader;
    for (const std::string& entry : colors.Entries()) {
        colorTable += entry + ";";
    }
    colorTable += "}";
    output[1] = std::move(colorTable);
    output.back() += "}";
    return output;
}

}  // namespace scrivlet
