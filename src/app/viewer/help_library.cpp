#include "app/viewer/help_library.h"

#include <QDir>
#include <QFileInfo>

#include "help/hlp/hlp_reader.h"

namespace scrivlet::app {

const std::vector<help::KeywordEntry>& OpenHelpFile::Keywords() {
    if (!keywords_) {
        keywords_ = std::make_unique<std::vector<help::KeywordEntry>>(
            help::BuildKeywordIndex(document.help));
    }
    return *keywords_;
}

const help::FullTextIndex& OpenHelpFile::FullText() {
    if (!fullText_) {
        fullText_ = std::make_unique<help::FullTextIndex>(document.help);
    }
    return *fullText_;
}

HelpLibrary::HelpLibrary()
    : HelpLibrary([](const QString& path) {
          return help::ReadHelpFile(std::filesystem::path(path.toStdString()));
      }) {}

HelpLibrary::HelpLibrary(Loader loader) : loader_(std::move(loader)) {}

std::shared_ptr<OpenHelpFile> HelpLibrary::Open(const QString& path) {
    const QString key = QFileInfo(path).absoluteFilePath();
    if (auto it = files_.find(key); it != files_.end()) {
        return it->second;
    }
    auto file = std::make_shared<OpenHelpFile>();
    file->path = key;
    file->document = loader_(key);
    files_[key] = file;
    return file;
}

QString HelpLibrary::Resolve(const QString& from, const std::string& name) {
    QString relative = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.size() > 1 && relative[1] == QLatin1Char(':')) {
        relative = relative.mid(2);  // a drive letter means nothing here
    }
    while (relative.startsWith(QLatin1Char('/')) && !QFileInfo::exists(relative)) {
        relative = relative.mid(1);
    }
    QDir folder = QFileInfo(from).absoluteDir();
    const QString direct = QFileInfo(relative).isAbsolute() ? relative : folder.filePath(relative);
    if (QFileInfo::exists(direct)) {
        return QFileInfo(direct).absoluteFilePath();
    }
    // Walk the parts without regard to case.
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QStringList entries =
            folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QString match;
        for (const QString& entry : entries) {
            if (entry.compare(parts[i], Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty()) {
            return folder.filePath(parts.mid(i).join(QLatin1Char('/')));
        }
        if (i + 1 == parts.size()) {
            return folder.absoluteFilePath(match);
        }
        folder.cd(match);
    }
    return direct;
}

}  // namespace scrivlet::app
