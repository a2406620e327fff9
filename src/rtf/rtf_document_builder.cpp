#include "rtf/rtf_document_builder.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include "rtf/paragraph_format.h"

namespace scrivlet::rtfread {

namespace {

// A long run of formats that never repeat must not make the cache a cost.
constexpr std::size_t kFormatCacheSize = 64;

}  // namespace

DocumentBuilder::DocumentBuilder(QTextDocument& doc, const FontTable& fonts,
                                 const ColourTable& colours)
    : doc_(doc), fonts_(fonts), colours_(colours), cursor_(&doc) {
    // One edit block for the whole read: the document then tells its layout
    // about the change once instead of after every run.
    cursor_.beginEditBlock();
}

DocumentBuilder::~DocumentBuilder() {
    cursor_.endEditBlock();
}

QTextCharFormat DocumentBuilder::FormatFor(const CharState& chars) {
    for (const auto& [state, format] : formatCache_) {
        if (state == chars) {
            return format;
        }
    }
    QTextCharFormat format;
    const FontInfo* font = fonts_.Find(chars.font >= 0 ? chars.font : defaultFont_);
    if (font == nullptr && chars.font >= 0) {
        font = fonts_.Find(defaultFont_);
    }
    if (font != nullptr) {
        format.setFontFamilies({font->name});
        if (font->hint != QFont::AnyStyle) {
            format.setFontStyleHint(font->hint);
        }
    }
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    // Black is the default colour of topic text, so it is left unset: text
    // coloured black and text never coloured read back alike.
    std::optional<QRgb> colour = colours_.Find(chars.colour);
    if (colour && (*colour & 0xFFFFFFu) != 0) {
        format.setForeground(QColor(*colour));
    }
    if (formatCache_.size() >= kFormatCacheSize) {
        formatCache_.clear();
    }
    formatCache_.emplace_back(chars, format);
    return format;
}

void DocumentBuilder::OpenPendingBlock() {
    if (pendingBlock_) {
        cursor_.insertBlock(QTextBlockFormat(), QTextCharFormat());
        pendingBlock_ = false;
        blockHasContent_ = false;
    }
}

void DocumentBuilder::StartRun(const CharState& chars) {
    OpenPendingBlock();
    if (!run_.isEmpty() && !(chars == runState_)) {
        FlushRun();
    }
    runState_ = chars;
}

void DocumentBuilder::FlushRun() {
    if (run_.isEmpty()) {
        return;
    }
    cursor_.insertText(run_, FormatFor(runState_));
    run_.clear();
    blockHasContent_ = true;
}

void DocumentBuilder::AppendText(const QString& text, const CharState& chars) {
    if (text.isEmpty()) {
        return;
    }
    StartRun(chars);
    run_ += text;
}

void DocumentBuilder::AppendChar(QChar c, const CharState& chars) {
    StartRun(chars);
    run_ += c;
}

void DocumentBuilder::EndParagraph(const ParaState& para, const CharState& chars) {
    OpenPendingBlock();
    FlushRun();
    QTextBlockFormat format;
    format.setAlignment(para.align);
    format.setTextIndent(TwipsToPixels(para.firstIndent));
    format.setLeftMargin(TwipsToPixels(para.leftIndent));
    format.setRightMargin(TwipsToPixels(para.rightIndent));
    SetHangingIndentTab(format);
    cursor_.setBlockFormat(format);
    if (!blockHasContent_) {
        cursor_.setBlockCharFormat(FormatFor(chars));
    }
    if (para.bullet) {
        if (list_ != nullptr && previousBullet_) {
            list_->add(cursor_.block());
        } else {
            QTextListFormat listFormat;
            listFormat.setStyle(QTextListFormat::ListDisc);
            listFormat.setIndent(1);
            list_ = cursor_.createList(listFormat);
        }
    }
    previousBullet_ = para.bullet;
    pendingBlock_ = true;
}

void DocumentBuilder::Finish(const ParaState& para, const CharState& chars) {
    if (!run_.isEmpty() || (!pendingBlock_ && blockHasContent_)) {
        EndParagraph(para, chars);
    }
    pendingBlock_ = false;
}

}  // namespace scrivlet::rtfread
