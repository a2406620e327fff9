#include "help/viewer_macro.h"

#include <array>
#include <utility>

namespace scrivlet::help {
namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

MacroKind KindOf(std::string_view name) {
    static const std::array<std::pair<const char*, MacroKind>, 21> kNames = {{
        {"JUMPID", MacroKind::JumpId},
        {"JI", MacroKind::JumpId},
        {"POPUPID", MacroKind::PopupId},
        {"PI", MacroKind::PopupId},
        {"JUMPCONTEXT", MacroKind::JumpContext},
        {"JC", MacroKind::JumpContext},
        {"JUMPKEYWORD", MacroKind::JumpKeyword},
        {"JK", MacroKind::JumpKeyword},
        {"CONTENTS", MacroKind::Contents},
        {"BACK", MacroKind::Back},
        {"HISTORY", MacroKind::History},
        {"PREV", MacroKind::Prev},
        {"NEXT", MacroKind::Next},
        {"CLOSEWINDOW", MacroKind::CloseWindow},
        {"BROWSEBUTTONS", MacroKind::BrowseButtons},
        {"CREATEBUTTON", MacroKind::CreateButton},
        {"CB", MacroKind::CreateButton},
        {"DISABLEBUTTON", MacroKind::DisableButton},
        {"DB", MacroKind::DisableButton},
        {"EXECFILE", MacroKind::ExecFile},
        {"EF", MacroKind::ExecFile},
    }};
    const std::string upper = Upper(name);
    for (const auto& [known, kind] : kNames) {
        if (upper == known) {
            return kind;
        }
    }
    return MacroKind::Unsupported;
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    MacroParse Run() {
        MacroParse result;
        while (true) {
            SkipBlanks();
            if (AtEnd()) {
                break;
            }
            MacroCall call;
            if (!ReadCall(call)) {
                result.error = error_;
                return result;
            }
            result.calls.push_back(std::move(call));
            SkipBlanks();
            if (AtEnd()) {
                break;
            }
            if (Peek() != ';' && Peek() != ':') {
                result.error = "Expected \";\" after " + result.calls.back().name;
                return result;
            }
            ++pos_;
        }
        return result;
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return text_[pos_]; }

    void SkipBlanks() {
        while (!AtEnd() && IsBlank(Peek())) {
            ++pos_;
        }
    }

    bool Fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    bool ReadCall(MacroCall& call) {
        const std::size_t start = pos_;
        while (!AtEnd() && IsNameChar(Peek())) {
            ++pos_;
        }
        if (pos_ == start) {
            return Fail("Macro name expected at \"" + std::string(text_.substr(start)) + "\"");
        }
        call.name = std::string(text_.substr(start, pos_ - start));
        call.kind = KindOf(call.name);
        SkipBlanks();
        if (AtEnd() || Peek() != '(') {
            // WinHelp accepts a macro without parentheses when it takes no
            // arguments.
            return true;
        }
        ++pos_;
        SkipBlanks();
        if (!AtEnd() && Peek() == ')') {
            ++pos_;
            return true;
        }
        while (true) {
            std::string arg;
            if (!ReadArgument(arg)) {
                return false;
            }
            call.args.push_back(std::move(arg));
            SkipBlanks();
            if (AtEnd()) {
                return Fail("Missing \")\" in " + call.name);
            }
            if (Peek() == ')') {
                ++pos_;
                return true;
            }
            if (Peek() != ',') {
                return Fail("Expected \",\" or \")\" in " + call.name);
            }
            ++pos_;
        }
    }

    bool ReadArgument(std::string& arg) {
        SkipBlanks();
        if (AtEnd()) {
            return Fail("Argument expected");
        }
        if (Peek() == '`' || Peek() == '"') {
            return ReadQuoted(arg);
        }
        // A bare argument (number, constant or nested call) runs to the
        // next "," or ")" at its own depth.
        int depth = 0;
        const std::size_t start = pos_;
        while (!AtEnd()) {
            const char c = Peek();
            if (depth == 0 && (c == ',' || c == ')')) {
                break;
            }
            if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            }
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > start && IsBlank(text_[end - 1])) {
            --end;
        }
        arg = std::string(text_.substr(start, end - start));
        return true;
    }

    // `...' may nest: a ` inside opens another level. "..." ends at the
    // next ".
    bool ReadQuoted(std::string& arg) {
        const char open = Peek();
        ++pos_;
        if (open == '"') {
            const std::size_t end = text_.find('"', pos_);
            if (end == std::string_view::npos) {
                return Fail("Missing closing quote");
            }
            arg = std::string(text_.substr(pos_, end - pos_));
            pos_ = end + 1;
            return true;
        }
        int depth = 1;
        const std::size_t start = pos_;
        while (!AtEnd()) {
            const char c = Peek();
            if (c == '`') {
                ++depth;
            } else if (c == '\'') {
                if (--depth == 0) {
                    arg = std::string(text_.substr(start, pos_ - start));
                    ++pos_;
                    return true;
                }
            }
            ++pos_;
        }
        return Fail("Missing closing quote");
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

}  // namespace

MacroParse ParseMacros(std::string_view text) {
    return Parser(text).Run();
}

FileAndWindow SplitFileAndWindow(std::string_view text) {
    FileAndWindow out;
    const std::size_t gt = text.find('>');
    out.file = std::string(text.substr(0, gt));
    if (gt != std::string_view::npos) {
        out.window = std::string(text.substr(gt + 1));
    }
    return out;
}

std::string UnsupportedMacroMessage(std::string_view name) {
    return "The macro " + std::string(name) + " is not supported";
}

}  // namespace scrivlet::help
