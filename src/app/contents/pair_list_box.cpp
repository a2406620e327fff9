#include "app/contents/pair_list_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/contents/contents_item.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

TPairEdit::TPairEdit(const PairTexts& texts, const QString& title, const QString& file,
                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(texts.editCaption);
    xTitle = new QLineEdit(title, this);
    xTitle->setObjectName("xTitle");
    xFile = new QLineEdit(file, this);
    xFile->setObjectName("xFile");
    auto* form = new QFormLayout;
    form->addRow(texts.titleLabel, xTitle);
    form->addRow(texts.fileLabel, xFile);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(340);
}

TListBox::TListBox(const QString& caption, const QString& label, std::vector<std::string> lines,
                   QWidget* parent)
    : QDialog(parent), lines_(std::move(lines)) {
    setWindowTitle(caption);
    List = new QListWidget(this);
    List->setObjectName("List");
    AddBtn = new QPushButton("Add...", this);
    RemoveBtn = new QPushButton("Remove", this);
    EditBtn = new QPushButton("Edit...", this);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);

    connect(AddBtn, &QPushButton::clicked, this, &TListBox::AddBtnClick);
    connect(RemoveBtn, &QPushButton::clicked, this, &TListBox::RemoveBtnClick);
    connect(EditBtn, &QPushButton::clicked, this, &TListBox::EditBtnClick);
    connect(List, &QListWidget::itemDoubleClicked, this, &TListBox::EditBtnClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(label, this));
    left->addWidget(List);
    extras_ = new QVBoxLayout;
    left->addLayout(extras_);
    auto* right = new QVBoxLayout;
    for (QPushButton* button : {AddBtn, RemoveBtn, EditBtn}) {
        right->addWidget(button);
    }
    right->addStretch();
    right->addWidget(ok);
    right->addWidget(cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(440, 260);
    Refresh(lines_.empty() ? -1 : 0);
}

void TListBox::Refresh(int select) {
    List->clear();
    for (const auto& line : lines_) {
        List->addItem(FromAnsi(line));
    }
    List->setCurrentRow(select);
}

void TListBox::AddBtnClick() {
    if (const auto element = AskElement({}, true)) {
        lines_.push_back(*element);
        Refresh(static_cast<int>(lines_.size()) - 1);
    }
}

void TListBox::RemoveBtnClick() {
    const int row = List->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size()) || !List->currentItem()->isSelected()) {
        return;
    }
    lines_.erase(lines_.begin() + row);
    Refresh(std::min(row, static_cast<int>(lines_.size()) - 1));
}

void TListBox::EditBtnClick() {
    const int row = List->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size())) {
        return;
    }
    if (const auto element = AskElement(lines_[static_cast<std::size_t>(row)], false)) {
        lines_[static_cast<std::size_t>(row)] = *element;
        Refresh(row);
    }
}

TPairListBox::TPairListBox(const PairTexts& texts, std::vector<std::string> lines, QWidget* parent)
    : TListBox(texts.listCaption, texts.listLabel, std::move(lines), parent) {}

std::optional<std::string> TPairListBox::AskElement(const std::string& current, bool add) {
    const HeaderPair pair = add ? HeaderPair{} : SplitHeaderPair(current);
    const auto edit = MakeEdit(FromAnsi(pair.Title), FromAnsi(pair.File));
    if (edit->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return JoinHeaderPair(ToAnsi(edit->xTitle->text()), ToAnsi(edit->xFile->text()));
}

}  // namespace scrivlet::app
