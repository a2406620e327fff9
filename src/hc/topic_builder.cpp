#include "hc/topic_builder.h"

#include "hc/topic_codes.h"
#include "help/paragraph_pack.h"

namespace scrivlet::hc {
namespace {

constexpr std::size_t kMaxFootnote = 65536;
constexpr std::size_t kMaxCommand = 1024;
constexpr std::size_t kMaxProperty = 255;

bool IsHotspotFormat(const CharFormat& format) {
    return format.strike || format.doubleUnderline || format.underline;
}

bool IsJumpFormat(const CharFormat& format) {
    return format.strike || format.doubleUnderline;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// "a; b;c;" gives a, b and c: a single ";" at the end closes the list, any
// other empty entry stays so that the checks can name it.
std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t semicolon = text.find(';', start);
        const std::string_view item = TrimBlanks(
            text.substr(start, semicolon == std::string_view::npos ? std::string_view::npos
                                                                   : semicolon - start));
        if (semicolon == std::string_view::npos) {
            if (!item.empty() || items.empty()) {
                items.emplace_back(item);
            }
            break;
        }
        items.emplace_back(item);
        start = semicolon + 1;
    }
    return items;
}

}  // namespace

TopicBuilder::TopicBuilder(std::string fileName, HelpFile& help, Log& log, BitmapFinder findBitmap)
    : fileName_(std::move(fileName)), help_(help), log_(log), findBitmap_(std::move(findBitmap)) {}

Place TopicBuilder::Here() const {
    return {fileName_, 0, topicCount_ + 1, topic_.title};
}

void TopicBuilder::StartTopic(int line) {
    inTopic_ = true;
    topic_ = Topic{};
    topic_.file = fileName_;
    topic_.line = line;
    paragraph_ = Paragraph{};
    pendingFirst_ = -1;
    hidden_.clear();
    inCommand_ = false;
    afterFootnote_ = false;
}

void TopicBuilder::Text(std::string_view bytes, const CharFormat& format, bool hidden) {
    if (inFootnote_) {
        FootnoteText(bytes);
        return;
    }
    if (hidden) {
        if (hidden_.size() + bytes.size() <= kMaxFootnote) {
            hidden_.append(bytes);
        }
        return;
    }
    AddVisible(bytes, format);
}

void TopicBuilder::Tab(const CharFormat& format, bool hidden) {
    if (inFootnote_ || hidden || inCommand_) {
        Text(" ", format, hidden);
        return;
    }
    afterFootnote_ = false;
    Run run;
    run.kind = RunKind::Tab;
    run.format = format;
    AddRun(std::move(run));
}

void TopicBuilder::LineBreak(const CharFormat& format, bool hidden) {
    if (inFootnote_ || hidden || inCommand_) {
        Text(" ", format, hidden);
        return;
    }
    afterFootnote_ = false;
    Run run;
    run.kind = RunKind::LineBreak;
    run.format = format;
    AddRun(std::move(run));
}

void TopicBuilder::AddVisible(std::string_view bytes, const CharFormat& format) {
    std::size_t start = 0;
    auto flushText = [&](std::size_t end) {
        if (end > start) {
            Run run;
            run.format = format;
            run.text = std::string(bytes.substr(start, end - start));
            AddRun(std::move(run));
        }
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inCommand_) {
            if (c == '}') {
                FlushCommand();
            } else if (command_.size() < kMaxCommand) {
                command_ += c;
            }
            start = i + 1;
            continue;
        }
        if (afterFootnote_ && c == ' ') {
            start = i + 1;
            continue;
        }
        afterFootnote_ = false;
        if (c == '{') {
            flushText(i);
            inCommand_ = true;
            command_.clear();
            commandFormat_ = format;
            start = i + 1;
        }
    }
    if (!inCommand_) {
        flushText(bytes.size());
    }
}

void TopicBuilder::AddRun(Run run) {
    FlushHidden();
    std::vector<Run>& runs = paragraph_.runs;
    if (IsHotspotFormat(run.format)) {
        if (pendingFirst_ < 0) {
            pendingFirst_ = static_cast<int>(runs.size());
        }
    } else {
        EndPendingHotspot();
    }
    if (run.kind == RunKind::Text && !runs.empty()) {
        Run& last = runs.back();
        if (last.kind == RunKind::Text && last.hotspot == run.hotspot &&
            last.format == run.format) {
            last.text += run.text;
            return;
        }
    }
    runs.push_back(std::move(run));
}

void TopicBuilder::FlushCommand() {
    if (!inCommand_) {
        return;
    }
    inCommand_ = false;
    const TextCommand command = ReadTextCommand(command_);
    Run run;
    run.format = commandFormat_;
    switch (command.kind) {
        case TextCommand::Kind::Bitmap: {
            if (command.argument.empty()) {
                log_.Report(Code::BadBitmapReference, Here(),
                            "\"{" + command_ + "}\" names no bitmap file.");
                return;
            }
            BitmapRef bitmap;
            bitmap.align = command.align;
            bitmap.transparent = command.transparent;
            bitmap.name = command.argument;
            bitmap.path = findBitmap_ ? findBitmap_(command.argument) : std::string();
            run.kind = RunKind::Bitmap;
            run.bitmap = static_cast<int>(topic_.bitmaps.size());
            topic_.bitmaps.push_back(std::move(bitmap));
            AddRun(std::move(run));
            return;
        }
        case TextCommand::Kind::Button:
            run.kind = RunKind::Button;
            run.text = command.argument;
            run.macro = command.macro;
            AddRun(std::move(run));
            return;
        case TextCommand::Kind::Unsupported:
            log_.Report(Code::UnsupportedCommand, Here(),
                        "\"{" + command.name + "}\" is not supported; it is shown as text.");
            break;
        case TextCommand::Kind::None:
            break;
    }
    run.text = "{" + command_ + "}";
    AddRun(std::move(run));
}

void TopicBuilder::EmbeddedBitmap(std::string bmp, const std::string& where,
                                  const CharFormat& format) {
    if (inFootnote_ || inCommand_) {
        return;
    }
    afterFootnote_ = false;
    BitmapRef bitmap;
    bitmap.name = "picture at " + where;
    bitmap.path = where;
    bitmap.embedded = std::move(bmp);
    Run run;
    run.kind = RunKind::Bitmap;
    run.format = format;
    run.bitmap = static_cast<int>(topic_.bitmaps.size());
    topic_.bitmaps.push_back(std::move(bitmap));
    AddRun(std::move(run));
}

void TopicBuilder::FlushHidden() {
    if (hidden_.empty()) {
        return;
    }
    std::string hidden = std::move(hidden_);
    hidden_.clear();
    if (pendingFirst_ < 0) {
        if (!TrimBlanks(hidden).empty()) {
            log_.Report(
                Code::HiddenTextWithoutHotspot, Here(),
                "The hidden text \"" + hidden + "\" follows no hotspot text; it is ignored.");
        }
        return;
    }
    std::vector<Run>& runs = paragraph_.runs;
    const HotspotKind kind =
        IsJumpFormat(runs.back().format) ? HotspotKind::Jump : HotspotKind::Popup;
    std::string fault;
    Hotspot hotspot = ReadHotspotTarget(hidden, kind, fault);
    const int first = pendingFirst_;
    pendingFirst_ = -1;
    if (!fault.empty()) {
        log_.Report(Code::BadHotspotTarget, Here(),
                    "The hotspot target \"" + hidden + "\" is not sound: " + fault + ".");
        return;
    }
    const int index = static_cast<int>(topic_.hotspots.size());
    topic_.hotspots.push_back(std::move(hotspot));
    for (std::size_t i = static_cast<std::size_t>(first); i < runs.size(); ++i) {
        runs[i].hotspot = index;
    }
}

// Hotspot formatting that no hidden target followed: underlined text is only
// underlined, but struck-through or double-underlined text was meant as a
// jump.
void TopicBuilder::EndPendingHotspot() {
    if (pendingFirst_ < 0) {
        return;
    }
    const std::vector<Run>& runs = paragraph_.runs;
    bool jump = false;
    std::string text;
    for (std::size_t i = static_cast<std::size_t>(pendingFirst_); i < runs.size(); ++i) {
        jump = jump || IsJumpFormat(runs[i].format);
        text += runs[i].text;
    }
    pendingFirst_ = -1;
    if (jump) {
        log_.Report(Code::HotspotWithoutTarget, Here(),
                    "The jump text \"" + text +
                        "\" is not followed by hidden text naming its target; it is shown as "
                        "plain text.");
    }
}

void TopicBuilder::EndParagraph(const ParagraphFormat& format, const CharFormat& mark) {
    if (inCommand_) {
        inCommand_ = false;
        const TextCommand command = ReadTextCommand(command_);
        if (command.kind == TextCommand::Kind::Bitmap ||
            command.kind == TextCommand::Kind::Button) {
            log_.Report(Code::BadBitmapReference, Here(),
                        "\"{" + command_ +
                            "\" has no closing brace in its paragraph; it is "
                            "shown as text.");
        }
        Run run;
        run.format = commandFormat_;
        run.text = "{" + command_;
        AddRun(std::move(run));
    }
    FlushHidden();
    EndPendingHotspot();
    afterFootnote_ = false;
    paragraph_.format = format;
    paragraph_.mark = mark;
    // Held until the help file is written: no room to spare.
    paragraph_.runs.shrink_to_fit();
    topic_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = Paragraph{};
}

void TopicBuilder::EndRow(const ParagraphFormat& format, const CharFormat& mark) {
    const bool lastCellEnded =
        paragraph_.runs.empty() && !inCommand_ && !topic_.paragraphs.empty() &&
        topic_.paragraphs.back().format.cellEnd && !topic_.paragraphs.back().format.rowEnd;
    if (!lastCellEnded) {
        EndParagraph(format, mark);
        return;
    }
    ParagraphFormat& last = topic_.paragraphs.back().format;
    last.rowEnd = true;
    last.cellEdges = format.cellEdges;
    last.rowGap = format.rowGap;
    last.rowLeft = format.rowLeft;
}

void TopicBuilder::EndTopic(const ParagraphFormat& format, const CharFormat& mark) {
    if (!inTopic_) {
        return;
    }
    if (inCommand_ || !paragraph_.runs.empty() || !hidden_.empty()) {
        EndParagraph(format, mark);
    }
    // Blank lines before a page break are not the topic's; a table's empty
    // cells and rows are, up to the last cell.
    while (!topic_.paragraphs.empty() && topic_.paragraphs.back().runs.empty() &&
           !topic_.paragraphs.back().format.cellEnd) {
        topic_.paragraphs.pop_back();
    }
    inTopic_ = false;
    const bool hasFootnotes = topic_.hasTitle || !topic_.contexts.empty() ||
                              !topic_.keywords.empty() || !topic_.aKeywords.empty() ||
                              !topic_.buildTags.empty() || !topic_.browse.empty() ||
                              !topic_.entryMacros.empty() || !topic_.window.empty();
    if (!hasFootnotes && topic_.paragraphs.empty()) {
        return;  // nothing between two page breaks, or after the last one
    }
    // Held until the help file is written: no room to spare.
    topic_.paragraphs.shrink_to_fit();
    topic_.hotspots.shrink_to_fit();
    topic_.bitmaps.shrink_to_fit();
    topic_.contexts.shrink_to_fit();
    topic_.keywords.shrink_to_fit();
    topic_.aKeywords.shrink_to_fit();
    if (packed_) {
        topic_.packedText = PackTopicText(topic_.paragraphs, topic_.hotspots);
        std::vector<Paragraph>().swap(topic_.paragraphs);
        std::vector<Hotspot>().swap(topic_.hotspots);
    }
    topic_.number = ++topicCount_;
    help_.topics.push_back(std::move(topic_));
    topic_ = Topic{};
}

void TopicBuilder::BeginFootnote() {
    footnoteMark_ = 0;
    std::vector<Run>& runs = paragraph_.runs;
    if (!inCommand_ && !runs.empty() && runs.back().kind == RunKind::Text &&
        !runs.back().text.empty()) {
        footnoteMark_ = runs.back().text.back();
        runs.back().text.pop_back();
        if (runs.back().text.empty()) {
            runs.pop_back();
            if (pendingFirst_ >= static_cast<int>(runs.size())) {
                pendingFirst_ = -1;
            }
        }
    }
    inFootnote_ = true;
    markRepeated_ = false;
    footnoteText_.clear();
}

void TopicBuilder::FootnoteText(std::string_view bytes) {
    if (footnoteText_.size() + bytes.size() <= kMaxFootnote) {
        footnoteText_.append(bytes);
    }
}

void TopicBuilder::EndFootnote() {
    if (!inFootnote_) {
        return;
    }
    inFootnote_ = false;
    ApplyFootnote(footnoteMark_, std::move(footnoteText_));
    footnoteText_.clear();
    afterFootnote_ = true;
}

void TopicBuilder::FootnoteGroupEnded() {
    if (inFootnote_ && footnoteMark_ != 0 && TrimBlanks(footnoteText_).size() == 1 &&
        TrimBlanks(footnoteText_).front() == footnoteMark_) {
        markRepeated_ = true;
    }
}

void TopicBuilder::ApplyFootnote(char mark, std::string raw) {
    std::string_view text = TrimBlanks(raw);
    // Word processors repeat the mark at the start of the footnote text: in
    // a group of its own, or followed by a blank; "#" always, since no
    // context string begins with it.
    if (mark != 0 && !text.empty() && text[0] == mark &&
        (markRepeated_ || mark == '#' ||
         (text.size() >= 2 && (text[1] == ' ' || text[1] == '\t')))) {
        text = TrimBlanks(text.substr(1));
    }
    std::string value(text);
    if (value.size() > kMaxProperty && mark != 'K' && mark != 'A' && mark != '!') {
        log_.Report(Code::FootnoteTooLong, Here(),
                    std::string("The \"") + mark +
                        "\" footnote is longer than 255 characters; "
                        "it is cut.");
        value.resize(kMaxProperty);
    }
    switch (mark) {
        case '#':
            topic_.contexts.push_back({value, static_cast<int>(topic_.paragraphs.size())});
            break;
        case '$':
            if (topic_.hasTitle) {
                log_.Report(Code::TitleTwice, Here(),
                            "The topic has a second title \"" + value + "\"; the first is used.");
                break;
            }
            topic_.hasTitle = true;
            topic_.title = value;
            break;
        case 'K':
            for (std::string& keyword : SplitList(value)) {
                topic_.keywords.push_back(std::move(keyword));
            }
            break;
        case 'A':
            for (std::string& keyword : SplitList(value)) {
                topic_.aKeywords.push_back(std::move(keyword));
            }
            break;
        case '*':
            for (std::string& tag : SplitList(value)) {
                if (!tag.empty()) {
                    topic_.buildTags.push_back(std::move(tag));
                }
            }
            break;
        case '+':
            topic_.browse = value;
            break;
        case '!':
            topic_.entryMacros.push_back(value);
            break;
        case '>':
            topic_.window = value;
            break;
        case '@':
            break;  // an author's comment
        case 0:
            log_.Report(Code::UnknownFootnote, Here(),
                        "A footnote has no mark character before it; it is ignored.");
            break;
        default:
            log_.Report(Code::UnknownFootnote, Here(),
                        std::string("The footnote mark \"") + mark +
                            "\" has no meaning in a help file; the footnote is ignored.");
            break;
    }
}

}  // namespace scrivlet::hc
