#include "app/spelling/thesaurus_box.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace scrivlet::app {

TThesaurusBox::TThesaurusBox(QWidget* parent, LookUpFn lookUp)
    : QDialog(parent), lookUp_(std::move(lookUp)) {
    setObjectName("ThesaurusBox");
    setWindowTitle("Thesaurus");
    auto* grid = new QGridLayout(this);
    auto* wordLabel = new QLabel("&Looked up:", this);
    grid->addWidget(wordLabel, 0, 0);
    word_ = new QLineEdit(this);
    wordLabel->setBuddy(word_);
    word_->setObjectName("LookedUp");
    grid->addWidget(word_, 1, 0);
    auto* replaceLabel = new QLabel("Replace &with:", this);
    grid->addWidget(replaceLabel, 0, 1);
    replaceWith_ = new QLineEdit(this);
    replaceLabel->setBuddy(replaceWith_);
    replaceWith_->setObjectName("ReplaceWith");
    grid->addWidget(replaceWith_, 1, 1);
    auto* meaningLabel = new QLabel("&Meanings:", this);
    auto* synonymLabel = new QLabel("&Synonyms:", this);
    grid->addWidget(meaningLabel, 2, 0);
    grid->addWidget(synonymLabel, 2, 1);
    meaningList_ = new QListWidget(this);
    meaningList_->setObjectName("Meanings");
    synonymList_ = new QListWidget(this);
    synonymList_->setObjectName("Synonyms");
    meaningLabel->setBuddy(meaningList_);
    synonymLabel->setBuddy(synonymList_);
    grid->addWidget(meaningList_, 3, 0);
    grid->addWidget(synonymList_, 3, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* replace = buttons->addButton("&Replace", QDialogButtonBox::AcceptRole);
    replace->setObjectName("ReplaceBtn");
    QPushButton* again = buttons->addButton("Look &Up", QDialogButtonBox::ActionRole);
    again->setObjectName("LookUpBtn");
    buttons->addButton(QDialogButtonBox::Cancel);
    grid->addWidget(buttons, 4, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(again, &QPushButton::clicked, this, [this] {
        const QString word = replaceWith_->text().trimmed();
        Show(word, lookUp_ ? lookUp_(word) : QList<ThesaurusMeaning>{});
    });
    connect(meaningList_, &QListWidget::currentRowChanged, this, &TThesaurusBox::ShowSynonyms);
    connect(synonymList_, &QListWidget::currentTextChanged, replaceWith_, &QLineEdit::setText);
    connect(synonymList_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TThesaurusBox::Show(const QString& word, const QList<ThesaurusMeaning>& meanings) {
    meanings_ = meanings;
    word_->setText(word);
    meaningList_->clear();
    synonymList_->clear();
    if (meanings.isEmpty()) {
        meaningList_->addItem("(no meanings found)");
        replaceWith_->setText(word);
        return;
    }
    for (const ThesaurusMeaning& m : meanings) {
        meaningList_->addItem(m.description);
    }
    meaningList_->setCurrentRow(0);
}

void TThesaurusBox::ShowSynonyms(int meaning) {
    synonymList_->clear();
    if (meaning < 0 || meaning >= meanings_.size()) {
        return;
    }
    synonymList_->addItems(meanings_[meaning].synonyms);
    if (synonymList_->count() > 0) {
        synonymList_->setCurrentRow(0);
    }
}

QString TThesaurusBox::Replacement() const {
    return replaceWith_->text();
}

}  // namespace scrivlet::app
