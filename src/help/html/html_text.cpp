#include "help/html/html_text.h"

#include "help/html/code_page.h"

namespace scrivlet::help::html {
namespace {

char32_t Lower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    // Latin Extended-A pairs capitals and small letters by turns.
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x178) {
        const bool evenCapital = (c < 0x139) || (c > 0x148 && c < 0x179);
        if (evenCapital ? c % 2 == 0 : c % 2 == 1) {
            return c + 1;
        }
    }
    return c;
}

bool IsWordCharacter(char32_t c) {
    if (c < 0x80) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }
    if (c < 0xC0 || c == 0xD7 || c == 0xF7) {
        return false;
    }
    // General punctuation, currency, letter-like symbols, arrows, maths and
    // boxes, and the replacement character.
    return !(c >= 0x2000 && c <= 0x2BFF) && c != 0xFFFD;
}

// Decodes the character at TEXT[POS] and moves POS past it; a byte that
// does not start a sound sequence counts as U+FFFD.
char32_t Next(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0) {
        return 0xFFFD;
    }
    char32_t c = lead & (0x3F >> more);
    for (; more > 0; --more) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return c;
}

}  // namespace

void AppendEscaped(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\t':
            case '\n':
                out += c;
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    break;
                }
                // U+0080 to U+009F are C2 80 to C2 9F.
                if (c == '\xC2' && i + 1 < text.size() &&
                    static_cast<unsigned char>(text[i + 1]) < 0xA0) {
                    ++i;
                    break;
                }
                out += c;
        }
    }
}

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEscaped(out, text);
    return out;
}

std::string JsString(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += ' ';
        } else if (c == '<') {
            out += "\\x3c";  // keeps "</script" out of any page that inlines it
        } else if (text.compare(i, 3, "\xE2\x80\xA8") == 0 ||
                   text.compare(i, 3, "\xE2\x80\xA9") == 0) {
            out += ' ';
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            out += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte);
            ++pos;
            continue;
        }
        AppendCodePoint(out, Lower(Next(text, pos)));
    }
    return out;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    std::size_t letters = 0;
    auto finish = [&] {
        if (letters >= 2) {
            words.push_back(word);
        }
        word.clear();
        letters = 0;
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = Next(text, pos);
        if (!IsWordCharacter(c)) {
            finish();
            continue;
        }
        AppendCodePoint(word, Lower(c));
        ++letters;
    }
    finish();
    return words;
}

char32_t FirstCodePoint(std::string_view text, std::size_t* length) {
    std::size_t pos = 0;
    const char32_t c = text.empty() ? 0 : Next(text, pos);
    if (length != nullptr) {
        *length = pos;
    }
    return c;
}

}  // namespace scrivlet::help::html
