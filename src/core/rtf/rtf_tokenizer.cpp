#include "core/rtf/rtf_tokenizer.h"

#include <limits>

namespace scrivlet::rtf {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void Tokenizer::Fail(std::string message, std::size_t offset) {
    if (error_.empty()) {
        error_ = std::move(message) + " at byte " + std::to_string(offset);
    }
}

Token Tokenizer::Next() {
    Token token = Scan();
    switch (token.kind) {
        case TokenKind::kGroupStart:
            ++depth_;
            break;
        case TokenKind::kGroupEnd:
            if (ucStack_.size() > 1 && ucStack_.back().first == depth_) {
                ucStack_.pop_back();
            }
            --depth_;
            break;
        case TokenKind::kControlWord:
            if (token.text == "uc" && token.hasParam) {
                // A negative or absurd skip count would only eat the document.
                int skip = token.param < 0 ? 0 : (token.param > 16 ? 16 : token.param);
                if (ucStack_.back().first == depth_) {
                    ucStack_.back().second = skip;
                } else {
                    ucStack_.emplace_back(depth_, skip);
                }
            }
            break;
        case TokenKind::kUnicode:
            SkipFallback(UnicodeSkip(), token);
            break;
        case TokenKind::kEnd:
            if (depth_ > 0 && !endReported_) {
                endReported_ = true;
                Fail("the RTF ends with " + std::to_string(depth_) + " group(s) still open",
                     in_.size());
            }
            break;
        default:
            break;
    }
    return token;
}

Token Tokenizer::Scan() {
    for (;;) {
        while (pos_ < in_.size() && IsLineBreak(in_[pos_])) {
            ++pos_;
        }
        Token token;
        token.offset = pos_;
        if (pos_ >= in_.size()) {
            token.kind = TokenKind::kEnd;
            return token;
        }
        char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            token.kind = TokenKind::kGroupStart;
            token.length = 1;
            return token;
        }
        if (c == '}') {
            ++pos_;
            if (depth_ == 0) {
                Fail("unmatched \"}\"", token.offset);
                continue;
            }
            token.kind = TokenKind::kGroupEnd;
            token.length = 1;
            return token;
        }
        if (c == '\\') {
            return ScanControl(pos_);
        }
        std::size_t end = pos_;
        while (end < in_.size() && in_[end] != '\\' && in_[end] != '{' && in_[end] != '}' &&
               !IsLineBreak(in_[end])) {
            ++end;
        }
        token.kind = TokenKind::kText;
        token.text = in_.substr(pos_, end - pos_);
        token.length = end - pos_;
        pos_ = end;
        return token;
    }
}

// Scans the control word or symbol starting with the backslash at START.
Token Tokenizer::ScanControl(std::size_t start) {
    Token token;
    token.offset = start;
    pos_ = start + 1;
    if (pos_ >= in_.size()) {
        Fail("the RTF ends after a backslash", start);
        token.kind = TokenKind::kEnd;
        return token;
    }
    char c = in_[pos_];
    if (!IsLetter(c)) {
        ++pos_;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && pos_ < in_.size() && HexDigitValue(in_[pos_]) >= 0) {
                value = value * 16 + HexDigitValue(in_[pos_]);
                ++pos_;
                ++digits;
            }
            if (digits < 2) {
                Fail("\"\\'\" without two hexadecimal digits", start);
            }
            token.kind = TokenKind::kHexByte;
            token.byte = static_cast<unsigned char>(value);
        } else if (IsLineBreak(c)) {
            token.kind = TokenKind::kControlWord;
            token.text = "par";
        } else {
            token.kind = TokenKind::kControlSymbol;
            token.text = in_.substr(pos_ - 1, 1);
        }
        token.length = pos_ - start;
        return token;
    }

    std::size_t nameStart = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) {
        ++pos_;
    }
    token.kind = TokenKind::kControlWord;
    token.text = in_.substr(nameStart, pos_ - nameStart);

    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < in_.size() && IsDigit(in_[pos_])) {
        token.hasParam = true;
        std::int64_t value = 0;
        bool tooLarge = false;
        constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            if (!tooLarge) {
                value = value * 10 + (in_[pos_] - '0');
                tooLarge = value > kLimit;
            }
            ++pos_;
        }
        if (negative) {
            value = -value;
        }
        if (tooLarge || value > std::numeric_limits<std::int32_t>::max() ||
            value < std::numeric_limits<std::int32_t>::min()) {
            Fail("number too large after \"\\" + std::string(token.text) + "\"", start);
            value = negative ? std::numeric_limits<std::int32_t>::min()
                             : std::numeric_limits<std::int32_t>::max();
        }
        token.param = static_cast<std::int32_t>(value);
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') {
        ++pos_;
    }
    token.length = pos_ - start;

    if (token.text == "bin") {
        std::size_t count = 0;
        if (token.hasParam && token.param < 0) {
            Fail("negative \\bin length", start);
        } else if (token.hasParam) {
            count = static_cast<std::size_t>(token.param);
        }
        std::size_t available = in_.size() - pos_;
        if (count > available) {
            Fail("\\bin length " + std::to_string(count) + " runs past the end of the data", start);
            count = available;
        }
        token.kind = TokenKind::kBinary;
        token.text = in_.substr(pos_, count);
        pos_ += count;
        token.length = pos_ - start;
    } else if (token.text == "u" && token.hasParam) {
        token.kind = TokenKind::kUnicode;
        token.codeUnit = static_cast<char16_t>(static_cast<std::uint32_t>(token.param) & 0xFFFFu);
        token.text = {};
    }
    return token;
}

void Tokenizer::SkipFallback(int count, Token& token) {
    while (count > 0 && pos_ < in_.size()) {
        char c = in_[pos_];
        if (c == '{' || c == '}') {
            break;
        }
        if (IsLineBreak(c)) {
            ++pos_;
            continue;
        }
        if (c == '\\') {
            if (ScanControl(pos_).kind == TokenKind::kEnd) {
                break;
            }
        } else {
            ++pos_;
        }
        --count;
    }
    token.length = pos_ - token.offset;
}

}  // namespace scrivlet::rtf
