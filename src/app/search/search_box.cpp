#include "app/search/search_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace scrivlet::app {

Tsearchbox::Tsearchbox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Search"));
    setObjectName(QStringLiteral("Tsearchbox"));
    setModal(false);

    find = new QLineEdit(this);
    replace = new QLineEdit(this);
    matchcase = new QCheckBox(QStringLiteral("Case Sensitive"), this);
    wholeword = new QCheckBox(QStringLiteral("Whole words only"), this);
    all = new QCheckBox(QStringLiteral("All topics in project"), this);
    FindBtn = new QPushButton(QStringLiteral("Find"), this);
    ReplaceBtn = new QPushButton(QStringLiteral("Replace"), this);
    ReplaceAllBtn = new QPushButton(QStringLiteral("Replace All"), this);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    FindBtn->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Find what:"), this), 0, 0);
    fields->addWidget(find, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Replace with:"), this), 1, 0);
    fields->addWidget(replace, 1, 1);
    auto* checks = new QVBoxLayout;
    checks->addWidget(matchcase);
    checks->addWidget(wholeword);
    checks->addWidget(all);
    fields->addLayout(checks, 2, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(FindBtn);
    buttons->addWidget(ReplaceBtn);
    buttons->addWidget(ReplaceAllBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(all, &QCheckBox::toggled, this, &Tsearchbox::allClick);
    connect(FindBtn, &QPushButton::clicked, this, [this] {
        hide();
        emit FindRequested();
    });
    connect(ReplaceBtn, &QPushButton::clicked, this, [this] {
        hide();
        emit ReplaceRequested();
    });
    connect(ReplaceAllBtn, &QPushButton::clicked, this, [this] {
        hide();
        emit ReplaceAllRequested();
    });
    // Escape rejects the dialog, which hides it; Cancel does the same.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    allClick();
}

void Tsearchbox::allClick() {
    FindBtn->setEnabled(!all->isChecked());
    ReplaceBtn->setEnabled(!all->isChecked());
}

void Tsearchbox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    find->setFocus();
}

}  // namespace scrivlet::app
