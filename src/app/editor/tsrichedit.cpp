#include "app/editor/tsrichedit.h"

#include <QFont>
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

}  // namespace scrivlet::app
