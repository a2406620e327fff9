#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace scrivlet::app {

// Every question and notice of the system: the standard message box titled
// "Scrivlet". Tests answer the next box with SetNextAnswer instead of
// showing it, so modal paths can run without a person.
class MessageBox {
public:
    // Standard error box (QMessageBox::critical) for failures.
    static void Error(QWidget* parent, const QString& text);
    // A notice with an information icon and OK.
    static void Inform(QWidget* parent, const QString& text);
    // A notice with a warning icon and OK.
    static void Warn(QWidget* parent, const QString& text);
    // A warning with BUTTONS, some of them relabelled by LABELS (the standard
    // buttons have no "Save As..."); Escape gives FALLBACK.
    static QMessageBox::StandardButton AskWarning(
        QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton fallback,
        const QList<QPair<QMessageBox::StandardButton, QString>>& labels = {});
    // A question with a question icon: Yes/No, or Yes/No/Cancel.
    static QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& text);
    static QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& text);

    // For tests: the next box is not shown and returns ANSWER. The text it
    // would have shown is kept in LastText.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    // The same for the next boxes in turn (a question, then its notice).
    static void SetNextAnswers(const QList<QMessageBox::StandardButton>& answers);
    static QString LastText();
    // The texts of the last boxes shown or answered, oldest first.
    static QStringList Texts();
    static int ShownCount();

private:
    static QMessageBox::StandardButton Show(
        QWidget* parent, QMessageBox::Icon icon, const QString& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton fallback,
        const QList<QPair<QMessageBox::StandardButton, QString>>& labels = {});
};

}  // namespace scrivlet::app
