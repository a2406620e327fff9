#include "app/viewer/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextCursor>
#include <QToolButton>

#include "app/viewer/topic_view.h"

namespace scrivlet::app {

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName("FindBar");
    edit_ = new QLineEdit(this);
    edit_->setObjectName("FindText");
    auto* next = new QToolButton(this);
    next->setText("Next");
    auto* previous = new QToolButton(this);
    previous->setText("Previous");
    auto* done = new QToolButton(this);
    done->setText("Close");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel("Find:", this));
    layout->addWidget(edit_, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(done);
    connect(edit_, &QLineEdit::returnPressed, this, [this] { FindNext(false); });
    connect(next, &QToolButton::clicked, this, [this] { FindNext(false); });
    connect(previous, &QToolButton::clicked, this, [this] { FindNext(true); });
    connect(done, &QToolButton::clicked, this, &QWidget::hide);
}

void FindBar::SetViews(TopicView* scrolling, TopicView* fixed) {
    scrolling_ = scrolling;
    fixed_ = fixed;
}

void FindBar::Start() {
    show();
    edit_->setFocus();
    edit_->selectAll();
}

QString FindBar::NotFoundMessage(const QString& text) {
    return QStringLiteral("\"%1\" is not in this topic.").arg(text);
}

bool FindBar::FindNext(bool backwards) {
    const QString text = edit_->text();
    if (text.isEmpty() || !scrolling_) {
        return false;
    }
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    for (TopicView* view : {scrolling_, fixed_}) {
        if (!view || view->isHidden()) {
            continue;
        }
        if (view->find(text, flags)) {
            return true;
        }
        // Wrap around once.
        QTextCursor start(view->document());
        start.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        view->setTextCursor(start);
        if (view->find(text, flags)) {
            return true;
        }
    }
    emit notFound(text);
    return false;
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        FindNext(true);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace scrivlet::app
