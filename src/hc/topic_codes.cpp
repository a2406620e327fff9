#include "hc/topic_codes.h"

#include <algorithm>

#include "core/util/convert.h"

namespace scrivlet::hc {
namespace {}  // namespace

Hotspot ReadHotspotTarget(std::string_view hidden, HotspotKind kind, std::string& fault) {
    Hotspot hotspot;
    hotspot.kind = kind;
    std::string_view text = TrimBlanksAndTabs(hidden);
    if (!text.empty() && text.front() == '%') {
        hotspot.noColor = true;
        text.remove_prefix(1);
    } else if (!text.empty() && text.front() == '*') {
        hotspot.noUnderline = true;
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '!') {
        hotspot.kind = HotspotKind::Macro;
        hotspot.target = std::string(TrimBlanksAndTabs(text.substr(1)));
        if (hotspot.target.empty()) {
            fault = "the macro hotspot runs no macro";
        }
        return hotspot;
    }
    const std::size_t at = text.find('@');
    const std::size_t gt = text.find('>');
    const std::size_t contextEnd = std::min(at, gt);
    hotspot.target = std::string(TrimBlanksAndTabs(text.substr(0, contextEnd)));
    if (at != std::string_view::npos) {
        const std::size_t end = gt > at ? gt : std::string_view::npos;
        hotspot.file = std::string(TrimBlanksAndTabs(text.substr(
            at + 1, end == std::string_view::npos ? std::string_view::npos : end - at - 1)));
    }
    if (gt != std::string_view::npos) {
        const std::size_t end = at > gt ? at : std::string_view::npos;
        hotspot.window = std::string(TrimBlanksAndTabs(text.substr(
            gt + 1, end == std::string_view::npos ? std::string_view::npos : end - gt - 1)));
        if (hotspot.window.empty()) {
            fault = "\">\" names no window";
        }
    }
    if (hotspot.target.empty()) {
        fault = "the hotspot names no context string";
    }
    return hotspot;
}

TextCommand ReadTextCommand(std::string_view inside) {
    TextCommand command;
    const std::string_view text = TrimBlanksAndTabs(inside);
    std::size_t wordEnd = 0;
    while (wordEnd < text.size() && text[wordEnd] != ' ' && text[wordEnd] != '\t' &&
           text[wordEnd] != ',') {
        ++wordEnd;
    }
    command.name = std::string(text.substr(0, wordEnd));
    const std::string word = UpperAscii(command.name);
    const std::string_view rest = TrimBlanksAndTabs(text.substr(wordEnd));
    if (word == "BMC" || word == "BML" || word == "BMR" || word == "BMCT" || word == "BMLT" ||
        word == "BMRT") {
        command.kind = TextCommand::Kind::Bitmap;
        command.align = word[2] == 'L'   ? BitmapAlign::Left
                        : word[2] == 'R' ? BitmapAlign::Right
                                         : BitmapAlign::Character;
        command.transparent = word.size() == 4;
        // Several files may be offered for different screens; the first is
        // the one shown here.
        const std::size_t semicolon = rest.find(';');
        command.argument = std::string(TrimBlanksAndTabs(rest.substr(0, semicolon)));
        return command;
    }
    if (word == "BUTTON") {
        command.kind = TextCommand::Kind::Button;
        const std::size_t comma = rest.find(',');
        command.argument = std::string(TrimBlanksAndTabs(rest.substr(0, comma)));
        if (comma != std::string_view::npos) {
            command.macro = std::string(TrimBlanksAndTabs(rest.substr(comma + 1)));
        }
        return command;
    }
    if (word == "MCI" || word == "MCI_LEFT" || word == "MCI_RIGHT" || word == "EWC" ||
        word == "EWL" || word == "EWR" || word == "BMCWD" || word == "BMLWD" || word == "BMRWD") {
        command.kind = TextCommand::Kind::Unsupported;
    }
    return command;
}

}  // namespace scrivlet::hc
