#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <functional>
#include <memory>

#include "app/spelling/spell_box.h"

class QTextEdit;

namespace scrivlet::app {

class SpellDictionary;

// The spell checker the editor drives ("Spell1"). CheckSelection and
// CheckRange return only when the author has answered every unknown word of
// that piece; meanwhile they run a nested event loop so the window stays
// live. Text outside the piece is never changed, and markup codes are not
// words.
class TSpellCheck : public QObject {
    Q_OBJECT

public:
    enum InitialPosition { ipAvoidControl, ipIgnore };

    // The dictionary is opened on the first check: DICTIONARY makes it
    // (the system's Hunspell by default) and PERSONALPATH keeps the author's
    // added words.
    using DictionaryFactory = std::function<std::unique_ptr<SpellDictionary>(QString* error)>;
    explicit TSpellCheck(QWidget* window, QString personalPath = {},
                         DictionaryFactory dictionary = {});
    ~TSpellCheck() override;

    void CheckSelection(QTextEdit* edit);
    void CheckRange(QTextEdit* edit, int start, int end);
    void CloseCheckDialog();

    bool Busy() const { return busy_; }
    bool Stopped() const { return stopped_; }
    bool MoreToFollow = false;
    bool ResetCount = true;
    bool AlwaysActive = false;
    InitialPosition Position = ipAvoidControl;

    // Words checked since the count was last reset.
    int CheckedCount() const { return checked_; }
    TSpellBox* Dialog() const { return box_; }

    // The message at the end of a run.
    static constexpr const char* kCompleteText = "The spelling check is complete.";

signals:
    // The dialog now asks about a word (tests answer it from here).
    void prompted(TSpellBox* box);

private:
    bool EnsureDictionary();
    TSpellBox::Answer AskAbout(QTextEdit* edit, int start, int length);
    void PlaceDialog(QTextEdit* edit);
    void Finish();

    QWidget* window_;
    QString personalPath_;
    DictionaryFactory factory_;
    std::unique_ptr<SpellDictionary> dictionary_;
    QPointer<TSpellBox> box_;
    QSet<QString> ignoreAll_;
    QHash<QString, QString> changeAll_;
    bool busy_ = false;
    bool stopped_ = false;
    int checked_ = 0;
};

}  // namespace scrivlet::app
