#include "core/search/replace_in_rtf.h"

#include <array>

#include "core/rtf/rtf_tokenizer.h"
#include "core/search/search_text.h"

namespace scrivlet {
namespace {

using rtf::Token;
using rtf::TokenKind;

// Destinations whose text the author does not write in the body: tables,
// document information, pictures and objects, field instructions, bookmarks,
// index and contents entries, and the bullet text written before a list
// paragraph.
// clang-format off
constexpr std::array<std::string_view, 37> kSkippedDestinations{
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "objdata", "listtable",
    "listoverridetable", "rsidtbl", "generator", "themedata", "colorschememapping", "datastore",
    "latentstyles", "xmlnstbl", "filetbl", "revtbl", "pgdsctbl", "fldinst", "bkmkstart",
    "bkmkend", "xe", "tc", "shp", "shpinst", "shppict", "nonshppict", "private", "userprops",
    "docvar", "mmathPr", "listtext", "pntext", "pn", "pntxta", "pntxtb"};
// clang-format on

bool IsSkippedDestination(const Token& token) {
    if (token.IsSymbol('*')) {
        return true;
    }
    if (token.kind != TokenKind::kControlWord) {
        return false;
    }
    for (std::string_view name : kSkippedDestinations) {
        if (token.text == name) {
            return true;
        }
    }
    return false;
}

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// One decoded byte of a run of text and the source bytes it was written as.
struct Piece {
    std::size_t Offset;
    std::size_t Length;
};

struct Run {
    std::string Text;  // decoded bytes
    std::vector<Piece> Pieces;
    // The run follows a control word directly, with no blank ending it: text
    // put at its start must not run into that word.
    bool NeedsDelimiter = false;
    std::size_t End() const { return Pieces.back().Offset + Pieces.back().Length; }
};

struct Edit {
    std::size_t Offset;
    std::size_t Length;
    std::string Text;
};

// Which bytes a token adds to author text, if it is author text at all.
bool DecodeText(const Token& token, std::string& bytes) {
    switch (token.kind) {
        case TokenKind::kText:
            bytes.assign(token.text);
            return true;
        case TokenKind::kHexByte:
            bytes.assign(1, static_cast<char>(token.byte));
            return true;
        case TokenKind::kControlSymbol:
            if (token.IsSymbol('\\') || token.IsSymbol('{') || token.IsSymbol('}')) {
                bytes.assign(token.text);
                return true;
            }
            return false;
        default:
            return false;
    }
}

class RunReplacer {
public:
    RunReplacer(std::string_view pattern, std::string_view replacement, bool matchCase)
        : pattern_(pattern), replacement_(EscapeRtfText(replacement)), matchCase_(matchCase) {}

    void Flush(Run& run, std::vector<Edit>& edits) {
        if (run.Pieces.empty()) {
            return;
        }
        std::size_t from = 0;
        while (true) {
            const std::size_t at = FindPattern<char>(run.Text, pattern_, matchCase_, from);
            if (at == std::string::npos) {
                break;
            }
            const Piece& first = run.Pieces[at];
            const Piece& last = run.Pieces[at + pattern_.size() - 1];
            std::string text = replacement_;
            if (at == 0 && run.NeedsDelimiter) {
                text.insert(text.begin(), ' ');
            }
            edits.push_back({first.Offset, last.Offset + last.Length - first.Offset, text});
            ++count_;
            from = at + pattern_.size();
        }
        run = Run{};
    }

    int Count() const { return count_; }

private:
    std::string_view pattern_;
    std::string replacement_;
    bool matchCase_;
    int count_ = 0;
};

}  // namespace

std::string EscapeRtfText(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\r' || c == '\n') {
            out += ' ';
        } else if (byte > 127) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

int ReplaceInRtf(std::string& rtf, std::string_view pattern, std::string_view replacement,
                 bool matchCase) {
    if (pattern.empty()) {
        return 0;
    }
    rtf::Tokenizer tokenizer(rtf);
    RunReplacer replacer(pattern, replacement, matchCase);
    std::vector<Edit> edits;
    Run run;
    // Per open group: whether its text is skipped. The document level is not.
    std::vector<bool> skipped{false};
    bool groupJustOpened = false;
    // The end of the last control word written without a closing blank.
    std::size_t bareWordEnd = std::string::npos;
    std::string bytes;

    for (Token token = tokenizer.Next(); token.kind != TokenKind::kEnd; token = tokenizer.Next()) {
        if (groupJustOpened && IsSkippedDestination(token)) {
            skipped.back() = true;
        }
        groupJustOpened = false;

        if (!skipped.back() && DecodeText(token, bytes)) {
            if (!run.Pieces.empty() && run.End() != token.offset) {
                replacer.Flush(run, edits);  // a line break lies between
            }
            if (run.Pieces.empty()) {
                run.NeedsDelimiter = token.offset == bareWordEnd;
            }
            if (token.kind == TokenKind::kText) {
                for (std::size_t i = 0; i < bytes.size(); ++i) {
                    run.Pieces.push_back({token.offset + i, 1});
                }
            } else {
                run.Pieces.push_back({token.offset, token.length});
            }
            run.Text += bytes;
            continue;
        }

        replacer.Flush(run, edits);
        switch (token.kind) {
            case TokenKind::kGroupStart:
                skipped.push_back(skipped.back());
                groupJustOpened = true;
                break;
            case TokenKind::kGroupEnd:
                if (skipped.size() > 1) {
                    skipped.pop_back();
                }
                break;
            default:
                break;
        }
        // A word ended by its blank, or a "\uN" ended by its fallback, cannot
        // take in what follows; one ending in a letter or digit can.
        const bool bare =
            (token.kind == TokenKind::kControlWord || token.kind == TokenKind::kUnicode) &&
            token.length > 0 && IsWordChar(rtf[token.offset + token.length - 1]);
        bareWordEnd = bare ? token.offset + token.length : std::string::npos;
    }
    replacer.Flush(run, edits);

    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        rtf.replace(edit->Offset, edit->Length, edit->Text);
    }
    return replacer.Count();
}

int ReplaceInTopicText(std::vector<std::string>& lines, std::string_view pattern,
                       std::string_view replacement, bool matchCase) {
    std::vector<std::string> out;
    const int count = ReplaceInTopicText(lines, pattern, replacement, matchCase, out);
    if (count > 0) {
        lines = std::move(out);
    }
    return count;
}

int ReplaceInTopicText(const std::vector<std::string>& lines, std::string_view pattern,
                       std::string_view replacement, bool matchCase,
                       std::vector<std::string>& out) {
    if (pattern.empty()) {
        return 0;
    }
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined += '\n';
        }
        joined += lines[i];
    }
    const int count = ReplaceInRtf(joined, pattern, replacement, matchCase);
    if (count == 0) {
        return 0;
    }
    std::vector<std::string> result;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = joined.find('\n', start);
        result.push_back(joined.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    out = std::move(result);
    return count;
}

}  // namespace scrivlet
