#include "app/spelling/spell_checker.h"

#include <QEventLoop>
#include <QLocale>
#include <QScopeGuard>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "app/common/message_box.h"
#include "app/spelling/personal_words.h"
#include "app/spelling/spell_dictionary.h"
#include "core/editor/spell_words.h"

namespace scrivlet::app {

TSpellCheck::TSpellCheck(QWidget* window, QString personalPath, DictionaryFactory dictionary)
    : QObject(window),
      window_(window),
      personalPath_(std::move(personalPath)),
      factory_(std::move(dictionary)) {
    setObjectName("Spell1");
    if (personalPath_.isEmpty()) {
        personalPath_ = PersonalWords::DefaultPath();
    }
    if (!factory_) {
        factory_ = [](QString* error) {
            const QString language = DictionaryLanguage(kHunspellFolder, QLocale::system().name());
            return OpenHunspell(kHunspellFolder, language, error);
        };
    }
}

TSpellCheck::~TSpellCheck() {
    delete box_;
}

bool TSpellCheck::EnsureDictionary() {
    if (dictionary_) {
        return true;
    }
    QString error;
    dictionary_ = factory_(&error);
    if (!dictionary_) {
        MessageBox::Error(window_, error);
        return false;
    }
    for (const QString& word : PersonalWords(personalPath_).Load()) {
        dictionary_->Add(word);
    }
    return true;
}

void TSpellCheck::CheckSelection(QTextEdit* edit) {
    const QTextCursor cursor = edit->textCursor();
    CheckRange(edit, cursor.selectionStart(), cursor.selectionEnd());
}

void TSpellCheck::CheckRange(QTextEdit* edit, int start, int end) {
    if (busy_) {
        return;
    }
    stopped_ = false;
    if (!EnsureDictionary()) {
        stopped_ = true;
        return;
    }
    busy_ = true;
    const auto done = qScopeGuard([this] { busy_ = false; });
    if (ResetCount) {
        checked_ = 0;
    }
    QTextDocument* doc = edit->document();
    end = std::min(end, doc->characterCount() - 1);
    int pos = std::max(0, start);
    while (pos < end) {
        const std::u16string text = doc->toPlainText().toStdU16String();
        const auto word = NextWord(text, pos, end);
        if (!word) {
            break;
        }
        ++checked_;
        const QString spelled = QString::fromStdU16String(text.substr(word->start, word->length));
        pos = word->start + word->length;
        if (ignoreAll_.contains(spelled) || dictionary_->Check(spelled)) {
            continue;
        }
        QString replacement;
        if (changeAll_.contains(spelled)) {
            replacement = changeAll_.value(spelled);
        } else {
            const TSpellBox::Answer answer = AskAbout(edit, word->start, word->length);
            if (answer == TSpellBox::Answer::Cancel || answer == TSpellBox::Answer::None) {
                stopped_ = true;
                break;
            }
            if (answer == TSpellBox::Answer::IgnoreAll) {
                ignoreAll_.insert(spelled);
            } else if (answer == TSpellBox::Answer::Add) {
                dictionary_->Add(spelled);
                if (!PersonalWords(personalPath_).Append(spelled)) {
                    MessageBox::Error(
                        window_,
                        QStringLiteral("Cannot write the word list %1.").arg(personalPath_));
                }
            } else if (answer == TSpellBox::Answer::Change ||
                       answer == TSpellBox::Answer::ChangeAll) {
                replacement = box_->ChangeTo();
                if (answer == TSpellBox::Answer::ChangeAll) {
                    changeAll_.insert(spelled, replacement);
                }
            }
        }
        if (!replacement.isEmpty() && replacement != spelled) {
            QTextCursor cursor(doc);
            cursor.setPosition(word->start);
            cursor.setPosition(word->start + word->length, QTextCursor::KeepAnchor);
            cursor.insertText(replacement);
            const int delta = static_cast<int>(replacement.size()) - word->length;
            end += delta;
            pos += delta;
        }
    }
    if (!MoreToFollow || stopped_) {
        Finish();
    }
}

TSpellBox::Answer TSpellCheck::AskAbout(QTextEdit* edit, int start, int length) {
    QTextCursor cursor(edit->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    const QTextBlock block = edit->document()->findBlock(start);
    const QString word = cursor.selectedText();
    if (!box_) {
        box_ = new TSpellBox(window_);
    }
    box_->Ask(word, block.text(), start - block.position(), dictionary_->Suggest(word));
    PlaceDialog(edit);

    TSpellBox::Answer answer = TSpellBox::Answer::None;
    QEventLoop loop;
    const auto link = connect(box_, &TSpellBox::answered, &loop, [&](int given) {
        answer = static_cast<TSpellBox::Answer>(given);
        loop.quit();
    });
    const auto gone = connect(box_, &QObject::destroyed, &loop, &QEventLoop::quit);
    emit prompted(box_);
    if (answer == TSpellBox::Answer::None) {
        loop.exec();
    }
    disconnect(link);
    disconnect(gone);
    return answer;
}

void TSpellCheck::PlaceDialog(QTextEdit* edit) {
    if (Position != ipAvoidControl || !box_ || box_->isVisible() == false) {
        return;
    }
    // Keep the dialog off the word: below the caret line, or above it when
    // that does not fit on the screen.
    const QRect caret = edit->cursorRect();
    const QPoint below = edit->viewport()->mapToGlobal(caret.bottomLeft()) + QPoint(0, 8);
    QRect frame = box_->frameGeometry();
    frame.moveTopLeft(below);
    if (QScreen* screen = box_->screen()) {
        if (frame.bottom() > screen->availableGeometry().bottom()) {
            frame.moveBottom(edit->viewport()->mapToGlobal(caret.topLeft()).y() - 8);
        }
    }
    box_->move(frame.topLeft());
}

void TSpellCheck::Finish() {
    const bool stopped = stopped_;
    CloseCheckDialog();
    if (!stopped) {
        MessageBox::Inform(window_, kCompleteText);
    }
}

void TSpellCheck::CloseCheckDialog() {
    if (box_) {
        box_->hide();
    }
}

}  // namespace scrivlet::app
