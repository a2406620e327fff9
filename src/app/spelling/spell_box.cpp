#include "app/spelling/spell_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scrivlet::app {

TSpellBox::TSpellBox(QWidget* parent) : QDialog(parent) {
    setObjectName("SpellBox");
    setWindowTitle("Spell Check");
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Not in dictionary:", this), 0, 0);
    context_ = new QLabel(this);
    context_->setObjectName("Context");
    context_->setTextFormat(Qt::RichText);
    context_->setWordWrap(true);
    context_->setMinimumWidth(300);
    context_->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(context_, 1, 0);
    auto* changeLabel = new QLabel("Change &to:", this);
    grid->addWidget(changeLabel, 2, 0);
    changeTo_ = new QLineEdit(this);
    changeLabel->setBuddy(changeTo_);
    changeTo_->setObjectName("ChangeTo");
    grid->addWidget(changeTo_, 3, 0);
    auto* suggestLabel = new QLabel("Su&ggestions:", this);
    grid->addWidget(suggestLabel, 4, 0);
    suggestions_ = new QListWidget(this);
    suggestLabel->setBuddy(suggestions_);
    suggestions_->setObjectName("Suggestions");
    grid->addWidget(suggestions_, 5, 0);
    connect(suggestions_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);
    connect(suggestions_, &QListWidget::itemDoubleClicked, this, [this] { Give(Answer::Change); });

    auto* buttons = new QVBoxLayout;
    auto button = [this, buttons](const char* name, const QString& caption, Answer answer) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, answer] { Give(answer); });
        buttons->addWidget(b);
        return b;
    };
    button("IgnoreBtn", "&Ignore", Answer::Ignore);
    button("IgnoreAllBtn", "I&gnore All", Answer::IgnoreAll);
    change_ = button("ChangeBtn", "&Change", Answer::Change);
    changeAll_ = button("ChangeAllBtn", "Change A&ll", Answer::ChangeAll);
    button("AddBtn", "&Add", Answer::Add);
    button("CancelBtn", "Cancel", Answer::Cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 1, 6, 1);
    connect(changeTo_, &QLineEdit::textChanged, this, [this](const QString& text) {
        change_->setEnabled(!text.isEmpty());
        changeAll_->setEnabled(!text.isEmpty());
    });
}

void TSpellBox::Ask(const QString& word, const QString& context, int start,
                    const QStringList& suggestions) {
    word_ = word;
    const QString before = context.left(start).toHtmlEscaped();
    const QString after = context.mid(start + word.size()).toHtmlEscaped();
    context_->setText(before + "<b><font color=\"#ff0000\">" + word.toHtmlEscaped() +
                      "</font></b>" + after);
    suggestions_->clear();
    suggestions_->addItems(suggestions);
    if (suggestions.isEmpty()) {
        changeTo_->setText(word);
        change_->setEnabled(false);
        changeAll_->setEnabled(false);
    } else {
        suggestions_->setCurrentRow(0);
    }
    if (!isVisible()) {
        show();
    }
    raise();
}

void TSpellBox::Give(Answer answer) {
    emit answered(static_cast<int>(answer));
}

QString TSpellBox::ChangeTo() const {
    return changeTo_->text();
}

QStringList TSpellBox::Suggestions() const {
    QStringList out;
    for (int i = 0; i < suggestions_->count(); ++i) {
        out << suggestions_->item(i)->text();
    }
    return out;
}

QString TSpellBox::ContextText() const {
    return context_->text();
}

void TSpellBox::SetChangeTo(const QString& text) {
    changeTo_->setText(text);
}

void TSpellBox::reject() {
    Give(Answer::Cancel);
}

}  // namespace scrivlet::app
