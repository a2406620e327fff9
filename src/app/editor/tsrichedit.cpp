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

int TSRichEdit::RoomLeft() const {
    const QTextCursor cursor = textCursor();
    // The document counts one character past the text.
    const int used =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    return kTextLimit - used;
}

void TSRichEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool inserts =
        !text.isEmpty() && (text[0].isPrint() || text[0] == '\t' ||
                            event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    if (inserts && RoomLeft() < text.size()) {
        QApplication::beep();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TSRichEdit::insertFromMimeData(const QMimeData* source) {
    const int room = RoomLeft();
    if (!source->hasText()) {
        return;
    }
    QString text = source->text();
    if (text.size() > room) {
        // A paste that would pass the limit is cut to fit, as plain text.
        QApplication::beep();
        textCursor().insertText(text.left(std::max(0, room)));
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

}  // namespace scrivlet::app
