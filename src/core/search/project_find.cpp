#include "core/search/project_find.h"

#include <algorithm>
#include <regex>

#include "core/rtf/rtf_tokenizer.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

using rtf::Token;
using rtf::TokenKind;

constexpr std::size_t kExcerptBefore = 40;
constexpr std::size_t kExcerptLength = 120;

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           static_cast<unsigned char>(c) >= 0xC0;
}

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Finds the matches of one search in texts, the regular expression compiled
// once for the whole project.
class Matcher {
public:
    explicit Matcher(const ProjectFindOptions& options) : options_(options) {
        if (!options.regularExpression) {
            if (!options.matchCase) {
                for (char& c : folded_ = options.pattern) {
                    c = Fold(c);
                }
            }
            return;
        }
        auto flags = std::regex::ECMAScript;
        if (!options.matchCase) {
            flags |= std::regex::icase;
        }
        try {
            regex_ = std::regex(options.pattern, flags);
        } catch (const std::regex_error& e) {
            throw ConvertError("'" + options.pattern +
                               "' is not a valid regular expression: " + e.what());
        }
    }

    // Calls FOUND(offset, length) for every match in TEXT.
    template <typename Found>
    void Each(std::string_view text, Found&& found) const {
        if (options_.regularExpression) {
            for (auto it = std::cregex_iterator(text.data(), text.data() + text.size(), regex_);
                 it != std::cregex_iterator(); ++it) {
                const auto at = static_cast<std::size_t>(it->position());
                const auto length = static_cast<std::size_t>(it->length());
                if (length > 0 && WholeWordAt(text, at, length)) {
                    found(at, length);
                }
            }
            return;
        }
        const std::string& pattern = options_.matchCase ? options_.pattern : folded_;
        if (pattern.empty() || pattern.size() > text.size()) {
            return;
        }
        const bool matchCase = options_.matchCase;
        auto same = [matchCase](char c, char p) { return (matchCase ? c : Fold(c)) == p; };
        const std::size_t last = text.size() - pattern.size();
        for (std::size_t at = 0; at <= last;) {
            std::size_t i = 0;
            while (i < pattern.size() && same(text[at + i], pattern[i])) {
                ++i;
            }
            if (i == pattern.size() && WholeWordAt(text, at, pattern.size())) {
                found(at, pattern.size());
                at += pattern.size();
            } else {
                ++at;
            }
        }
    }

private:
    bool WholeWordAt(std::string_view text, std::size_t at, std::size_t length) const {
        if (!options_.wholeWord) {
            return true;
        }
        const bool before = at > 0 && IsWordChar(text[at - 1]);
        const bool after = at + length < text.size() && IsWordChar(text[at + length]);
        return !before && !after;
    }

    const ProjectFindOptions& options_;
    std::string folded_;
    std::regex regex_;
};

bool IsHiddenDestination(const Token& token) {
    if (token.IsSymbol('*')) {
        return true;
    }
    return token.kind == TokenKind::kControlWord &&
           (token.text == "fonttbl" || token.text == "colortbl" || token.text == "stylesheet" ||
            token.text == "info" || token.text == "pict" || token.text == "fldinst" ||
            token.text == "listtext" || token.text == "pntext");
}

ProjectFindResult Result(std::size_t topic, FindField field, std::string_view text, std::size_t at,
                         std::size_t length) {
    ProjectFindResult result;
    result.topic = topic;
    result.field = field;
    result.offset = at;
    result.length = length;
    result.matched = std::string(text.substr(at, length));
    std::size_t start = at > kExcerptBefore ? at - kExcerptBefore : 0;
    // Begin at a word, not in the middle of one.
    if (start > 0) {
        const std::size_t blank = text.find(' ', start);
        if (blank != std::string_view::npos && blank < at) {
            start = blank + 1;
        }
    }
    result.excerpt = std::string(text.substr(start, kExcerptLength));
    for (char& c : result.excerpt) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    result.excerptOffset = at - start;
    return result;
}

}  // namespace

std::string ParagraphText(std::string_view line) {
    std::string text;
    AppendParagraphText(line, text);
    return text;
}

void AppendParagraphText(std::string_view line, std::string& text, std::vector<TextPiece>* pieces) {
    rtf::Tokenizer tokens(line);
    std::size_t hiddenDepth = 0;  // the depth at which a hidden group opened; 0 when none
    bool groupStart = false;
    // The end of the last control word written without a closing blank.
    std::size_t bareWordEnd = std::string_view::npos;
    for (Token token = tokens.Next(); token.kind != TokenKind::kEnd; token = tokens.Next()) {
        const bool atGroupStart = groupStart;
        groupStart = token.kind == TokenKind::kGroupStart;
        if (hiddenDepth > 0) {
            if (tokens.Depth() < hiddenDepth) {
                hiddenDepth = 0;
            }
            continue;
        }
        if (atGroupStart && IsHiddenDestination(token)) {
            hiddenDepth = tokens.Depth();
            continue;
        }
        const std::size_t before = text.size();
        switch (token.kind) {
            case TokenKind::kText:
                text += token.text;
                break;
            case TokenKind::kHexByte:
                text += static_cast<char>(token.byte);
                break;
            case TokenKind::kControlSymbol:
                if (token.text == "\\" || token.text == "{" || token.text == "}") {
                    text += token.text;
                } else if (token.text == "~") {
                    text += ' ';
                }
                break;
            case TokenKind::kControlWord:
                if (token.text == "tab") {
                    text += '\t';
                } else if (token.text == "line") {
                    text += '\n';
                }
                break;
            case TokenKind::kUnicode:
                text += token.codeUnit < 0x80 ? static_cast<char>(token.codeUnit) : '?';
                break;
            default:
                break;
        }
        if (pieces != nullptr) {
            const bool afterBare = token.offset == bareWordEnd;
            if (token.kind == TokenKind::kText) {
                for (std::size_t i = 0; i < token.text.size(); ++i) {
                    pieces->push_back({token.offset + i, 1, afterBare && i == 0});
                }
            } else if (text.size() > before) {
                pieces->push_back({token.offset, token.length, afterBare});
            }
            // A word ended by its blank, or a "\uN" ended by its fallback,
            // cannot take in what follows; one ending in a letter or digit can.
            const bool bare =
                (token.kind == TokenKind::kControlWord || token.kind == TokenKind::kUnicode) &&
                token.length > 0 && IsAsciiAlnum(line[token.offset + token.length - 1]);
            bareWordEnd = bare ? token.offset + token.length : std::string_view::npos;
        }
    }
}

ProjectFindResults FindInProject(const Project& project, const ProjectFindOptions& options) {
    ProjectFindResults found;
    std::vector<ProjectFindResult>& results = found.matches;
    if (options.pattern.empty()) {
        return found;
    }
    const Matcher matcher(options);
    std::string text;  // reused: one paragraph at a time
    const std::size_t end = std::min(options.endTopic, project.Topics.Count());
    for (std::size_t t = options.firstTopic; t < end; ++t) {
        if (results.size() >= options.limit) {
            found.truncated = true;
            results.resize(options.limit);
            break;
        }
        const TTopic& topic = project.Topics[t];
        auto property = [&](bool wanted, FindField field, std::string_view value) {
            if (wanted) {
                matcher.Each(value, [&](std::size_t at, std::size_t length) {
                    results.push_back(Result(t, field, value, at, length));
                });
            }
        };
        property(options.inTitles, FindField::Title, topic.Title.str());
        property(options.inContextStrings, FindField::ContextString, topic.ContextString.str());
        property(options.inKeywords, FindField::Keywords, topic.Keywords.str());
        property(options.inKeywords, FindField::Keywords, topic.AKeywords.str());
        property(options.inMacros, FindField::Macro, topic.EntryMacro.str());
        if (!options.inText) {
            continue;
        }
        // Line 3 on holds the paragraphs, one a line; the first two are tables.
        for (std::size_t line = 2; line < topic.Text.size(); ++line) {
            text.clear();
            AppendParagraphText(topic.Text[line], text);
            matcher.Each(text, [&](std::size_t at, std::size_t length) {
                ProjectFindResult result = Result(t, FindField::Text, text, at, length);
                result.paragraph = line - 2;
                results.push_back(std::move(result));
            });
        }
    }
    if (results.size() > options.limit) {
        found.truncated = true;
        results.resize(options.limit);
    }
    return found;
}

}  // namespace scrivlet
