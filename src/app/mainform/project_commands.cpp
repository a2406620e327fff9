#include "app/mainform/project_commands.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_commands.h"
#include "app/topics/property_grid.h"
#include "app/topics/topic_grid_model.h"
#include "app/undo/project_undo.h"
#include "core/projectfile/project_file.h"
#include "core/util/errors.h"

namespace scrivlet::app {
namespace {

const QString kOpenTitle = QStringLiteral("Open Help Project");
const QString kOpenFilter = QStringLiteral("Scrivlet Projects (*.scw)");
const QString kSaveTitle = QStringLiteral("Save Project As...");
const QString kSaveFilter = QStringLiteral("Scrivlet Project  (*.scw)");

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString RealFileDialog(QWidget* parent, const QString& title, const QString& filter,
                       const QString& preset, bool save) {
    QFileDialog dialog(parent, title, preset, filter);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Names typed without an extension become project files, which is
        // what the open dialog lists.
        dialog.setDefaultSuffix("scw");
        dialog.selectFile(preset);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString CaptionFor(const std::string& fileName) {
    return QStringLiteral("%1 - %2").arg(QString::fromStdString(FileNameOnly(fileName)),
                                         QStringLiteral("Scrivlet"));
}

ProjectCommands::ProjectCommands(TMainForm& form) : QObject(&form), form_(form) {}

QString ProjectCommands::AskFile(const QString& title, const QString& filter, const QString& preset,
                                 bool save) {
    QString chosen = fileDialog_ ? fileDialog_(title, filter, preset, save)
                                 : RealFileDialog(&form_, title, filter, preset, save);
    if (!chosen.isEmpty()) {
        dialogFolder_ = QFileInfo(chosen).absolutePath();
    }
    return chosen;
}

void ProjectCommands::ResetProject() {
    TMainForm& f = form_;
    f.SetLoadingText(true);
    f.RichEdit1()->clear();
    f.SetLoadingText(false);
    f.SetEditorChanged(false);
    f.SetEditorHoldsPart(false);
    f.TopicGridRows()->Clear();
    f.PropGrid()->ClearValues();
    f.GetProject().Reset();
    f.Undo().Clear();
}

void ProjectCommands::New() {
    if (!AskSaveChanges()) {
        return;
    }
    ResetProject();
    form_.SetModified(false);
    SetFileName(kUntitled);
    form_.TopicCmds().AddTopic(/*fromNew=*/true);
    Project& project = form_.GetProject();
    project.ConfigMacros.push_back("BrowseButtons()");
    project.Compress = true;
}

void ProjectCommands::Open() {
    if (!AskSaveChanges()) {
        return;
    }
    const QString path = AskFile(kOpenTitle, kOpenFilter, dialogFolder_, false);
    if (!path.isEmpty()) {
        ReadProject(path);
    }
}

void ProjectCommands::OpenRecent(int index) {
    const auto& items = form_.Recent().Items();
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return;
    }
    const std::string path = items[static_cast<std::size_t>(index)];
    if (!AskSaveChanges()) {
        return;
    }
    ReadProject(QString::fromStdString(path));
}

bool ProjectCommands::ReadProject(const QString& path) {
    const std::string name = path.toStdString();
    std::optional<Project> read;
    try {
        WaitCursor wait;
        const Preferences& prefs = form_.Prefs();
        read = ReadProjectFile(std::filesystem::path(name),
                               NumberingPrefs{prefs.IDcount, prefs.IDinc});
    } catch (const ScrivletError& e) {
        MessageBox::Error(&form_, QString::fromStdString(e.what()));
        return false;
    }
    if (!read) {
        return false;
    }
    {
        WaitCursor wait;
        ResetProject();
        form_.GetProject().ReplaceWith(std::move(*read));
        form_.GetProject().CurrentTopic = -1;
        SetFileName(name);
        form_.FillTopicGrid(true);
        form_.SetModified(false);
    }
    if (const auto& cutOff = form_.GetProject().CutOff) {
        MessageBox::Warn(&form_, QString::fromStdString(CutOffWarning(name, *cutOff)));
    }
    return true;
}

bool ProjectCommands::RestoreProject(const QString& copy, const std::string& originalName) {
    std::optional<Project> read;
    try {
        WaitCursor wait;
        read = ReadProjectFile(std::filesystem::path(copy.toStdString()));
    } catch (const ScrivletError& e) {
        MessageBox::Error(&form_, QString::fromStdString(e.what()));
        return false;
    }
    if (!read) {
        return false;
    }
    WaitCursor wait;
    ResetProject();
    form_.GetProject().ReplaceWith(std::move(*read));
    form_.GetProject().CurrentTopic = -1;
    SetFileName(originalName.empty() ? std::string(kUntitled) : originalName);
    form_.FillTopicGrid(true);
    form_.SetModified(true);
    return true;
}

bool ProjectCommands::Save() {
    Project& project = form_.GetProject();
    if (project.IsUntitled()) {
        return SaveAs();
    }
    if (project.CutOff) {
        const auto answer = MessageBox::AskWarning(
            &form_, QString::fromStdString(CutOffSaveQuestion(project.ProjectFileName)),
            QMessageBox::Save | QMessageBox::Ignore | QMessageBox::Cancel, QMessageBox::Cancel,
            {{QMessageBox::Ignore, QStringLiteral("Save As...")}});
        if (answer == QMessageBox::Ignore) {
            return SaveAs();
        }
        if (answer != QMessageBox::Save) {
            return false;
        }
    }
    return WriteTo(project.ProjectFileName);
}

bool ProjectCommands::WriteTo(const std::string& path) {
    Project& project = form_.GetProject();
    WaitCursor wait;
    if (!form_.StoreBack(true)) {
        return false;
    }
    try {
        WriteProjectFile(project, std::filesystem::path(path));
    } catch (const ScrivletError& e) {
        MessageBox::Error(&form_, QString::fromStdString(e.what()));
        return false;
    }
    project.CutOff.reset();
    form_.Undo().SetClean();
    form_.SetModified(false);
    return true;
}

bool ProjectCommands::SaveAs() {
    const Project& project = form_.GetProject();
    QString preset = QString::fromStdString(project.ProjectFileName);
    if (QFileInfo(preset).isRelative()) {
        preset = QDir(dialogFolder_).filePath(preset);
    }
    const QString path = AskFile(kSaveTitle, kSaveFilter, preset, true);
    if (path.isEmpty()) {
        return false;
    }
    // The project moves to the new name only once it is there: a failed
    // write leaves later saves going where they went before.
    if (!WriteTo(path.toStdString())) {
        return false;
    }
    SetFileName(path.toStdString());
    return true;
}

bool ProjectCommands::AskSaveChanges() {
    const Project& project = form_.GetProject();
    if (!project.Modified()) {
        return true;
    }
    const auto answer = MessageBox::AskYesNoCancel(
        &form_, "Save changes to " + QString::fromStdString(project.ProjectFileName) + "?");
    if (answer == QMessageBox::Yes) {
        return Save();
    }
    return answer == QMessageBox::No;
}

void ProjectCommands::SetFileName(const std::string& name) {
    form_.GetProject().ProjectFileName = name;
    if (name != kUntitled) {
        form_.Recent().Add(name);
        form_.RebuildRecentMenu();
    }
    form_.setWindowTitle(CaptionFor(name));
}

}  // namespace scrivlet::app
