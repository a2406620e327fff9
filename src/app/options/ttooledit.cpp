#include "app/options/ttooledit.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace scrivlet::app {

TToolEdit::TToolEdit(QWidget* parent)
    : QDialog(parent),
      title_(new QLineEdit(this)),
      fname_(new QLineEdit(this)),
      browse_(new QPushButton("...", this)) {
    setWindowTitle("Edit Tool Item");
    title_->setObjectName("title");
    fname_->setObjectName("fname");
    browse_->setObjectName("browse");
    browse_->setFixedWidth(28);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fname_);
    fileRow->addWidget(browse_);
    auto* form = new QFormLayout;
    form->addRow("&Title:", title_);
    // A label beside a layout has no buddy of its own, and without one it
    // would show the "&" rather than underline the F.
    auto* fileLabel = new QLabel("&Filename:", this);
    fileLabel->setBuddy(fname_);
    form->addRow(fileLabel, fileRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse_, &QPushButton::clicked, this, &TToolEdit::Browse);
}

void TToolEdit::TakeChosenFile(const QString& path) {
    fname_->setText(path);
    if (title_->text().isEmpty()) {
        title_->setText(QFileInfo(path).fileName());
    }
}

void TToolEdit::Browse() {
    QString start;
    const QFileInfo current(fname_->text());
    if (!fname_->text().isEmpty() && current.isFile()) {
        start = current.absoluteFilePath();
    }
    const QString chosen = QFileDialog::getOpenFileName(this, "Select Tool File", start,
                                                        "Programs (*.exe);;All files (*)", nullptr,
                                                        QFileDialog::DontResolveSymlinks);
    if (!chosen.isEmpty()) {
        TakeChosenFile(chosen);
    }
    fname_->setFocus();
}

}  // namespace scrivlet::app
