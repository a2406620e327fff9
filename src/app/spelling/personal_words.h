#pragma once

#include <QString>
#include <QStringList>

namespace scrivlet::app {

// The author's own words, one a line in a UTF-8 file beside the settings.
class PersonalWords {
public:
    explicit PersonalWords(QString path) : path_(std::move(path)) {}

    // The file beside the settings store.
    static QString DefaultPath();

    QStringList Load() const;
    // Adds WORD to the file unless it is there; false when it cannot be written.
    bool Append(const QString& word) const;
    const QString& Path() const { return path_; }

private:
    QString path_;
};

}  // namespace scrivlet::app
