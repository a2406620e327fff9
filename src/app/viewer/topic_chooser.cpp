#include "app/viewer/topic_chooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

std::optional<int> nextChoice;

}  // namespace

void SetNextChoice(int row) {
    nextChoice = row;
}

int ChooseFromList(QWidget* parent, const QString& title, const QString& label,
                   const QStringList& items) {
    if (nextChoice) {
        const int row = *nextChoice;
        nextChoice.reset();
        return row >= 0 && row < items.size() ? row : -1;
    }
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* list = new QListWidget(&dialog);
    list->setObjectName("ChoiceList");
    list->addItems(items);
    list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("&Display");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(label, &dialog));
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return -1;
    }
    return list->currentRow();
}

int ChooseTopic(QWidget* parent, const help::HelpFile& help, const std::vector<int>& topics) {
    QStringList titles;
    for (const int topic : topics) {
        const help::Topic& source = help.topics[static_cast<std::size_t>(topic)];
        titles << (source.title.empty() ? QStringLiteral("(untitled topic)")
                                        : FromAnsi(source.title));
    }
    const int row =
        ChooseFromList(parent, "Topics Found", "Click a topic, then click Display.", titles);
    return row < 0 ? kChooserCancelled : topics[static_cast<std::size_t>(row)];
}

}  // namespace scrivlet::app
