#include "app/recovery/recovery_keeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_text.h"
#include "app/undo/project_undo.h"
#include "core/projectfile/project_file.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"

namespace scrivlet::app {
namespace {

constexpr int kIntervalMs = 60 * 1000;

// The copy of one window: named after the process, so two windows never
// share one, and locked while the window lives.
QString CopyName() {
    return QStringLiteral("project-%1.scw").arg(QCoreApplication::applicationPid());
}

// The first line of the note beside a copy: the project's own file name.
QString NotePath(const QString& copy) {
    return copy + QStringLiteral(".name");
}

QString LockPath(const QString& copy) {
    return copy + QStringLiteral(".lock");
}

int Interval() {
    // The kill test cannot wait a minute for each copy.
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("SCRIVLET_RECOVERY_INTERVAL_MS", &ok);
    return ok && ms > 0 ? ms : kIntervalMs;
}

void RemoveCopy(const QString& copy) {
    QFile::remove(copy);
    QFile::remove(NotePath(copy));
}

}  // namespace

QString RestoreQuestion(const QString& projectName, const QDateTime& written) {
    return QStringLiteral(
               "Scrivlet was not closed properly. A recovery copy of %1 was written on %2.\n"
               "Restore it? No deletes the copy.")
        .arg(projectName, QLocale::c().toString(written, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

RecoveryKeeper::RecoveryKeeper(TMainForm& form)
    : QObject(&form), form_(form), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("RecoveryKeeper"));
    timer_->setInterval(Interval());
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
    timer_->start();
    connect(&form_.Undo(), &ProjectUndo::projectWideChange, this, &RecoveryKeeper::WriteNow);
    form_.GetProject().AddModifiedListener([this](bool modified) {
        if (!modified) {
            Remove();
        }
    });
}

// An orderly end never needs the copy: the author was asked about the
// changes, or the program ends on purpose. Only a crash or a kill, which
// run no destructor, leaves it.
RecoveryKeeper::~RecoveryKeeper() {
    Remove();
}

QString RecoveryKeeper::Folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

void RecoveryKeeper::WriteNow() {
    Project& project = form_.GetProject();
    if (!project.Modified()) {
        return;
    }
    if (copy_.isEmpty()) {
        if (!QDir().mkpath(Folder())) {
            return;
        }
        copy_ = Folder() + QLatin1Char('/') + CopyName();
        lock_ = std::make_unique<QLockFile>(LockPath(copy_));
        lock_->setStaleLockTime(0);
        lock_->tryLock(0);
    }
    // The editor's text goes into the copy without being stored back, so
    // writing a copy changes nothing in the window.
    const int current = project.CurrentTopic;
    const bool editing = form_.EditorChanged() && current >= 0 &&
                         static_cast<std::size_t>(current) < project.Topics.Count();
    std::vector<std::string> shown;
    if (editing) {
        shown = SaveTopicText(*form_.RichEdit1()->document());
        std::swap(shown, project.Topics[static_cast<std::size_t>(current)].Text);
    }
    try {
        WriteProjectFile(project, copy_.toStdString());
        WriteFileAtomic(NotePath(copy_).toStdString(), project.ProjectFileName + "\n");
    } catch (const ScrivletError&) {
        // A copy that cannot be written is no reason to interrupt the author;
        // the next minute tries again.
    }
    if (editing) {
        std::swap(shown, project.Topics[static_cast<std::size_t>(current)].Text);
    }
}

void RecoveryKeeper::Remove() {
    if (!copy_.isEmpty()) {
        RemoveCopy(copy_);
    }
}

bool RecoveryKeeper::OfferRestore() {
    const QDir folder(Folder());
    const QFileInfoList copies =
        folder.entryInfoList({QStringLiteral("project-*.scw")}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        const QString path = copy.absoluteFilePath();
        if (path == copy_) {
            continue;
        }
        // A copy whose window still runs is that window's business.
        QLockFile lock(LockPath(path));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            continue;
        }
        QFile note(NotePath(path));
        QString name = QString::fromLatin1(kUntitled);
        if (note.open(QIODevice::ReadOnly)) {
            name = QString::fromUtf8(note.readLine()).trimmed();
        }
        const auto answer =
            MessageBox::AskYesNo(&form_, RestoreQuestion(name, copy.lastModified()));
        if (answer == QMessageBox::Yes &&
            form_.ProjectCmds().RestoreProject(path, name.toStdString())) {
            // The restored project is this window's unsaved work now: its
            // copy is kept under this window's name from the next write on.
            RemoveCopy(path);
            lock.unlock();
            QFile::remove(LockPath(path));
            WriteNow();
            return true;
        }
        if (answer != QMessageBox::Yes) {
            RemoveCopy(path);
        }
        lock.unlock();
        QFile::remove(LockPath(path));
    }
    return false;
}

}  // namespace scrivlet::app
