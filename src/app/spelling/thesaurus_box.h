#pragma once

#include <QDialog>
#include <functional>

#include "app/spelling/thesaurus.h"

class QLineEdit;
class QListWidget;

namespace scrivlet::app {

// The thesaurus dialog: the word, its meanings and the synonyms of the
// chosen meaning; "Replace" hands back the text of "Replace with".
class TThesaurusBox : public QDialog {
    Q_OBJECT

public:
    using LookUpFn = std::function<QList<ThesaurusMeaning>(const QString&)>;

    TThesaurusBox(QWidget* parent, LookUpFn lookUp);

    void Show(const QString& word, const QList<ThesaurusMeaning>& meanings);
    QString Replacement() const;
    QListWidget* MeaningList() const { return meaningList_; }
    QListWidget* SynonymList() const { return synonymList_; }

private:
    void ShowSynonyms(int meaning);

    LookUpFn lookUp_;
    QList<ThesaurusMeaning> meanings_;
    QLineEdit* word_ = nullptr;
    QListWidget* meaningList_ = nullptr;
    QListWidget* synonymList_ = nullptr;
    QLineEdit* replaceWith_ = nullptr;
};

}  // namespace scrivlet::app
