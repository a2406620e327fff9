#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTextEdit;
class MyThes;

namespace scrivlet::app {

// One meaning of a looked-up word: its description ("(adj)|felicitous") and
// its synonyms.
struct ThesaurusMeaning {
    QString description;
    QStringList synonyms;
};

// The thesaurus ("Thesaurus1") over MyThes and the system's en_US data.
class TThesaurus : public QObject {
    Q_OBJECT

public:
    // Picks a replacement for WORD among MEANINGS; empty for none. The
    // default shows the thesaurus dialog.
    using Chooser =
        std::function<QString(const QString& word, const QList<ThesaurusMeaning>& meanings)>;

    explicit TThesaurus(QWidget* window, QString folder = "/usr/share/mythes");
    ~TThesaurus() override;

    // Looks up the word at EDIT's caret (or its selection) and replaces it
    // with the author's pick.
    void LookUp(QTextEdit* edit);

    // The meanings of WORD; empty when the word is unknown. ERROR is set
    // when the thesaurus data is missing.
    QList<ThesaurusMeaning> Meanings(const QString& word, QString* error = nullptr);

    void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }

private:
    bool Open(QString* error);

    QWidget* window_;
    QString folder_;
    std::unique_ptr<MyThes> thes_;
    Chooser chooser_;
};

}  // namespace scrivlet::app
