#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace scrivlet::app {

// The word source a spelling check asks: whether a word is right, what it
// could be instead, and new words the author adds.
class SpellDictionary {
public:
    virtual ~SpellDictionary() = default;
    virtual bool Check(const QString& word) const = 0;
    virtual QStringList Suggest(const QString& word) const = 0;
    virtual void Add(const QString& word) = 0;
};

// The folder of the system's Hunspell dictionaries.
inline constexpr const char* kHunspellFolder = "/usr/share/hunspell";

// The dictionary language: the system locale's (as "en_US") when FOLDER holds
// a dictionary for it, otherwise "en_US".
QString DictionaryLanguage(const QString& folder, const QString& localeName);

// A Hunspell dictionary LANGUAGE from FOLDER. Nothing, with ERROR set to the
// message for the author, when its files are missing.
std::unique_ptr<SpellDictionary> OpenHunspell(const QString& folder, const QString& language,
                                              QString* error);

}  // namespace scrivlet::app
