#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QTimer;

namespace scrivlet::app {

class TMainForm;

// Crash recovery. While the project has unsaved changes, a copy of it (the
// editor's text included) is written every minute, and at once after a
// change to the whole project, into the user's application data folder,
// never beside the project. A clean save or close removes it. The next
// start finds a copy that no running window holds and offers to restore it.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    explicit RecoveryKeeper(TMainForm& form);
    ~RecoveryKeeper() override;

    // Where the copies live: the application data folder + "/recovery".
    static QString Folder();
    // The offer at start; true when a copy was restored into the window.
    bool OfferRestore();
    // Writes the copy now when the project has unsaved changes.
    void WriteNow();
    // Removes this window's copy (a clean save or close).
    void Remove();
    // The copy being kept, empty when there is none.
    QString CopyPath() const { return copy_; }

private:
    TMainForm& form_;
    QTimer* timer_;
    QString copy_;
    std::unique_ptr<QLockFile> lock_;
};

// The question the offer asks: the project's name and when its copy was
// written.
QString RestoreQuestion(const QString& projectName, const QDateTime& written);

}  // namespace scrivlet::app
