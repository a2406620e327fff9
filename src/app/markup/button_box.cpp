#include "app/markup/button_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/markup/markup_codes.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

TButtonBox::TButtonBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Button"));
    setObjectName(QStringLiteral("TButtonBox"));
    cap = new QLineEdit(this);
    macro = new QPlainTextEdit(this);
    macro->setLineWrapMode(QPlainTextEdit::NoWrap);
    macro->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    macro->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    OKBtn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Caption:"), this));
    layout->addWidget(cap);
    layout->addWidget(new QLabel(QStringLiteral("Macro:"), this));
    layout->addWidget(macro, 1);
    layout->addWidget(buttons);
    resize(360, 260);
}

std::string TButtonBox::ButtonCode() const {
    return BuildButtonCode(ToAnsi(cap->text()), SplitEditLines(ToAnsi(macro->toPlainText())));
}

}  // namespace scrivlet::app
