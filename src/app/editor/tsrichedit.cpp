#include "app/editor/tsrichedit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <climits>

#include "core/markup/code_before.h"

namespace scrivlet::app {

TSRichEdit::TSRichEdit(QWidget* parent) : QTextEdit(parent) {
    setObjectName("RichEdit1");
    QFont font("Arial");
    font.setPixelSize(15);
    setFont(font);
    document()->setDefaultFont(font);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    setAcceptRichText(true);
    // The selection stays visible when the editor loses the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (OnHScroll) {
            OnHScroll();
        }
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (OnVScroll) {
            OnVScroll();
        }
    });
    ApplyTextMargins();
}

int TSRichEdit::CaretLine() const {
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.selectionStart());
    return cursor.blockNumber();
}

int TSRichEdit::CaretColumn() const {
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.selectionStart());
    return cursor.positionInBlock();
}

void TSRichEdit::ApplyTextMargins() {
    setViewportMargins(6, 1, 6, 0);
}

void TSRichEdit::resizeEvent(QResizeEvent* event) {
    ApplyTextMargins();
    QTextEdit::resizeEvent(event);
}

void TSRichEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_) {
        popup_->exec(event->globalPos());
    } else {
        QTextEdit::contextMenuEvent(event);
    }
}

int TSRichEdit::Room() const {
    if (textLimit_ <= 0) {
        return INT_MAX;
    }
    const QTextCursor cursor = textCursor();
    // characterCount() counts the closing paragraph separator too.
    const int length = document()->characterCount() - 1;
    return textLimit_ - (length - (cursor.selectionEnd() - cursor.selectionStart()));
}

void TSRichEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typesText =
        !text.isEmpty() && (text.at(0).isPrint() || text == "\t" || text == "\r" || text == "\n");
    if (typesText && !isReadOnly() && Room() < text.size()) {
        event->accept();
        return;
    }
    if (typesText && !textCursor().hasSelection()) {
        TakeFormatBeforeCode();
    }
    QTextEdit::keyPressEvent(event);
}

void TSRichEdit::TakeFormatBeforeCode() {
    const QTextCursor caret = textCursor();
    const QTextBlock block = caret.block();
    const QString before = block.text().left(caret.positionInBlock());
    // Codes are ASCII, so the byte offsets of Latin-1 are character offsets.
    const auto code = MarkupCodeBefore(before.toLatin1().toStdString());
    if (!code) {
        return;
    }
    // Text typed after a code is the author's own text, not more code, and
    // not more of a link's hotspot: it takes the format of what stands
    // before the code (and before the hotspot).
    int start = block.position() + static_cast<int>(code->start);
    QTextCursor probe(document());
    auto isHotspot = [](const QTextCharFormat& format) {
        return format.fontStrikeOut() || format.fontUnderline();
    };
    probe.setPosition(start);
    while (code->link && start > block.position() && isHotspot(probe.charFormat())) {
        probe.setPosition(--start);
    }
    const QTextCharFormat format =
        start > block.position() ? probe.charFormat() : block.charFormat();
    setCurrentCharFormat(format);
}

void TSRichEdit::insertFromMimeData(const QMimeData* source) {
    if (textLimit_ > 0 && source->hasText()) {
        const int room = Room();
        if (room <= 0) {
            return;
        }
        if (source->text().size() > room) {
            // Only what fits goes in, as plain text.
            textCursor().insertText(source->text().left(room));
            return;
        }
    }
    QTextEdit::insertFromMimeData(source);
}

}  // namespace scrivlet::app
