#include "rtf/rtf_reader.h"

#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

#include "core/rtf/rtf_tokenizer.h"
#include "core/util/cp1252.h"
#include "rtf/paragraph_format.h"
#include "rtf/rtf_document_builder.h"
#include "rtf/rtf_reader_state.h"

namespace scrivlet {

namespace {

using rtf::Token;
using rtf::TokenKind;
using namespace rtfread;

// Deeper groups are read with the state of the deepest one kept: no RTF
// program nests anywhere near this, and the cap bounds the reader's memory.
constexpr std::size_t kMaxGroupDepth = 1000;

// Indents beyond 22 inches (the widest RTF page) are cut there.
constexpr int kMaxIndentTwips = 31680;

int ClampIndent(int twips) {
    return std::clamp(twips, -kMaxIndentTwips, kMaxIndentTwips);
}

bool IsWhitespaceOnly(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

class RtfReader {
public:
    RtfReader(std::string_view bytes, QTextDocument& doc)
        : bytes_(bytes), doc_(doc), tokens_(bytes), builder_(doc, fonts_, colours_) {}

    RtfReadResult Read() {
        stack_.emplace_back();
        ReadHeader();
        for (;;) {
            Token token = tokens_.Next();
            if (token.kind == TokenKind::kEnd) {
                break;
            }
            if (!Handle(token)) {
                CheckTrailingBytes();
                break;
            }
        }
        builder_.Finish(Top().para, Top().chars);
        doc_.setDefaultTextOption(TabOption());

        RtfReadResult result;
        if (error_.empty()) {
            error_ = tokens_.Error();
        }
        if (!error_.empty()) {
            result.ok = false;
            result.error = error_;
        }
        return result;
    }

private:
    GroupState& Top() { return stack_.back(); }

    void Fail(std::string message, std::size_t offset) {
        if (error_.empty()) {
            error_ = std::move(message) + " at byte " + std::to_string(offset);
        }
    }

    // Checks for "{\rtf"; other input is still read, as plain text, so the
    // author loses nothing.
    void ReadHeader() {
        rtf::Tokenizer probe(bytes_);
        Token first = probe.Next();
        Token second = probe.Next();
        if (first.kind != TokenKind::kGroupStart || !second.IsWord("rtf")) {
            Fail("not an RTF document: it does not start with \"{\\rtf\"", first.offset);
        }
    }

    // Programs pad files with blanks, line breaks or a NUL after the last
    // brace; anything else there is not part of the document.
    void CheckTrailingBytes() {
        std::string_view rest = bytes_.substr(tokens_.Position());
        std::size_t at = rest.find_first_not_of(std::string_view(" \t\r\n\0", 5));
        if (at != std::string_view::npos) {
            Fail("text after the end of the document", tokens_.Position() + at);
        }
    }

    QTextOption TabOption() const {
        QTextOption option = doc_.defaultTextOption();
        option.setTabStopDistance(TwipsToPixels(defaultTab_));
        return option;
    }

    // Returns false once the document's outermost group has closed.
    bool Handle(const Token& token) {
        switch (token.kind) {
            case TokenKind::kGroupStart:
                if (stack_.size() > kMaxGroupDepth) {
                    ++overflow_;
                    if (overflow_ == 1) {
                        Fail("groups nested deeper than " + std::to_string(kMaxGroupDepth) +
                                 " levels",
                             token.offset);
                    }
                } else {
                    GroupState copy = Top();
                    stack_.push_back(copy);
                }
                groupStart_ = true;
                starred_ = false;
                return true;
            case TokenKind::kGroupEnd:
                EndGroup();
                return tokens_.Depth() > 0;
            default:
                break;
        }
        bool atGroupStart = groupStart_;
        bool starred = starred_;
        groupStart_ = false;
        starred_ = false;

        if (Top().destination == Destination::kSkip) {
            return true;
        }
        if (token.IsSymbol('*')) {
            groupStart_ = atGroupStart;
            starred_ = true;
            return true;
        }
        if (token.kind == TokenKind::kControlWord && (atGroupStart || starred)) {
            if (StartDestination(token, starred)) {
                return true;
            }
        }
        switch (Top().destination) {
            case Destination::kFontTable:
                HandleFontTable(token);
                break;
            case Destination::kColourTable:
                HandleColourTable(token);
                break;
            default:
                HandleBody(token);
                break;
        }
        return true;
    }

    // A group's first word (or the word after "\*") may make the group a
    // destination. Returns true when it did.
    bool StartDestination(const Token& token, bool starred) {
        switch (ClassifyDestination(token.text)) {
            case DestinationKind::kFontTable:
                Top().destination = Destination::kFontTable;
                return true;
            case DestinationKind::kColourTable:
                Top().destination = Destination::kColourTable;
                return true;
            case DestinationKind::kBullet:
                // "{\*\pn ...}" sets numbering on the paragraph it stands in.
                if (stack_.size() >= 2 && overflow_ == 0) {
                    stack_[stack_.size() - 2].para.bullet = true;
                }
                Top().destination = Destination::kSkip;
                return true;
            case DestinationKind::kSkip:
                Top().destination = Destination::kSkip;
                return true;
            case DestinationKind::kNone:
                if (starred) {
                    Top().destination = Destination::kSkip;
                    return true;
                }
                return false;
        }
        return false;
    }

    void EndGroup() {
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.size() <= 1) {
            return;
        }
        Destination ending = Top().destination;
        if (ending == Destination::kFontTable) {
            fonts_.End();
        }
        stack_.pop_back();
        if (ending == Destination::kFontTable && Top().destination != Destination::kFontTable) {
            builder_.SetDefaultFont(defaultFont_);
        }
    }

    void HandleFontTable(const Token& token) {
        switch (token.kind) {
            case TokenKind::kControlWord:
                if (token.text == "f" && token.hasParam) {
                    fonts_.Begin(token.param);
                } else if (std::optional<QFont::StyleHint> hint = FamilyHint(token.text)) {
                    fonts_.SetHint(*hint);
                }
                break;
            case TokenKind::kText:
                for (char c : token.text) {
                    if (c == ';') {
                        fonts_.End();
                    } else {
                        fonts_.AppendName(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))));
                    }
                }
                break;
            case TokenKind::kHexByte:
                fonts_.AppendName(QChar(Cp1252ToUnicode(token.byte)));
                break;
            case TokenKind::kUnicode:
                fonts_.AppendName(QChar(token.codeUnit));
                break;
            default:
                break;
        }
    }

    void HandleColourTable(const Token& token) {
        if (token.kind == TokenKind::kControlWord && token.hasParam) {
            if (token.text == "red") {
                colours_.SetRed(token.param);
            } else if (token.text == "green") {
                colours_.SetGreen(token.param);
            } else if (token.text == "blue") {
                colours_.SetBlue(token.param);
            }
        } else if (token.kind == TokenKind::kText) {
            for (char c : token.text) {
                if (c == ';') {
                    colours_.EndEntry();
                }
            }
        }
    }

    void AppendByte(unsigned char byte, std::size_t offset) {
        if (byte == 0 && !nulReported_) {
            nulReported_ = true;
            Fail("NUL byte in the text", offset);
        }
        if (byte < 0x20 && byte != '\t') {
            return;
        }
        builder_.AppendChar(QChar(Cp1252ToUnicode(byte)), Top().chars);
    }

    void HandleBody(const Token& token) {
        switch (token.kind) {
            case TokenKind::kText: {
                // Runs of plain ASCII go in whole; the rest byte by byte.
                std::size_t start = 0;
                const std::string_view text = token.text;
                for (std::size_t i = 0; i <= text.size(); ++i) {
                    unsigned char byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
                    bool plain = i < text.size() && byte >= 0x20 && byte < 0x80;
                    if (plain) {
                        continue;
                    }
                    if (i > start) {
                        builder_.AppendText(QString::fromLatin1(text.data() + start,
                                                                static_cast<qsizetype>(i - start)),
                                            Top().chars);
                    }
                    if (i < text.size()) {
                        AppendByte(byte, token.offset + i);
                    }
                    start = i + 1;
                }
                break;
            }
            case TokenKind::kHexByte:
                AppendByte(token.byte, token.offset);
                break;
            case TokenKind::kUnicode:
                if (token.codeUnit >= 0x20) {
                    builder_.AppendChar(QChar(token.codeUnit), Top().chars);
                } else if (token.codeUnit == u'\t') {
                    builder_.AppendChar(QChar(u'\t'), Top().chars);
                }
                break;
            case TokenKind::kControlSymbol:
                HandleSymbol(token.text[0]);
                break;
            case TokenKind::kControlWord:
                HandleWord(token);
                break;
            default:
                break;
        }
    }

    void HandleSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                builder_.AppendChar(QChar(c), Top().chars);
                break;
            case '~':
                builder_.AppendChar(QChar(0x00A0), Top().chars);
                break;
            case '-':
                builder_.AppendChar(QChar(0x00AD), Top().chars);
                break;
            case '_':
                builder_.AppendChar(QChar(0x2011), Top().chars);
                break;
            case '\t':
                builder_.AppendChar(QChar(u'\t'), Top().chars);
                break;
            default:
                break;
        }
    }

    void HandleWord(const Token& token) {
        const std::string_view word = token.text;
        const int param = token.param;
        const bool on = !token.hasParam || param != 0;
        CharState& chars = Top().chars;
        ParaState& para = Top().para;

        if (word == "par" || word == "sect" || word == "page" || word == "row") {
            builder_.EndParagraph(para, chars);
        } else if (char16_t c = SpecialCharacter(word)) {
            builder_.AppendChar(QChar(c), chars);
        } else if (word == "cell") {
            builder_.AppendChar(QChar(u'\t'), chars);
        } else if (word == "plain") {
            chars = CharState{};
        } else if (word == "f") {
            chars.font = token.hasParam ? param : -1;
        } else if (word == "fs") {
            chars.halfPoints = token.hasParam ? std::clamp(param, 2, 3276) : kDefaultHalfPoints;
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (word == "ulnone") {
            chars.underline = false;
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
                   word == "uldash" || word == "uldashd" || word == "uldashdd" || word == "ulth" ||
                   word == "ulwave" || word == "ulhwave" || word == "ulldash" || word == "ulthd" ||
                   word == "ulthdash" || word == "ululdbwave") {
            chars.underline = on;
        } else if (word == "strike" || word == "striked") {
            chars.strike = on;
        } else if (word == "cf") {
            chars.colour = token.hasParam ? param : 0;
        } else if (word == "pard") {
            para = ParaState{};
        } else if (word == "ql") {
            para.align = Qt::AlignLeft;
        } else if (word == "qr") {
            para.align = Qt::AlignRight;
        } else if (word == "qc") {
            para.align = Qt::AlignHCenter;
        } else if (word == "qj" || word == "qd") {
            para.align = Qt::AlignJustify;
        } else if (word == "fi") {
            para.firstIndent = ClampIndent(param);
        } else if (word == "li") {
            para.leftIndent = ClampIndent(param);
        } else if (word == "ri") {
            para.rightIndent = ClampIndent(param);
        } else if (word == "ls") {
            para.bullet = token.hasParam && param > 0;
        } else if (word == "deff") {
            defaultFont_ = param;
            builder_.SetDefaultFont(param);
        } else if (word == "deftab") {
            if (token.hasParam && param > 0) {
                defaultTab_ = std::min(param, kMaxIndentTwips);
            }
        }
    }

    std::string_view bytes_;
    QTextDocument& doc_;
    rtf::Tokenizer tokens_;
    FontTable fonts_;
    ColourTable colours_;
    DocumentBuilder builder_;
    std::vector<GroupState> stack_;
    std::size_t overflow_ = 0;
    bool groupStart_ = false;
    bool starred_ = false;
    bool nulReported_ = false;
    int defaultFont_ = 0;
    int defaultTab_ = 720;
    std::string error_;
};

}  // namespace

RtfReadResult ReadRtf(std::string_view bytes, QTextDocument& doc) {
    // Some editors save RTF with a UTF-8 byte order mark in front.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    RtfReadResult result;
    if (!IsWhitespaceOnly(bytes)) {
        result = RtfReader(bytes, doc).Read();
    }
    doc.setUndoRedoEnabled(undo);
    return result;
}

RtfReadResult ReadTopicText(const std::vector<std::string>& lines, QTextDocument& doc) {
    std::string joined;
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    joined.reserve(size);
    for (const std::string& line : lines) {
        joined += line;
        joined += "\r\n";
    }
    return ReadRtf(joined, doc);
}

}  // namespace scrivlet
