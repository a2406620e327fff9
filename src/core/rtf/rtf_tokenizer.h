#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scrivlet::rtf {

// What one token of an RTF byte stream is.
enum class TokenKind : std::uint8_t {
    kEnd,            // the input is exhausted; every later Next() returns kEnd again
    kGroupStart,     // "{"
    kGroupEnd,       // "}" that closes an open group (a stray "}" is reported, not returned)
    kControlWord,    // "\" letters [optional "-"] [digits], e.g. "\b", "\fs22", "\fi-360"
    kControlSymbol,  // "\" and one character that is not a letter, e.g. "\{", "\~", "\*"
    kHexByte,        // "\'hh": one byte given in hexadecimal
    kUnicode,        // "\uN": one UTF-16 code unit; its fallback characters are already skipped
    kBinary,         // "\binN" and the N raw bytes after it
    kText,           // a run of plain bytes (no "\", "{", "}", CR or LF inside)
};

// One token. The string views point into the input given to the Tokenizer, so
// they stay valid exactly as long as that input does.
struct Token {
    TokenKind kind = TokenKind::kEnd;
    // kControlWord: the letters ("fs" for "\fs22"). kControlSymbol: the one
    // character after the backslash ("{" for "\{"). kText: the bytes of the run.
    // kBinary: the raw data. Empty otherwise.
    std::string_view text;
    // kControlWord only: whether digits followed the letters, and their value.
    // Values beyond 32 bits are clamped to INT32_MIN / INT32_MAX (and reported).
    bool hasParam = false;
    std::int32_t param = 0;
    // kHexByte: the byte.
    unsigned char byte = 0;
    // kUnicode: the code unit, already made unsigned ("\u-4064" gives 0xF020).
    // A character outside the BMP comes as two kUnicode tokens (a surrogate
    // pair); joining them is up to the caller.
    char16_t codeUnit = 0;
    // Where the token lies in the input: [offset, offset + length). The length
    // takes in the space that ends a control word and, for kUnicode, the
    // skipped fallback, so that a caller rewriting the source can replace the
    // whole span.
    std::size_t offset = 0;
    std::size_t length = 0;

    bool IsWord(std::string_view name) const {
        return kind == TokenKind::kControlWord && text == name;
    }
    bool IsSymbol(char c) const {
        return kind == TokenKind::kControlSymbol && text.size() == 1 && text[0] == c;
    }
};

// Splits RTF into tokens, one Next() at a time. Shared by every RTF reader of
// the system (the topic text codec, the project-wide replace, the help
// compiler).
//
// What it takes care of, so that callers need not:
//  - the space that ends a control word is eaten; any other character ends the
//    word and stays in the input;
//  - CR and LF in the input are ignored (they are not text); a backslash
//    followed by CR or LF is returned as the control word "par";
//  - "\ucN" is tracked per group, and after each "\uN" the N fallback
//    characters are skipped (a text byte, "\'hh", a control word or symbol each
//    count as one; a brace stops the skipping). "\uc" itself is still returned
//    as a control word;
//  - "\binN" takes exactly N raw bytes, braces and backslashes included;
//  - group depth: Depth() is the number of open groups. A "}" with no open
//    group is reported and dropped, so callers never see depth go negative.
//
// It never recurses and keeps only O(number of \uc changes) state, so a
// million nested "{" cost nothing but time. Bad input never stops it: it goes
// on with the best reading and remembers the first problem in Error().
class Tokenizer {
public:
    explicit Tokenizer(std::string_view input) : in_(input) {}

    Token Next();

    // Open groups after the last token returned (a kGroupStart counts itself).
    std::size_t Depth() const { return depth_; }

    // Fallback length in force at the current depth (1 unless "\uc" changed it).
    int UnicodeSkip() const { return ucStack_.back().second; }

    // Empty while the input is sound; otherwise a sentence about the first
    // problem met, with its byte offset ("unmatched "}" at byte 12"). A
    // document that ends with groups still open is reported when kEnd is
    // returned.
    const std::string& Error() const { return error_; }
    bool HasError() const { return !error_.empty(); }

    std::size_t Position() const { return pos_; }

private:
    Token Scan();
    Token ScanControl(std::size_t start);
    void SkipFallback(int count, Token& token);
    void Fail(std::string message, std::size_t offset);

    std::string_view in_;
    std::size_t pos_ = 0;
    std::size_t depth_ = 0;
    // (depth, \uc value) for each group that changed it; the first entry is the
    // document default.
    std::vector<std::pair<std::size_t, int>> ucStack_{{0, 1}};
    std::string error_;
    bool endReported_ = false;
};

// The value of one hexadecimal digit (either case), or -1 when C is none.
int HexDigitValue(char c);

}  // namespace scrivlet::rtf
