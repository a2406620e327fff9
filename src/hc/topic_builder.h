#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "hc/hc_log.h"
#include "hc/help_model.h"

namespace scrivlet::hc {

// Finds the file a bitmap name stands for; "" when there is none.
using BitmapFinder = std::function<std::string(const std::string& name)>;

// Builds the topics of one topic file from what the RTF reader meets, in
// order: visible text with its formatting, hidden text, paragraph and topic
// ends, footnotes. It owns the WinHelp meanings of these: hidden text after
// struck-through or underlined text is a hotspot's target, "\{bmc ...\}" is a
// bitmap, a footnote's mark character says which property it sets.
class TopicBuilder {
public:
    TopicBuilder(std::string fileName, HelpFile& help, Log& log, BitmapFinder findBitmap);

    void StartTopic(int line);
    void Text(std::string_view bytes, const CharFormat& format, bool hidden);
    void Tab(const CharFormat& format, bool hidden);
    void LineBreak(const CharFormat& format, bool hidden);
    // MARK is the character format in force where the paragraph ends.
    void EndParagraph(const ParagraphFormat& format, const CharFormat& mark);
    // Ends a table row: the paragraph in progress, when it has text, ends
    // the last cell; FORMAT (with its row definition) goes to the row's
    // last paragraph.
    void EndRow(const ParagraphFormat& format, const CharFormat& mark);
    void EndTopic(const ParagraphFormat& format, const CharFormat& mark);

    // Where a finding about the topic being read belongs.
    Place Here() const;

    // A bitmap embedded in the topic file, as the bytes of a BMP file; WHERE
    // names the place.
    void EmbeddedBitmap(std::string bmp, const std::string& where, const CharFormat& format);

    // A "{\footnote" group begins: the mark is the character just before it.
    void BeginFootnote();
    void FootnoteText(std::string_view bytes);
    // A group inside the footnote closed; one that held only the mark
    // repeats it.
    void FootnoteGroupEnded();
    void EndFootnote();

    bool InTopic() const { return inTopic_; }

    // Each finished topic's paragraphs and hotspots are kept packed, not as
    // objects.
    void KeepPacked() { packed_ = true; }

private:
    void AddRun(Run run);
    void AddVisible(std::string_view bytes, const CharFormat& format);
    void FlushHidden();
    void FlushCommand();
    void EndPendingHotspot();
    void ApplyFootnote(char mark, std::string text);

    std::string fileName_;
    HelpFile& help_;
    bool packed_ = false;
    Log& log_;
    BitmapFinder findBitmap_;

    bool inTopic_ = false;
    Topic topic_;
    Paragraph paragraph_;
    int topicCount_ = 0;

    int pendingFirst_ = -1;  // first run of hotspot text still waiting for its target
    std::string hidden_;
    bool afterFootnote_ = false;

    bool inCommand_ = false;
    std::string command_;
    CharFormat commandFormat_;

    bool inFootnote_ = false;
    char footnoteMark_ = 0;
    bool markRepeated_ = false;
    std::string footnoteText_;
};

}  // namespace scrivlet::hc
