#include "app/topics/tfootbox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

const char* const kLabels[kFootFieldCount] = {
    "Context ID:", "Title:",       "Context String:", "Keywords:",    "A-Keywords:",
    "Build Tag:",  "Browse Seq.:", "Window:",         "Entry macro:", "Comment:"};

const char* const kNames[kFootFieldCount] = {"xID",    "xTitle",    "xContext", "xKeys",
                                             "xAKeys", "xBuildTag", "xBrowse",  "xWindow",
                                             "xMacro", "xComment"};

QComboBox* FreeTextBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

}  // namespace

TFootBox::TFootBox(QWidget* parent) : QDialog(parent) {
    setObjectName("FootBox");
    setWindowTitle("Topic Properties");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kFootFieldCount; ++i) {
        const auto field = static_cast<FootField>(i);
        QWidget* widget = nullptr;
        if (field == FootField::BuildTag || field == FootField::Window ||
            field == FootField::Comment) {
            QComboBox* box = FreeTextBox(this);
            if (field == FootField::BuildTag) {
                buildTag_ = box;
            } else if (field == FootField::Window) {
                window_ = box;
            } else {
                comment_ = box;
                for (const std::string& choice : kCommentChoices) {
                    box->addItem(FromAnsi(choice));
                }
            }
            fields_[i] = box->lineEdit();
            widget = box;
        } else {
            fields_[i] = new QLineEdit(this);
            widget = fields_[i];
        }
        widget->setObjectName(kNames[i]);
        widget->setMinimumWidth(field == FootField::ContextId ? 80 : 260);
        fields_[i]->installEventFilter(this);
        auto* label = new QLabel(kLabels[i], this);
        label->setBuddy(widget);
        grid->addWidget(label, i, 0);
        grid->addWidget(widget, i, 1, Qt::AlignLeft);
    }
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OKBtn");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("CancelBtn");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(Field(FootField::ContextString), &QLineEdit::textChanged, this, &TFootBox::UpdateOk);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order: the fields in order, then OK and Cancel.
    QWidget* previous = nullptr;
    for (int i = 0; i < kFootFieldCount; ++i) {
        QWidget* current = fields_[i]->parentWidget() == this ? static_cast<QWidget*>(fields_[i])
                                                              : fields_[i]->parentWidget();
        if (previous) {
            setTabOrder(previous, current);
        }
        previous = current;
    }
    setTabOrder(previous, ok_);
    setTabOrder(ok_, cancel_);
    UpdateOk();
}

void TFootBox::SetChoices(const std::vector<std::string>& buildTags,
                          const std::vector<std::string>& windows) {
    buildTag_->clear();
    for (const std::string& tag : buildTags) {
        buildTag_->addItem(FromAnsi(tag));
    }
    window_->clear();
    for (const std::string& name : windows) {
        window_->addItem(FromAnsi(name));
    }
}

void TFootBox::SetValues(const FootValues& values) {
    for (int i = 0; i < kFootFieldCount; ++i) {
        fields_[i]->setText(FromAnsi(values.values[i]));
    }
    UpdateOk();
}

FootValues TFootBox::Values() const {
    FootValues values;
    for (int i = 0; i < kFootFieldCount; ++i) {
        values.values[i] = ToAnsi(fields_[i]->text());
    }
    return values;
}

QLineEdit* TFootBox::Field(FootField field) const {
    return fields_[static_cast<int>(field)];
}

void TFootBox::UpdateOk() {
    ok_->setEnabled(FootOkEnabled(ToAnsi(Field(FootField::ContextString)->text())));
}

bool TFootBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty()) {
            for (int i = 0; i < kFootFieldCount; ++i) {
                if (watched != fields_[i]) {
                    continue;
                }
                const std::string ansi = ToAnsi(text.left(1));
                const int code = ansi.empty() ? 0 : static_cast<unsigned char>(ansi[0]);
                const auto length = static_cast<std::size_t>(fields_[i]->text().size());
                if (!FootKeyPasses(static_cast<FootField>(i), code, length)) {
                    return true;  // discarded
                }
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace scrivlet::app
