#include "app/windows/window_box.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common/message_box.h"
#include "app/windows/buttons_box.h"
#include "app/windows/color_panel.h"
#include "app/windows/screen_centre.h"
#include "app/windows/sizer_box.h"
#include "app/windows/typed_key_filter.h"
#include "core/model/project.h"
#include "core/util/errors.h"
#include "core/windows/button_flags.h"
#include "core/windows/color_ref.h"
#include "core/windows/key_filters.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

const QString kAddWindowFirst = QStringLiteral("Please add a window to the list first.");

// The captions of the boxes the buttons dialog opens ticked for BUTTONS of
// the window NAME, so that the field's sum can be read; empty when it is not
// a number.
QString ButtonNames(const QString& buttons, const QString& name) {
    ButtonsState state;
    try {
        state.Open(ToAnsi(buttons), ToAnsi(name));
    } catch (const ScrivletError&) {
        return {};
    }
    QStringList names;
    for (auto flag = kButtonFlagsDescending.rbegin(); flag != kButtonFlagsDescending.rend();
         ++flag) {
        if (state.Checked(*flag)) {
            const std::string_view caption = ButtonFlagCaption(*flag);
            names << QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
        }
    }
    return names.join(", ");
}

QPushButton* NewButton(QWidget* parent, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* NewEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLineEdit* NewPositionEdit(QWidget* parent, const char* name) {
    QLineEdit* edit = NewEdit(parent, name);
    edit->setText(QStringLiteral("-1"));
    edit->setMaximumWidth(60);
    TypedKeyFilter::Install(edit, [](int code, int) { return PositionFieldAcceptsKey(code); });
    return edit;
}

void LimitTyping(QLineEdit* edit, std::size_t limit) {
    TypedKeyFilter::Install(edit, [limit](int code, int length) {
        return WindowFieldAcceptsKey(code, static_cast<std::size_t>(length), limit);
    });
}

}  // namespace

TWindowBox::TWindowBox(std::vector<std::string> windowDefs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      defs_(std::move(windowDefs)),
      chooseColor_(StandardColorChooser()) {
    setObjectName(QStringLiteral("WindowBox"));
    setWindowTitle(QStringLiteral("Windows"));

    WindBox_ = new QListWidget(this);
    WindBox_->setObjectName(QStringLiteral("WindBox"));
    WindBox_->setMaximumWidth(130);
    connect(WindBox_, &QListWidget::currentRowChanged, this, &TWindowBox::WindBoxClick);
    QPushButton* add = NewButton(this, QStringLiteral("Add"), "AddBtn");
    QPushButton* remove = NewButton(this, QStringLiteral("Delete"), "DelBtn");
    connect(add, &QPushButton::clicked, this, &TWindowBox::AddBtnClick);
    connect(remove, &QPushButton::clicked, this, &TWindowBox::DelBtnClick);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(add);
    listButtons->addWidget(remove);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(WindBox_);
    listColumn->addLayout(listButtons);

    wName_ = NewEdit(this, "wName");
    wCaption_ = NewEdit(this, "wCaption");
    LimitTyping(wName_, kMaxWindowNameLength);
    LimitTyping(wCaption_, kMaxWindowCaptionLength);
    connect(wName_, &QLineEdit::textChanged, this, &TWindowBox::wNameChange);
    auto* names = new QGridLayout;
    names->addWidget(new QLabel(QStringLiteral("Name:")), 0, 0);
    names->addWidget(wName_, 0, 1);
    names->addWidget(new QLabel(QStringLiteral("Caption:")), 1, 0);
    names->addWidget(wCaption_, 1, 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildPositionGroup());
    groups->addWidget(BuildStateGroup());
    // The field holds the sum of the buttons' flags; its tip names them.
    const auto nameButtons = [this] {
        wbuttons_->setToolTip(ButtonNames(wbuttons_->text(), wName_->text()));
    };
    connect(wbuttons_, &QLineEdit::textChanged, this, nameButtons);
    connect(wName_, &QLineEdit::textChanged, this, nameButtons);
    auto* fieldColumn = new QVBoxLayout;
    fieldColumn->addLayout(names);
    fieldColumn->addLayout(groups);
    fieldColumn->addWidget(BuildColorsGroup());

    auto* top = new QHBoxLayout;
    top->addLayout(listColumn);
    top->addLayout(fieldColumn);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    RefillNames();
    if (!defs_.empty()) {
        SelectRow(0);
        ShowWindowDef(0);
    }
}

QWidget* TWindowBox::BuildPositionGroup() {
    auto* group = new QGroupBox(QStringLiteral("Position && Size"), this);
    wx_ = NewPositionEdit(group, "wx");
    wy_ = NewPositionEdit(group, "wy");
    ww_ = NewPositionEdit(group, "ww");
    wh_ = NewPositionEdit(group, "wh");
    QPushButton* sizer = NewButton(group, QStringLiteral("Easy Sizer"), "SizerBtn");
    QPushButton* reset = NewButton(group, QStringLiteral("Default"), "PosDefaultBtn");
    connect(sizer, &QPushButton::clicked, this, &TWindowBox::SizerClick);
    connect(reset, &QPushButton::clicked, this, &TWindowBox::PosDefaultClick);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("X:")), 0, 0);
    grid->addWidget(wx_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Y:")), 0, 2);
    grid->addWidget(wy_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("W:")), 1, 0);
    grid->addWidget(ww_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("H:")), 1, 2);
    grid->addWidget(wh_, 1, 3);
    grid->addWidget(sizer, 2, 0, 1, 2);
    grid->addWidget(reset, 2, 2, 1, 2);
    return group;
}

QWidget* TWindowBox::BuildStateGroup() {
    auto* group = new QGroupBox(QStringLiteral("Window State"), this);
    wstayontop_ = new QCheckBox(QStringLiteral("Stay on top"), group);
    wstayontop_->setObjectName(QStringLiteral("wstayontop"));
    wbuttons_ = NewEdit(group, "wbuttons");
    wbuttons_->setReadOnly(true);
    wbuttons_->setText(QStringLiteral("0"));
    wbuttons_->setMaximumWidth(70);
    QPushButton* select = NewButton(group, QStringLiteral("Select.."), "SelectBtn");
    QPushButton* reset = NewButton(group, QStringLiteral("Default"), "ButtonsDefaultBtn");
    connect(select, &QPushButton::clicked, this, &TWindowBox::SelectClick);
    connect(reset, &QPushButton::clicked, this, &TWindowBox::ButtonsDefaultClick);
    auto* grid = new QGridLayout(group);
    grid->addWidget(wstayontop_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Buttons:")), 1, 0);
    grid->addWidget(wbuttons_, 1, 1);
    grid->addWidget(select, 2, 0);
    grid->addWidget(reset, 2, 1);
    return group;
}

QWidget* TWindowBox::BuildColorsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Colors"), this);
    QPushButton* fixed = NewButton(group, QStringLiteral("Fixed"), "FixedBtn");
    fixed->setToolTip(QStringLiteral("Non-Scrolling"));
    QPushButton* scrolling = NewButton(group, QStringLiteral("Scrolling"), "ScrollBtn");
    scrolling->setToolTip(QStringLiteral("Scrolling"));
    connect(fixed, &QPushButton::clicked, this, &TWindowBox::FixedClick);
    connect(scrolling, &QPushButton::clicked, this, &TWindowBox::ScrollingClick);

    // The sample: the scrolling region with the non-scrolling one along its top.
    sPanel_ = new TColorPanel(group);
    sPanel_->setObjectName(QStringLiteral("sPanel"));
    sPanel_->setMinimumSize(180, 60);
    fPanel_ = new TColorPanel(sPanel_);
    fPanel_->setObjectName(QStringLiteral("fPanel"));
    fPanel_->setFixedHeight(20);
    auto* sample = new QVBoxLayout(sPanel_);
    sample->setContentsMargins(2, 2, 2, 2);
    sample->addWidget(fPanel_);
    sample->addStretch();
    connect(fPanel_, &TColorPanel::doubleClicked, this, &TWindowBox::FixedClick);
    connect(sPanel_, &TColorPanel::doubleClicked, this, &TWindowBox::ScrollingClick);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(fixed);
    buttons->addWidget(scrolling);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(group);
    layout->addLayout(buttons);
    layout->addWidget(sPanel_, 1);
    return group;
}

bool TWindowBox::Run(QWidget* parent, Project& project) {
    TWindowBox box(project.WindowDefs, parent);
    CentreOnScreen(&box);
    if (box.exec() != QDialog::Accepted) {
        return false;
    }
    project.WindowDefs = box.WindowDefs();
    project.SetModified(true);
    return true;
}

TWindowBox::ColorChooser TWindowBox::StandardColorChooser() {
    return [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
        QColorDialog::setCustomColor(0, QColorOfColorRef(CustomColorValue(kCustomColorSetting)));
        const QColor chosen = QColorDialog::getColor(initial, parent);
        return chosen.isValid() ? std::optional(chosen) : std::nullopt;
    };
}

WindowFields TWindowBox::Fields() const {
    WindowFields fields;
    fields.Name = ToAnsi(wName_->text());
    fields.Caption = ToAnsi(wCaption_->text());
    fields.X = ToAnsi(wx_->text());
    fields.Y = ToAnsi(wy_->text());
    fields.W = ToAnsi(ww_->text());
    fields.H = ToAnsi(wh_->text());
    fields.Buttons = ToAnsi(wbuttons_->text());
    fields.ScrollColor = sPanel_->ColorRef();
    fields.FixedColor = fPanel_->ColorRef();
    fields.StayOnTop = wstayontop_->isChecked();
    return fields;
}

void TWindowBox::ShowFields(const WindowFields& fields) {
    updating_ = true;
    wName_->setText(FromAnsi(fields.Name));
    wCaption_->setText(FromAnsi(fields.Caption));
    wbuttons_->setText(FromAnsi(fields.Buttons));
    wstayontop_->setChecked(fields.StayOnTop);
    wx_->setText(FromAnsi(fields.X));
    wy_->setText(FromAnsi(fields.Y));
    ww_->setText(FromAnsi(fields.W));
    wh_->setText(FromAnsi(fields.H));
    fPanel_->SetColorRef(fields.FixedColor);
    sPanel_->SetColorRef(fields.ScrollColor);
    updating_ = false;
}

void TWindowBox::ShowWindowDef(int index) {
    WindowFields fields;
    try {
        fields = FieldsOfWindowDef(ParseWindowDef(defs_.at(static_cast<std::size_t>(index))));
    } catch (const ConvertError& error) {
        // The fields still hold the previous definition, which is stored
        // already; with nothing shown no line can be overwritten by them.
        currentWindow_ = -1;
        MessageBox::Error(this, FromAnsi(error.what()));
        return;
    }
    ShowFields(fields);
    currentWindow_ = index;
}

bool TWindowBox::StoreCurrent() {
    if (currentWindow_ < 0) {
        return true;
    }
    const auto index = static_cast<std::size_t>(currentWindow_);
    const std::string refusal = WindowNameRefusal(defs_, index, ToAnsi(wName_->text()));
    if (!refusal.empty()) {
        wName_->setText(FromAnsi(WindowNameOf(defs_.at(index))));
        SelectRow(currentWindow_);  // the message is about this window
        MessageBox::Error(this, FromAnsi(refusal));
        return false;
    }
    try {
        defs_.at(index) = BuildWindowDef(Fields());
    } catch (const ConvertError& error) {
        MessageBox::Error(this, FromAnsi(error.what()));
        return false;
    }
    return true;
}

void TWindowBox::RefillNames() {
    updating_ = true;
    WindBox_->clear();
    for (const std::string& line : defs_) {
        WindBox_->addItem(FromAnsi(WindowNameOf(line)));
    }
    updating_ = false;
}

void TWindowBox::SelectRow(int row) {
    updating_ = true;
    WindBox_->setCurrentRow(row);
    updating_ = false;
}

void TWindowBox::WindBoxClick(int row) {
    if (updating_ || row < 0) {
        return;
    }
    if (!StoreCurrent()) {
        SelectRow(currentWindow_);
        return;
    }
    ShowWindowDef(row);
}

void TWindowBox::wNameChange(const QString& text) {
    if (updating_ || currentWindow_ < 0 || currentWindow_ >= WindBox_->count()) {
        return;
    }
    WindBox_->item(currentWindow_)->setText(text);
}

void TWindowBox::AddBtnClick() {
    if (defs_.size() >= kMaxWindowDefs || !StoreCurrent()) {
        return;
    }
    defs_.push_back(AddedWindowLine(defs_));
    const int last = static_cast<int>(defs_.size()) - 1;
    RefillNames();
    SelectRow(last);
    ShowWindowDef(last);
}

void TWindowBox::DelBtnClick() {
    const int row = WindBox_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= defs_.size()) {
        return;
    }
    defs_.erase(defs_.begin() + row);
    currentWindow_ = -1;
    RefillNames();
    if (defs_.empty()) {
        return;
    }
    const int next = std::min(row, static_cast<int>(defs_.size()) - 1);
    SelectRow(next);
    ShowWindowDef(next);
}

void TWindowBox::PosDefaultClick() {
    for (QLineEdit* edit : {wx_, wy_, wh_, ww_}) {
        edit->setText(QStringLiteral("-1"));
    }
}

void TWindowBox::ButtonsDefaultClick() {
    wbuttons_->setText(QStringLiteral("0"));
}

bool TWindowBox::HaveWindow() {
    if (defs_.empty()) {
        MessageBox::Inform(this, kAddWindowFirst);
        return false;
    }
    return true;
}

void TWindowBox::ChooseColor(TColorPanel* panel) {
    if (!HaveWindow()) {
        return;
    }
    if (const auto chosen = chooseColor_(this, QColorOfColorRef(panel->ColorRef()))) {
        panel->SetColorRef(ColorRefOfQColor(*chosen));
    }
}

void TWindowBox::FixedClick() {
    ChooseColor(fPanel_);
}

void TWindowBox::ScrollingClick() {
    ChooseColor(sPanel_);
}

void TWindowBox::SelectClick() {
    if (!HaveWindow()) {
        return;
    }
    try {
        const auto buttons =
            TButtonsBox::Run(this, ToAnsi(wbuttons_->text()), ToAnsi(wName_->text()));
        if (buttons) {
            wbuttons_->setText(FromAnsi(*buttons));
        }
    } catch (const ConvertError& error) {
        MessageBox::Error(this, FromAnsi(error.what()));
    }
}

void TWindowBox::SizerClick() {
    if (!HaveWindow()) {
        return;
    }
    WindowFields fields = Fields();
    try {
        if (!TSizerBox::Run(this, fields, sPanel_->ColorRef(), fPanel_->ColorRef())) {
            return;
        }
    } catch (const ConvertError& error) {
        MessageBox::Error(this, FromAnsi(error.what()));
        return;
    }
    wx_->setText(FromAnsi(fields.X));
    wy_->setText(FromAnsi(fields.Y));
    ww_->setText(FromAnsi(fields.W));
    wh_->setText(FromAnsi(fields.H));
}

void TWindowBox::done(int result) {
    // Cancel throws the working list away, so a field that is not a number
    // must not keep the author from leaving.
    if (result == QDialog::Accepted && !StoreCurrent()) {
        return;
    }
    QDialog::done(result);
}

}  // namespace scrivlet::app
