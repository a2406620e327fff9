#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/rtf/rtf_tokenizer.h"
#include "hc/help_model.h"

namespace scrivlet::hc {

// The font and colour tables of one topic file, merged into the help file's
// tables as they are read: a font or colour the help file already has is
// used again, so several topic files share one table.
class TopicFileTables {
public:
    explicit TopicFileTables(HelpFile& help) : help_(help) {}

    // A token inside "{\fonttbl": entries "{\f0\fswiss\fcharset0 Arial;}",
    // or the same entries one after another without groups.
    void FontTableToken(const rtf::Token& token);
    // The font table group is closed.
    void FinishFontTable();
    bool FontTableRead() const { return fontTableRead_; }

    // "{\colortbl" opens; then its tokens: entries "\redR\greenG\blueB;", an
    // entry with no values standing for the default colour.
    void StartColorTable();
    void ColorTableToken(const rtf::Token& token);

    void SetDefaultFont(int number) { defaultFont_ = number; }

    // The help file's font for the file's font NUMBER; nothing when the font
    // table does not have it.
    std::optional<int> FindFont(int number) const;
    // The help file's font for "\deff" (a font is made when there is none).
    int DefaultFont();
    // The help file's colour for the file's colour NUMBER; -1 for the default
    // colour and for numbers the table does not have.
    int MapColor(int number) const;

private:
    void FinishFontEntry();

    HelpFile& help_;
    int defaultFont_ = 0;
    std::unordered_map<int, int> fontMap_;
    bool fontTableRead_ = false;
    bool fontOpen_ = false;
    int fontNumber_ = 0;
    Font font_;

    std::vector<int> colorMap_;
    uint32_t pendingColor_ = 0;
    bool colorHasValue_ = false;
};

}  // namespace scrivlet::hc
