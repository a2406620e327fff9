#include "app/spelling/spell_dictionary.h"

#include <hunspell.hxx>

#include <QFileInfo>

namespace scrivlet::app {

namespace {

class HunspellDictionary : public SpellDictionary {
public:
    HunspellDictionary(const QString& aff, const QString& dic)
        : speller_(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData()) {
        latin1_ = speller_.get_dict_encoding() != "UTF-8";
    }

    bool Check(const QString& word) const override { return speller_.spell(Encode(word)); }

    QStringList Suggest(const QString& word) const override {
        QStringList out;
        for (const std::string& s : speller_.suggest(Encode(word))) {
            out << Decode(s);
        }
        return out;
    }

    void Add(const QString& word) override { speller_.add(Encode(word)); }

private:
    std::string Encode(const QString& word) const {
        return latin1_ ? word.toLatin1().toStdString() : word.toUtf8().toStdString();
    }
    QString Decode(const std::string& s) const {
        return latin1_ ? QString::fromLatin1(s) : QString::fromStdString(s);
    }

    // Hunspell's queries are not const, though they change nothing we see.
    mutable Hunspell speller_;
    bool latin1_ = false;
};

}  // namespace

QString DictionaryLanguage(const QString& folder, const QString& localeName) {
    if (!localeName.isEmpty() && QFileInfo::exists(folder + "/" + localeName + ".dic") &&
        QFileInfo::exists(folder + "/" + localeName + ".aff")) {
        return localeName;
    }
    return QStringLiteral("en_US");
}

std::unique_ptr<SpellDictionary> OpenHunspell(const QString& folder, const QString& language,
                                              QString* error) {
    const QString aff = folder + "/" + language + ".aff";
    const QString dic = folder + "/" + language + ".dic";
    if (!QFileInfo::exists(aff) || !QFileInfo::exists(dic)) {
        if (error) {
            *error = QStringLiteral(
                         "The spelling dictionary for %1 is not installed.\r\n"
                         "Install the Hunspell dictionary (%1.aff and %1.dic) in %2.")
                         .arg(language, folder);
        }
        return nullptr;
    }
    return std::make_unique<HunspellDictionary>(aff, dic);
}

}  // namespace scrivlet::app
