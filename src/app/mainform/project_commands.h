#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

namespace scrivlet::app {

class TMainForm;

// New, Open, a recent file, Save, Save As and the unsaved-changes prompt.
class ProjectCommands : public QObject {
    Q_OBJECT

public:
    // Asks for a file: TITLE, FILTER (Qt form), the preset file name or
    // folder, and whether it is a save dialog. An empty result is a cancel.
    using FileDialog = std::function<QString(const QString& title, const QString& filter,
                                             const QString& preset, bool save)>;

    explicit ProjectCommands(TMainForm& form);

    void New();
    void Open();
    void OpenRecent(int index);
    // Reads PATH into the window; does nothing when no such file exists.
    // True when a project was read.
    bool ReadProject(const QString& path);
    // Reads the recovery copy COPY into the window as the unsaved project
    // ORIGINAL_NAME. True when it was read (failures have been shown).
    bool RestoreProject(const QString& copy, const std::string& originalName);
    // False when nothing was written (a cancelled Save As, a failed store
    // back or write; failures have been shown). A project read from a
    // cut-off file asks first: Save over it, Save As, or Cancel.
    bool Save();
    bool SaveAs();
    // The "Save changes to ...?" prompt; false abandons the asking command.
    bool AskSaveChanges();
    // Stores the name, updates the recent list (unless "Untitled") and the
    // caption.
    void SetFileName(const std::string& name);

    // The empty project: editor, grids and data cleared, no current topic.
    void ResetProject();

    void SetFileDialog(FileDialog dialog) { fileDialog_ = std::move(dialog); }
    // The folder the open and save dialogs start in.
    QString DialogFolder() const { return dialogFolder_; }
    void SetDialogFolder(const QString& folder) { dialogFolder_ = folder; }

private:
    // Stores back and writes the project to PATH; false (shown) on failure.
    bool WriteTo(const std::string& path);
    QString AskFile(const QString& title, const QString& filter, const QString& preset, bool save);

    TMainForm& form_;
    FileDialog fileDialog_;
    QString dialogFolder_;
};

// The caption: the file name without folder, " - ", the application title.
QString CaptionFor(const std::string& fileName);

}  // namespace scrivlet::app
