#include "app/spelling/thesaurus.h"

#include <mythes.hxx>

#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextEdit>

#include "app/common/message_box.h"
#include "app/spelling/thesaurus_box.h"
#include "core/editor/spell_words.h"

namespace scrivlet::app {

TThesaurus::TThesaurus(QWidget* window, QString folder)
    : QObject(window), window_(window), folder_(std::move(folder)) {
    setObjectName("Thesaurus1");
    chooser_ = [this](const QString& word, const QList<ThesaurusMeaning>& meanings) {
        TThesaurusBox box(window_, [this](const QString& w) { return Meanings(w); });
        box.Show(word, meanings);
        return box.exec() == QDialog::Accepted ? box.Replacement() : QString();
    };
}

TThesaurus::~TThesaurus() = default;

bool TThesaurus::Open(QString* error) {
    if (thes_) {
        return true;
    }
    const QString idx = folder_ + "/th_en_US_v2.idx";
    const QString dat = folder_ + "/th_en_US_v2.dat";
    if (!QFileInfo::exists(idx) || !QFileInfo::exists(dat)) {
        if (error) {
            *error = QStringLiteral(
                         "The thesaurus for en_US is not installed.\r\n"
                         "Install the MyThes data (th_en_US_v2.idx and th_en_US_v2.dat) in %1.")
                         .arg(folder_);
        }
        return false;
    }
    thes_ = std::make_unique<MyThes>(QFile::encodeName(idx).constData(),
                                     QFile::encodeName(dat).constData());
    return true;
}

QList<ThesaurusMeaning> TThesaurus::Meanings(const QString& word, QString* error) {
    QList<ThesaurusMeaning> out;
    if (!Open(error) || word.isEmpty()) {
        return out;
    }
    const bool utf8 = QString::fromLatin1(thes_->get_th_encoding()).toUpper() == "UTF-8";
    const QByteArray key = utf8 ? word.toLower().toUtf8() : word.toLower().toLatin1();
    mentry* entries = nullptr;
    const int count = thes_->Lookup(key.constData(), static_cast<int>(key.size()), &entries);
    auto decode = [utf8](const char* s) {
        return s == nullptr ? QString() : utf8 ? QString::fromUtf8(s) : QString::fromLatin1(s);
    };
    for (int i = 0; i < count; ++i) {
        ThesaurusMeaning meaning;
        meaning.description = decode(entries[i].defn);
        for (int k = 0; k < entries[i].count; ++k) {
            meaning.synonyms << decode(entries[i].psyns[k]);
        }
        out << meaning;
    }
    if (count > 0) {
        thes_->CleanUpAfterLookup(&entries, count);
    }
    return out;
}

void TThesaurus::LookUp(QTextEdit* edit) {
    QTextCursor cursor = edit->textCursor();
    if (!cursor.hasSelection()) {
        const std::u16string text = edit->toPlainText().toStdU16String();
        const auto word = WordAt(text, cursor.position());
        if (word) {
            cursor.setPosition(word->start);
            cursor.setPosition(word->start + word->length, QTextCursor::KeepAnchor);
        }
    }
    const QString word = cursor.selectedText().trimmed();
    QString error;
    const QList<ThesaurusMeaning> meanings = Meanings(word, &error);
    if (!error.isEmpty()) {
        MessageBox::Error(window_, error);
        return;
    }
    const QString replacement = chooser_(word, meanings);
    if (!replacement.isEmpty() && replacement != word && cursor.hasSelection()) {
        cursor.insertText(replacement);
        edit->setTextCursor(cursor);
    }
}

}  // namespace scrivlet::app
