#include "app/markup/anchor_prompt.h"

#include <QInputDialog>

namespace scrivlet::app {

std::optional<QString> AskAnchorName(QWidget* parent) {
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("AnchorPrompt"));
    box.setWindowTitle(QStringLiteral("Anchor"));
    box.setLabelText(QStringLiteral("Anchor name:"));
    box.setTextValue(QString());
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Cancel"));
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

}  // namespace scrivlet::app
