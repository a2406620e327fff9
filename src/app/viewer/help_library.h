#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "help/help_document.h"
#include "help/viewer_keywords.h"
#include "help/viewer_search.h"

namespace scrivlet::app {

// An open help file: its document, and the indexes the Help Topics tabs
// build the first time they are asked for.
struct OpenHelpFile {
    QString path;  // absolute
    help::HelpDocument document;

    const std::vector<help::KeywordEntry>& Keywords();
    const help::FullTextIndex& FullText();

private:
    std::unique_ptr<std::vector<help::KeywordEntry>> keywords_;
    std::unique_ptr<help::FullTextIndex> fullText_;
};

// The help files the viewer has opened, each read once. Reading goes
// through a loader (ReadHelpFile by default) that throws
// help::HelpFileError, so tests hand in documents of their own.
class HelpLibrary {
public:
    using Loader = std::function<help::HelpDocument(const QString& path)>;

    HelpLibrary();
    explicit HelpLibrary(Loader loader);

    // The file at PATH, read now or before; throws help::HelpFileError.
    std::shared_ptr<OpenHelpFile> Open(const QString& path);

    // The file a jump names ("other.hlp", "sub\other.hlp"), found beside
    // FROM: as written, then without regard to case, as a help file written
    // on Windows names its neighbours.
    static QString Resolve(const QString& from, const std::string& name);

private:
    Loader loader_;
    std::map<QString, std::shared_ptr<OpenHelpFile>> files_;
};

}  // namespace scrivlet::app
