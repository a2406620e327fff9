#include "app/common/message_box.h"

#include <QAbstractButton>

namespace scrivlet::app {
namespace {

QList<QMessageBox::StandardButton> g_nextAnswers;
QStringList g_texts;
int g_shownCount = 0;

const QString kTitle = QStringLiteral("Scrivlet");

}  // namespace

QMessageBox::StandardButton MessageBox::Show(
    QWidget* parent, QMessageBox::Icon icon, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton fallback,
    const QList<QPair<QMessageBox::StandardButton, QString>>& labels) {
    g_texts.append(text);
    if (g_texts.size() > 32) {
        g_texts.removeFirst();
    }
    ++g_shownCount;
    if (!g_nextAnswers.isEmpty()) {
        return g_nextAnswers.takeFirst();
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
    g_nextAnswers = {answer};
}

void MessageBox::SetNextAnswers(const QList<QMessageBox::StandardButton>& answers) {
    g_nextAnswers = answers;
}

QString MessageBox::LastText() {
    return g_texts.isEmpty() ? QString() : g_texts.last();
}

QStringList MessageBox::Texts() {
    return g_texts;
}

int MessageBox::ShownCount() {
    return g_shownCount;
}

}  // namespace scrivlet::app
