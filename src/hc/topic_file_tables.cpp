#include "hc/topic_file_tables.h"

#include <algorithm>

#include "core/util/convert.h"

namespace scrivlet::hc {

using rtf::Token;
using rtf::TokenKind;

void TopicFileTables::FinishFontTable() {
    FinishFontEntry();
    fontTableRead_ = true;
}

void TopicFileTables::StartColorTable() {
    colorMap_.clear();
    pendingColor_ = 0;
    colorHasValue_ = false;
}

std::optional<int> TopicFileTables::FindFont(int number) const {
    const auto it = fontMap_.find(number);
    if (it == fontMap_.end()) {
        return std::nullopt;
    }
    return it->second;
}

int TopicFileTables::DefaultFont() {
    if (const std::optional<int> font = FindFont(defaultFont_)) {
        return *font;
    }
    if (help_.fonts.empty()) {
        help_.fonts.push_back({"Arial", "swiss", 0});
    }
    return 0;
}

int TopicFileTables::MapColor(int number) const {
    if (number < 0 || static_cast<std::size_t>(number) >= colorMap_.size()) {
        return -1;
    }
    return colorMap_[static_cast<std::size_t>(number)];
}

void TopicFileTables::FontTableToken(const Token& token) {
    if (token.kind == TokenKind::kControlWord) {
        const std::string_view word = token.text;
        if (word == "f" && token.hasParam) {
            FinishFontEntry();
            fontNumber_ = token.param;
            fontOpen_ = true;
        } else if (word.size() > 1 && word[0] == 'f' && fontOpen_ &&
                   (word == "fnil" || word == "froman" || word == "fswiss" || word == "fmodern" ||
                    word == "fscript" || word == "fdecor" || word == "ftech" || word == "fbidi")) {
            font_.family = std::string(word.substr(1));
        } else if (word == "fcharset" && fontOpen_) {
            font_.charset = token.param;
        }
        return;
    }
    if (!fontOpen_) {
        return;
    }
    std::string_view text;
    char byte = 0;
    if (token.kind == TokenKind::kText) {
        text = token.text;
    } else if (token.kind == TokenKind::kHexByte) {
        byte = static_cast<char>(token.byte);
        text = std::string_view(&byte, 1);
    } else {
        return;
    }
    for (const char c : text) {
        if (c == ';') {
            FinishFontEntry();
        } else if (font_.name.size() < 255) {
            font_.name += c;
        }
    }
}

void TopicFileTables::FinishFontEntry() {
    if (!fontOpen_) {
        return;
    }
    fontOpen_ = false;
    Font font = std::move(font_);
    font_ = Font{};
    const auto begin = font.name.find_first_not_of(' ');
    font.name = begin == std::string::npos ? std::string() : font.name.substr(begin);
    while (!font.name.empty() && font.name.back() == ' ') {
        font.name.pop_back();
    }
    if (font.family.empty()) {
        font.family = "nil";
    }
    const std::string key = UpperAscii(font.name);
    int index = -1;
    for (std::size_t i = 0; i < help_.fonts.size(); ++i) {
        const Font& other = help_.fonts[i];
        if (UpperAscii(other.name) == key && other.family == font.family &&
            other.charset == font.charset) {
            index = static_cast<int>(i);
            break;
        }
    }
    if (index < 0) {
        index = static_cast<int>(help_.fonts.size());
        help_.fonts.push_back(std::move(font));
    }
    fontMap_.emplace(fontNumber_, index);
}

void TopicFileTables::ColorTableToken(const Token& token) {
    if (token.kind == TokenKind::kControlWord && token.hasParam) {
        const uint32_t value = static_cast<uint32_t>(std::clamp(token.param, 0, 255));
        if (token.text == "red") {
            pendingColor_ = (pendingColor_ & 0xFFFF00u) | value;
            colorHasValue_ = true;
        } else if (token.text == "green") {
            pendingColor_ = (pendingColor_ & 0xFF00FFu) | (value << 8);
            colorHasValue_ = true;
        } else if (token.text == "blue") {
            pendingColor_ = (pendingColor_ & 0x00FFFFu) | (value << 16);
            colorHasValue_ = true;
        }
        return;
    }
    if (token.kind != TokenKind::kText) {
        return;
    }
    for (const char c : token.text) {
        if (c != ';') {
            continue;
        }
        int index = -1;
        if (colorHasValue_) {
            const auto it = std::find(help_.colors.begin(), help_.colors.end(), pendingColor_);
            index = static_cast<int>(it - help_.colors.begin());
            if (it == help_.colors.end()) {
                help_.colors.push_back(pendingColor_);
            }
        }
        if (colorMap_.size() < 4096) {
            colorMap_.push_back(index);
        }
        pendingColor_ = 0;
        colorHasValue_ = false;
    }
}

}  // namespace scrivlet::hc
