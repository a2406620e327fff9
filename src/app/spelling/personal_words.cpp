#include "app/spelling/personal_words.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace scrivlet::app {

QString PersonalWords::DefaultPath() {
    const QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
    return QFileInfo(settings.fileName()).absolutePath() + "/personal.dic";
}

QStringList PersonalWords::Load() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList words;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (!word.isEmpty()) {
            words << word;
        }
    }
    return words;
}

bool PersonalWords::Append(const QString& word) const {
    if (Load().contains(word)) {
        return true;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QFile file(path_);
    if (!file.open(QIODevice::Append)) {
        return false;
    }
    return file.write(word.toUtf8() + '\n') > 0;
}

}  // namespace scrivlet::app
