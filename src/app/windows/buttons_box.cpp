#include "app/windows/buttons_box.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/windows/screen_centre.h"
#include "core/util/convert.h"

namespace scrivlet::app {
namespace {

const char* ObjectName(ButtonFlag flag) {
    switch (flag) {
        case ButtonFlag::Maximized:
            return "xmax";
        case ButtonFlag::NoDefaultButtons:
            return "xnodef";
        case ButtonFlag::Options:
            return "xoptions";
        case ButtonFlag::Browse:
            return "xbrowse";
        case ButtonFlag::Contents:
            return "xcontents";
        case ButtonFlag::Index:
            return "xindex";
        case ButtonFlag::HelpTopics:
            return "xtopics";
        case ButtonFlag::Print:
            return "xprint";
        case ButtonFlag::Back:
            return "xback";
        case ButtonFlag::Find:
            return "xfind";
    }
    return "";
}

std::size_t SlotOf(ButtonFlag flag) {
    for (std::size_t i = 0; i < kButtonFlagsDescending.size(); ++i) {
        if (kButtonFlagsDescending[i] == flag) {
            return i;
        }
    }
    return 0;
}

}  // namespace

TButtonsBox::TButtonsBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ButtonsBox"));
    setWindowTitle(QStringLiteral("Window State & Buttons"));

    for (ButtonFlag flag : kButtonFlagsDescending) {
        auto* box = new QCheckBox(
            QString::fromLatin1(ButtonFlagCaption(flag).data(), ButtonFlagCaption(flag).size()),
            this);
        box->setObjectName(QString::fromLatin1(ObjectName(flag)));
        connect(box, &QCheckBox::clicked, this,
                [this, flag](bool checked) { BoxClicked(flag, checked); });
        boxes_[SlotOf(flag)] = box;
    }

    auto* group = new QGroupBox(QStringLiteral("Buttons"), this);
    auto* grid = new QGridLayout(group);
    // Two columns: the standard buttons on the left, the others on the right.
    const ButtonFlag left[] = {ButtonFlag::NoDefaultButtons, ButtonFlag::Contents,
                               ButtonFlag::Index, ButtonFlag::HelpTopics, ButtonFlag::Print};
    const ButtonFlag right[] = {ButtonFlag::Back, ButtonFlag::Find, ButtonFlag::Options,
                                ButtonFlag::Browse};
    int row = 0;
    for (ButtonFlag flag : left) {
        grid->addWidget(Box(flag), row++, 0);
    }
    row = 1;
    for (ButtonFlag flag : right) {
        grid->addWidget(Box(flag), row++, 1);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Box(ButtonFlag::Maximized));
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Mirror();
}

QCheckBox* TButtonsBox::Box(ButtonFlag flag) const {
    return boxes_[SlotOf(flag)];
}

void TButtonsBox::Open(const std::string& buttons, const std::string& name) {
    ButtonsState state;
    state.Open(buttons, name);
    state_ = state;
    Mirror();
}

std::string TButtonsBox::Buttons() const {
    return IntToStr(state_.Sum());
}

void TButtonsBox::BoxClicked(ButtonFlag flag, bool checked) {
    state_.Click(flag, checked);
    Mirror();
}

void TButtonsBox::Mirror() {
    for (ButtonFlag flag : kButtonFlagsDescending) {
        QCheckBox* box = Box(flag);
        box->setChecked(state_.Checked(flag));
        box->setEnabled(state_.Enabled(flag));
    }
}

std::optional<std::string> TButtonsBox::Run(QWidget* parent, const std::string& buttons,
                                            const std::string& name) {
    TButtonsBox box(parent);
    box.Open(buttons, name);
    CentreOnScreen(&box);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.Buttons();
}

}  // namespace scrivlet::app
