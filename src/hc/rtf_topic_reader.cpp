#include "hc/rtf_topic_reader.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "core/rtf/rtf_tokenizer.h"
#include "core/util/convert.h"
#include "core/util/cp1252.h"
#include "hc/embedded_metafile.h"
#include "hc/embedded_picture.h"
#include "hc/topic_file_tables.h"

namespace scrivlet::hc {
namespace {

using rtf::Token;
using rtf::TokenKind;

// Deeper groups than this are read as if they were at this depth; real topic
// files stay far below it, and it bounds the memory a hostile file can claim.
constexpr std::size_t kMaxDepth = 200;

enum class Destination { Body, Skip, FontTable, ColorTable, Footnote, Picture };

struct GroupState {
    Destination destination = Destination::Body;
    CharFormat chars;
    bool hidden = false;
    ParagraphFormat paragraph;
    bool fresh = true;     // no token read in the group yet
    bool starred = false;  // the group began with "\*": skipped unless a footnote
};

// More columns than a table row can have in a help file are ignored.
constexpr std::size_t kMaxColumns = 64;

// Groups whose content is not topic text.
constexpr std::array<std::string_view, 25> kSkippedDestinations{"nonshppict",
                                                                "stylesheet",
                                                                "info",
                                                                "header",
                                                                "headerl",
                                                                "headerr",
                                                                "headerf",
                                                                "footer",
                                                                "footerl",
                                                                "footerr",
                                                                "footerf",
                                                                "object",
                                                                "xe",
                                                                "tc",
                                                                "listtable",
                                                                "listoverridetable",
                                                                "rsidtbl",
                                                                "fldinst",
                                                                "pn",
                                                                "themedata",
                                                                "colorschememapping",
                                                                "latentstyles",
                                                                "datastore",
                                                                "revtbl",
                                                                "filetbl"};

// The paragraph border a control word starts, or 0.
unsigned BorderSide(std::string_view word) {
    if (word == "box")
        return BorderBox;
    if (word == "brdrt")
        return BorderTop;
    if (word == "brdrl")
        return BorderLeft;
    if (word == "brdrb")
        return BorderBottom;
    if (word == "brdrr")
        return BorderRight;
    return 0;
}

// Control words that stand for one Windows-1252 character.
char SymbolByte(std::string_view word) {
    static const std::array<std::pair<std::string_view, char>, 11> symbols{{
        {"lquote", '\x91'},
        {"rquote", '\x92'},
        {"ldblquote", '\x93'},
        {"rdblquote", '\x94'},
        {"bullet", '\x95'},
        {"endash", '\x96'},
        {"emdash", '\x97'},
        {"emspace", ' '},
        {"enspace", ' '},
        {"qmspace", ' '},
        {"zwj", 0},
    }};
    for (const auto& [name, byte] : symbols) {
        if (word == name) {
            return byte;
        }
    }
    return 0;
}

class TopicFileReader {
public:
    TopicFileReader(std::string_view bytes, const std::string& fileName, HelpFile& help, Log& log,
                    const BitmapFinder& findBitmap)
        : bytes_(bytes),
          fileName_(fileName),
          log_(log),
          builder_(fileName, help, log, findBitmap),
          tokens_(bytes),
          tables_(help) {}

    void KeepPacked() { builder_.KeepPacked(); }

    void Read() {
        Token first = tokens_.Next();
        Token second = tokens_.Next();
        if (first.kind != TokenKind::kGroupStart || !second.IsWord("rtf")) {
            log_.Report(Code::NotRtf, {fileName_, 1, 0, {}},
                        "The file is not an RTF file: it does not begin with \"{\\rtf\".");
            return;
        }
        stack_.push_back(GroupState{});
        stack_.back().fresh = false;
        bool ended = false;
        for (Token token = tokens_.Next(); token.kind != TokenKind::kEnd; token = tokens_.Next()) {
            if (ended) {
                if (token.kind != TokenKind::kText ||
                    token.text.find_first_not_of(" \t") != std::string_view::npos) {
                    log_.Report(Code::TextAfterEnd, {fileName_, LineOf(token.offset), 0, {}},
                                "Text after the end of the RTF document is ignored.");
                    break;
                }
                continue;
            }
            if (token.kind == TokenKind::kGroupEnd && tokens_.Depth() == 0) {
                FinishGroup();
                ended = true;
                continue;
            }
            Dispatch(token);
        }
        tables_.FinishFontTable();
        builder_.EndFootnote();
        builder_.EndTopic(Current().paragraph, Current().chars);
        if (tokens_.Depth() > 0) {
            log_.Report(Code::UnexpectedEnd, {fileName_, LineOf(bytes_.size()), 0, {}},
                        "The file ends inside a group: " + std::to_string(tokens_.Depth()) +
                            " closing brace(s) are missing.");
        } else if (tokens_.HasError()) {
            log_.Report(Code::RtfFault, {fileName_, 0, 0, {}},
                        "The RTF is not well formed: " + tokens_.Error() + ".");
        }
    }

private:
    GroupState& Current() { return stack_.back(); }

    int LineOf(std::size_t offset) {
        offset = std::min(offset, bytes_.size());
        if (offset < lineOffset_) {
            lineOffset_ = 0;
            line_ = 1;
        }
        for (; lineOffset_ < offset; ++lineOffset_) {
            const char c = bytes_[lineOffset_];
            if (c == '\n' || (c == '\r' && (lineOffset_ + 1 >= bytes_.size() ||
                                            bytes_[lineOffset_ + 1] != '\n'))) {
                ++line_;
            }
        }
        return line_;
    }

    // Called before every token that adds to the topic text.
    void EnsureTopic(const Token& token) {
        if (!builder_.InTopic()) {
            builder_.StartTopic(LineOf(token.offset));
        }
    }

    void Dispatch(const Token& token) {
        switch (token.kind) {
            case TokenKind::kGroupStart:
                OpenGroup();
                return;
            case TokenKind::kGroupEnd:
                FinishGroup();
                return;
            default:
                break;
        }
        GroupState& state = Current();
        const bool fresh = state.fresh;
        state.fresh = false;
        if (state.starred) {
            // "{\*\footnote ...}", as some word processors write it, is a
            // footnote like any other; every other starred group is skipped.
            state.starred = false;
            if (token.IsWord("footnote")) {
                ControlWord(token, true);
            } else if (token.IsWord("shppict")) {
                // The picture as newer word processors draw it; the copy for
                // older ones ("\nonshppict") that follows is skipped.
            } else {
                state.destination = Destination::Skip;
            }
            return;
        }
        switch (state.destination) {
            case Destination::Skip:
                return;
            case Destination::FontTable:
                // "{\*\panose ...}" and the like inside a font entry
                if (token.IsSymbol('*') && fresh && stack_.size() > 1) {
                    state.destination = Destination::Skip;
                    return;
                }
                tables_.FontTableToken(token);
                return;
            case Destination::ColorTable:
                tables_.ColorTableToken(token);
                return;
            case Destination::Picture:
                PictureToken(token, fresh);
                return;
            case Destination::Body:
            case Destination::Footnote:
                break;
        }
        switch (token.kind) {
            case TokenKind::kControlWord:
                ControlWord(token, fresh);
                break;
            case TokenKind::kControlSymbol:
                ControlSymbol(token, fresh);
                break;
            case TokenKind::kText:
                EmitText(token, token.text);
                break;
            case TokenKind::kHexByte: {
                const char byte = static_cast<char>(token.byte);
                EmitText(token, std::string_view(&byte, 1));
                break;
            }
            case TokenKind::kUnicode: {
                // A pair of surrogates stands for one character: one "?".
                if (token.codeUnit >= 0xDC00 && token.codeUnit <= 0xDFFF) {
                    break;
                }
                unsigned char byte = '?';
                if (!UnicodeToCp1252(token.codeUnit, byte)) {
                    byte = '?';
                }
                const char c = static_cast<char>(byte);
                EmitText(token, std::string_view(&c, 1));
                break;
            }
            default:
                break;
        }
    }

    void OpenGroup() {
        if (stack_.size() >= kMaxDepth) {
            ++overflow_;
            if (!depthReported_) {
                depthReported_ = true;
                log_.Report(Code::NestedTooDeep, {fileName_, 0, 0, {}},
                            "RTF groups are nested more than " + std::to_string(kMaxDepth) +
                                " deep; the deeper groups are read as part of their parent.");
            }
            return;
        }
        GroupState state = Current();
        state.fresh = true;
        state.starred = false;
        stack_.push_back(std::move(state));
    }

    void FinishGroup() {
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.size() <= 1) {
            return;
        }
        const GroupState closed = std::move(stack_.back());
        stack_.pop_back();
        if (closed.destination == Destination::FontTable &&
            Current().destination != Destination::FontTable) {
            tables_.FinishFontTable();
        }
        if (closed.destination == Destination::Picture &&
            Current().destination != Destination::Picture) {
            FinishPicture(closed.chars);
        }
        if (closed.destination == Destination::Footnote) {
            if (Current().destination != Destination::Footnote) {
                builder_.EndFootnote();
            } else {
                builder_.FootnoteGroupEnded();
            }
        }
    }

    void PictureToken(const Token& token, bool fresh) {
        if (token.IsSymbol('*') && fresh) {
            Current().destination = Destination::Skip;  // {\*\picprop ...} and the like
            return;
        }
        using Form = EmbeddedPicture::Form;
        const std::string_view word = token.text;
        switch (token.kind) {
            case TokenKind::kText:
                picture_.AddHex(word);
                return;
            case TokenKind::kBinary:
                picture_.data.append(word);
                return;
            case TokenKind::kControlWord:
                break;
            default:
                return;
        }
        if (word == "dibitmap") {
            picture_.form = Form::Dib;
        } else if (word == "wbitmap") {
            picture_.form = Form::Ddb;
        } else if (word == "wmetafile") {
            picture_.form = Form::Metafile;
            picture_.mappingMode = token.hasParam ? token.param : 1;
        } else if (word == "picwgoal") {
            picture_.widthGoal = token.param;
        } else if (word == "pichgoal") {
            picture_.heightGoal = token.param;
        } else if (word == "emfblip") {
            picture_.form = Form::Enhanced;
        } else if (word == "pngblip") {
            picture_.form = Form::Png;
        } else if (word == "jpegblip") {
            picture_.form = Form::Jpeg;
        } else if (word == "picw") {
            picture_.width = token.param;
        } else if (word == "pich") {
            picture_.height = token.param;
        } else if (word == "wbmbitspixel") {
            picture_.bitsPerPixel = token.param;
        } else if (word == "wbmwidthbytes") {
            picture_.widthBytes = token.param;
        }
    }

    // A bitmap or a metafile goes into the help file as a picture; what
    // cannot is left out with a warning, and the text goes on.
    void FinishPicture(const CharFormat& format) {
        std::string why;
        std::string bmp = picture_.form == EmbeddedPicture::Form::Metafile
                              ? EmbeddedMetafileAsPicture(picture_, &why)
                              : EmbeddedPictureAsBmp(picture_, &why);
        picture_ = EmbeddedPicture{};
        const std::string where = fileName_ + ", line " + std::to_string(pictureLine_);
        if (bmp.empty()) {
            log_.Report(Code::EmbeddedPicture, builder_.Here(),
                        "The picture embedded at line " + std::to_string(pictureLine_) + " is " +
                            why +
                            ", which this compiler cannot store; it is left out. Save it as a "
                            "bitmap and use {bmc file.bmp}.");
            return;
        }
        builder_.EmbeddedBitmap(std::move(bmp), where, format);
    }

    void EmitText(const Token& token, std::string_view bytes) {
        GroupState& state = Current();
        if (state.destination == Destination::Footnote) {
            builder_.FootnoteText(bytes);
            return;
        }
        EnsureTopic(token);
        builder_.Text(bytes, state.chars, state.hidden);
    }

    void ControlSymbol(const Token& token, bool fresh) {
        const char c = token.text.empty() ? 0 : token.text[0];
        switch (c) {
            case '*':
                if (fresh) {
                    Current().starred = true;
                }
                return;
            case '{':
            case '}':
            case '\\':
                EmitText(token, token.text);
                return;
            case '~':
                EmitText(token, "\xA0");
                return;
            case '_':
                EmitText(token, "-");
                return;
            case '-':
                return;  // optional hyphen
            default:
                return;
        }
    }

    int MapFont(int number, const Token& token) {
        if (const std::optional<int> font = tables_.FindFont(number)) {
            return *font;
        }
        if (tables_.FontTableRead() && reportedFonts_.insert_or_assign(number, true).second) {
            log_.Report(Code::UnknownFont, {fileName_, LineOf(token.offset), 0, {}},
                        "The font \\f" + std::to_string(number) +
                            " is not in the font table; the default font is used.");
        }
        return tables_.DefaultFont();
    }

    void ControlWord(const Token& token, bool fresh) {
        GroupState& state = Current();
        const std::string_view word = token.text;
        const int32_t param = token.param;
        const bool on = !token.hasParam || param != 0;
        if (fresh) {
            if (word == "fonttbl") {
                state.destination = Destination::FontTable;
                return;
            }
            if (word == "colortbl") {
                state.destination = Destination::ColorTable;
                tables_.StartColorTable();
                return;
            }
            if (word == "footnote") {
                if (state.destination == Destination::Footnote) {
                    state.destination = Destination::Skip;
                    return;
                }
                EnsureTopic(token);
                state.destination = Destination::Footnote;
                builder_.BeginFootnote();
                return;
            }
            if (word == "pict") {
                if (state.destination == Destination::Footnote) {
                    state.destination = Destination::Skip;
                    return;
                }
                EnsureTopic(token);
                state.destination = Destination::Picture;
                picture_ = EmbeddedPicture{};
                pictureLine_ = LineOf(token.offset);
                return;
            }
            if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
                kSkippedDestinations.end()) {
                state.destination = Destination::Skip;
                return;
            }
        }
        CharFormat& chars = state.chars;
        ParagraphFormat& para = state.paragraph;
        if (word == "deff") {
            tables_.SetDefaultFont(param);
        } else if (word == "plain") {
            chars = CharFormat{};
            chars.font = tables_.DefaultFont();
            state.hidden = false;
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (word == "ul" || word == "uld" || word == "ulw" || word == "uldash" ||
                   word == "ulth" || word == "ulwave") {
            // Dotted, word and other single underlines make pop-up hotspots
            // as the plain one does.
            chars.underline = on;
            if (!on) {
                chars.doubleUnderline = false;
            }
        } else if (word == "ulnone") {
            chars.underline = false;
            chars.doubleUnderline = false;
        } else if (word == "uldb") {
            chars.doubleUnderline = on;
        } else if (word == "strike") {
            chars.strike = on;
        } else if (word == "v") {
            state.hidden = on;
        } else if (word == "scaps") {
            chars.smallCaps = on;
        } else if (word == "f") {
            chars.font = MapFont(param, token);
        } else if (word == "fs") {
            chars.halfPoints = std::clamp(param, 1, 3276);
        } else if (word == "cf") {
            chars.color = tables_.MapColor(param);
        } else if (word == "super" || word == "up") {
            chars.baseline = 1;
        } else if (word == "sub" || word == "dn") {
            chars.baseline = -1;
        } else if (word == "nosupersub") {
            chars.baseline = 0;
        } else if (word == "pard") {
            para = ParagraphFormat{};
            pendingTab_ = TabKind::Left;
        } else if (word == "ql") {
            para.alignment = Alignment::Left;
        } else if (word == "qc") {
            para.alignment = Alignment::Center;
        } else if (word == "qr") {
            para.alignment = Alignment::Right;
        } else if (word == "qj") {
            para.alignment = Alignment::Justify;
        } else if (word == "li") {
            para.leftIndent = param;
        } else if (word == "ri") {
            para.rightIndent = param;
        } else if (word == "fi") {
            para.firstIndent = param;
        } else if (word == "sb") {
            para.spaceBefore = param;
        } else if (word == "sa") {
            para.spaceAfter = param;
        } else if (word == "sl") {
            para.lineSpacing = param;
        } else if (word == "keepn") {
            para.keepNext = on;
        } else if (word == "keep") {
            para.noWrap = on;
        } else if (const unsigned side = BorderSide(word); side != 0) {
            para.borders |= side;
        } else if (word == "brdrth" || word == "brdrdb" || word == "brdrs" || word == "brdrw") {
            // Border styles follow the side they belong to; those of table
            // cells (\clbrdrt...) have no paragraph side before them.
            if ((para.borders & kBorderSides) != 0) {
                if (word == "brdrth") {
                    para.borders = (para.borders & ~BorderDouble) | BorderThick;
                } else if (word == "brdrdb") {
                    para.borders = (para.borders & ~BorderThick) | BorderDouble;
                } else if (word == "brdrs") {
                    para.borders &= ~(BorderThick | BorderDouble);
                } else {
                    para.borderWidth = std::clamp(param, 0, 1000);
                }
            }
        } else if (word == "intbl") {
            para.inTable = true;
        } else if (word == "tqr") {
            pendingTab_ = TabKind::Right;
        } else if (word == "tqc") {
            pendingTab_ = TabKind::Center;
        } else if (word == "tqdec") {
            pendingTab_ = TabKind::Decimal;
        } else if (word == "tx") {
            if (para.tabs.size() < 64) {
                para.tabs.push_back({param, pendingTab_});
            }
            pendingTab_ = TabKind::Left;
        } else if (word == "trowd") {
            row_ = ParagraphFormat{};
        } else if (word == "trgaph") {
            row_.rowGap = std::clamp(param, 0, 0x7FFF);
        } else if (word == "trleft") {
            row_.rowLeft = std::clamp(param, -0x7FFF, 0x7FFF);
        } else if (word == "cellx") {
            if (row_.cellEdges.size() < kMaxColumns) {
                row_.cellEdges.push_back(std::clamp(param, -0x7FFF, 0x7FFF));
            }
        } else if ((word == "cell" || word == "row") && para.inTable &&
                   state.destination != Destination::Footnote) {
            EnsureTopic(token);
            ParagraphFormat end = para;
            end.cellEnd = true;
            if (word == "cell") {
                builder_.EndParagraph(end, chars);
            } else {
                end.rowEnd = true;
                end.cellEdges = row_.cellEdges;
                end.rowGap = row_.rowGap;
                end.rowLeft = row_.rowLeft;
                builder_.EndRow(end, chars);
            }
        } else if (word == "par" || word == "row") {
            if (state.destination == Destination::Footnote) {
                return;
            }
            EnsureTopic(token);
            builder_.EndParagraph(para, chars);
        } else if (word == "page") {
            if (state.destination == Destination::Footnote) {
                return;
            }
            EnsureTopic(token);
            builder_.EndTopic(para, chars);
        } else if (word == "tab" || word == "cell") {
            if (state.destination == Destination::Footnote) {
                builder_.FootnoteText(" ");
                return;
            }
            EnsureTopic(token);
            builder_.Tab(chars, state.hidden);
        } else if (word == "line") {
            if (state.destination == Destination::Footnote) {
                builder_.FootnoteText(" ");
                return;
            }
            EnsureTopic(token);
            builder_.LineBreak(chars, state.hidden);
        } else if (const char byte = SymbolByte(word); byte != 0) {
            EmitText(token, std::string_view(&byte, 1));
        }
    }

    std::string_view bytes_;
    const std::string& fileName_;
    Log& log_;
    TopicBuilder builder_;
    rtf::Tokenizer tokens_;
    std::vector<GroupState> stack_;
    std::size_t overflow_ = 0;
    bool depthReported_ = false;

    std::size_t lineOffset_ = 0;
    int line_ = 1;

    TopicFileTables tables_;
    std::unordered_map<int, bool> reportedFonts_;

    EmbeddedPicture picture_;
    int pictureLine_ = 0;

    TabKind pendingTab_ = TabKind::Left;
    ParagraphFormat row_;  // the table row being defined: its edges, gap and left edge
};

}  // namespace

void ReadTopicFile(std::string_view bytes, const std::string& fileName, HelpFile& help, Log& log,
                   const BitmapFinder& findBitmap, bool pack) {
    // A topic per page break, at most: room for them all at once spares the
    // copies (and the doubled room) of a growing list of large topics.
    std::size_t pages = 1;
    for (std::size_t at = bytes.find("\\page"); at != std::string_view::npos;
         at = bytes.find("\\page", at + 5)) {
        ++pages;
    }
    help.topics.reserve(help.topics.size() + pages);
    TopicFileReader reader(bytes, fileName, help, log, findBitmap);
    if (pack) {
        reader.KeepPacked();
    }
    reader.Read();
}

}  // namespace scrivlet::hc
