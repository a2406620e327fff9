#include "app/common/message_box.h"

#include <QAbstractButton>

namespace scrivlet::app {
namespace {

std::optional<QMessageBox::StandardButton> g_nextAnswer;
QString g_lastText;
int g_shownCount = 0;

const QString kTitle = QStringLiteral("Scrivlet");

}  // namespace

QMessageBox::StandardButton MessageBox::Show(
    QWidget* parent, QMessageBox::Icon icon, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton fallback,
    const QList<QPair<QMessageBox::StandardButton, QString>>& labels) {
    g_lastText = text;
    ++g_shownCount;
    if (g_nextAnswer) {
        const auto answer = *g_nextAnswer;
        g_nextAnswer.reset();
        return answer;
    }
    QMessageBox box(icon, kTitle, text, buttons, parent);
    for (const auto& [button, label] : labels) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(label);
        }
    }
    const int result = box.exec();
    return result == 0 ? fallback : static_cast<QMessageBox::StandardButton>(result);
}

void MessageBox::Error(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::Inform(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::Warn(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::AskWarning(
    QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton fallback,
    const QList<QPair<QMessageBox::StandardButton, QString>>& labels) {
    return Show(parent, QMessageBox::Warning, text, buttons, fallback, labels);
}

QMessageBox::StandardButton MessageBox::AskYesNo(QWidget* parent, const QString& text) {
    return Show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No);
}

QMessageBox::StandardButton MessageBox::AskYesNoCancel(QWidget* parent, const QString& text) {
    return Show(parent, QMessageBox::Question, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

void MessageBox::SetNextAnswer(QMessageBox::StandardButton answer) {
    g_nextAnswer = answer;
}

QString MessageBox::LastText() {
    return g_lastText;
}

int MessageBox::ShownCount() {
    return g_shownCount;
}

}  // namespace scrivlet::app
