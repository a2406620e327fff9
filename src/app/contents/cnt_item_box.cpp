#include "app/contents/cnt_item_box.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

const char* const kTypeNames[] = {"Heading", "Topic", "Macro", "Include"};

QComboBox* EditableCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

}  // namespace

TCntItemBox::TCntItemBox(const std::string& line, bool addMode, const QStringList& windows,
                         const QStringList& contexts, QWidget* parent)
    : QDialog(parent), fields_(ItemFieldsFromLine(addMode ? std::string() : line)) {
    setWindowTitle(addMode ? "Add Contents Item" : "Edit Contents Item");

    TypeGroup = new QGroupBox("Type", this);
    auto* typeGrid = new QGridLayout(TypeGroup);
    for (int i = 0; i < 4; ++i) {
        typeButtons_[i] = new QRadioButton(kTypeNames[i], TypeGroup);
        typeGrid->addWidget(typeButtons_[i], i / 2, i % 2);
        connect(typeButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                ApplyType(static_cast<ContentsItemType>(i));
            }
        });
    }
    TypeGroup->setEnabled(addMode);

    xTitle = new QLineEdit(this);
    xTitle->setObjectName("xTitle");
    xTopic = EditableCombo(this);
    xTopic->setObjectName("xTopic");
    xTopic->addItems(contexts);
    xMacro = new QLineEdit(this);
    xMacro->setObjectName("xMacro");
    xFile = new QLineEdit(this);
    xFile->setObjectName("xFile");
    xWindow = EditableCombo(this);
    xWindow->setObjectName("xWindow");
    xWindow->addItems(windows);

    TitleLabel = new QLabel("Title:", this);
    TopicLabel = new QLabel("Topic:", this);
    FileLabel = new QLabel("Help file:", this);
    WindowLabel = new QLabel("Window:", this);

    auto* grid = new QGridLayout;
    grid->addWidget(TitleLabel, 0, 0);
    grid->addWidget(xTitle, 0, 1);
    grid->addWidget(TopicLabel, 1, 0);
    // Topic box and macro edit share one place; the type shows one of them.
    grid->addWidget(xTopic, 1, 1);
    grid->addWidget(xMacro, 1, 1);
    grid->addWidget(FileLabel, 2, 0);
    grid->addWidget(xFile, 2, 1);
    grid->addWidget(WindowLabel, 3, 0);
    grid->addWidget(xWindow, 3, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TCntItemBox::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TCntItemBox::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TypeGroup);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    setMinimumWidth(360);

    xTitle->setText(FromAnsi(fields_.Title));
    if (fields_.Type == ContentsItemType::Macro) {
        xMacro->setText(FromAnsi(fields_.Macro));
    } else {
        xTopic->setEditText(FromAnsi(fields_.Topic));
    }
    if (fields_.Type == ContentsItemType::Topic) {
        xFile->setText(FromAnsi(fields_.File));
        xWindow->setEditText(FromAnsi(fields_.Window));
    }
    typeButtons_[static_cast<int>(fields_.Type)]->setChecked(true);
    ApplyType(fields_.Type);

    adjustSize();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QRadioButton* TCntItemBox::TypeButton(ContentsItemType type) const {
    return typeButtons_[static_cast<int>(type)];
}

ContentsItemType TCntItemBox::CurrentType() const {
    for (int i = 0; i < 4; ++i) {
        if (typeButtons_[i]->isChecked()) {
            return static_cast<ContentsItemType>(i);
        }
    }
    return ContentsItemType::Heading;
}

void TCntItemBox::ApplyType(ContentsItemType type) {
    const bool topic = type == ContentsItemType::Topic;
    const bool macro = type == ContentsItemType::Macro;
    xTopic->setVisible(!macro);
    xTopic->setEnabled(topic);
    xMacro->setVisible(macro);
    xMacro->setEnabled(macro);
    xFile->setEnabled(topic);
    xWindow->setEnabled(topic);
    TopicLabel->setText(macro ? "Macro:" : type == ContentsItemType::Include ? "Title:" : "Topic:");
    TopicLabel->setEnabled(topic || macro);
    TitleLabel->setText(type == ContentsItemType::Include ? "Include file:" : "Title:");
    FileLabel->setEnabled(topic);
    WindowLabel->setEnabled(topic);
}

void TCntItemBox::accept() {
    ContentsItemFields fields = fields_;
    fields.Type = CurrentType();
    fields.Title = ToAnsi(xTitle->text());
    fields.Topic = ToAnsi(xTopic->currentText());
    fields.Macro = ToAnsi(xMacro->text());
    fields.File = ToAnsi(xFile->text());
    fields.Window = ToAnsi(xWindow->currentText());
    result_ = LineFromItemFields(fields);
    QDialog::accept();
}

std::optional<std::string> TCntItemBox::Edit(const std::string& line, bool addMode,
                                             const QStringList& windows,
                                             const QStringList& contexts, QWidget* parent) {
    TCntItemBox box(line, addMode, windows, contexts, parent);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.ResultLine();
}

}  // namespace scrivlet::app
