#include "app/errorlog/terrorbox.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace scrivlet::app {

TErrorBox::TErrorBox(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      memo_(new QPlainTextEdit(this)) {
    setObjectName("ErrorBox");
    setWindowTitle("Error Log");
    resize(435, 210);

    memo_->setObjectName("Memo");
    memo_->viewport()->installEventFilter(this);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // No edit menu on a right click.
    memo_->setContextMenuPolicy(Qt::NoContextMenu);
    // A plain fixed font, 13 pixels, on the button face.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(13);
    memo_->setFont(font);
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, palette.color(QPalette::ButtonText));
    memo_->setPalette(palette);
    memo_->setPlainText("No message");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
}

QStringList TErrorBox::Lines() const {
    const QString text = memo_->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

void TErrorBox::Clear() {
    memo_->clear();
    memo_->viewport()->repaint();
}

void TErrorBox::AddLine(const QString& line) {
    // The build runs off the window's thread, so the event loop paints the
    // line; a repaint per line would cost a build with many warnings dearly.
    memo_->appendPlainText(line);
}

void TErrorBox::MoveToTopEdge() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int top = screen ? screen->availableGeometry().top() : 0;
    move(x(), top);
}

void TErrorBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit visibilityChanged(true);
}

void TErrorBox::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit visibilityChanged(false);
}

bool TErrorBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QTextCursor cursor = memo_->cursorForPosition(mouse->position().toPoint());
        emit lineActivated(cursor.block().text());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace scrivlet::app
