#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace scrivlet::app {

// The spelling dialog: the unknown word in its context, what to change it
// to, the suggestions, and the six answers. It is not modal: the checker
// waits for an answer in its own event loop, so the main window stays live.
class TSpellBox : public QDialog {
    Q_OBJECT

public:
    enum class Answer { None, Ignore, IgnoreAll, Change, ChangeAll, Add, Cancel };

    explicit TSpellBox(QWidget* parent = nullptr);

    // Shows WORD within CONTEXT (the word's paragraph; START is where the
    // word begins in it) and SUGGESTIONS, the first one chosen.
    void Ask(const QString& word, const QString& context, int start,
             const QStringList& suggestions);

    // Gives ANSWER as if its button was pressed.
    void Give(Answer answer);

    QString Word() const { return word_; }
    QString ChangeTo() const;
    QStringList Suggestions() const;
    QString ContextText() const;
    void SetChangeTo(const QString& text);

signals:
    void answered(int answer);

protected:
    void reject() override;

private:
    QString word_;
    QLabel* context_ = nullptr;
    QLineEdit* changeTo_ = nullptr;
    QListWidget* suggestions_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* changeAll_ = nullptr;
};

}  // namespace scrivlet::app
