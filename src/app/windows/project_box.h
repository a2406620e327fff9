#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/windows/project_options.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// "Project Options": the project-wide settings on three pages. The dialog
// works on copies; the project changes only on OK.
class TProjectBox : public QDialog {
    Q_OBJECT

public:
    // The file and folder choosers. Each returns the chosen path, or nothing
    // when the author cancels. Tests replace them.
    struct Choosers {
        // "Find Contents File", starting in FOLDER (empty: wherever it likes).
        std::function<std::optional<QString>(QWidget*, const QString& folder)> ContentsFile;
        // "Select RTF file", starting at FILE when set, else in FOLDER.
        std::function<std::optional<QString>(QWidget*, const QString& folder, const QString& file)>
            RtfFile;
        // "Select Directory:", starting at FOLDER.
        std::function<std::optional<QString>(QWidget*, const QString& folder)> Folder;
    };

    TProjectBox(const Project& project, QWidget* parent = nullptr);

    // Shows the dialog for PROJECT; on OK stores it back, marks the project
    // modified and returns true.
    static bool Run(QWidget* parent, Project& project);

    // The settings as the controls hold them now.
    ProjectOptions Options() const;

    void SetChoosers(Choosers choosers) { choosers_ = std::move(choosers); }
    static Choosers StandardChoosers();

    // The button handlers.
    void BitBtn1Click();
    void BitBtn2Click();
    void AddBitClick();
    void EditBitClick();
    void DelBitClick();
    void addrtfClick();
    void editrtfClick();
    void delrtffClick();

private:
    QWidget* BuildGeneralPage();
    QWidget* BuildFilesPage();
    QWidget* BuildAdvancedPage();
    void Fill(const ProjectOptions& options);
    static void FillList(QComboBox* box, const StringList& entries, int selected);
    StringList ListOf(const QComboBox* box) const;

    std::string projectFolder_;
    Choosers choosers_;
    // The RTF chooser is shared by the RTF list and the template, so its
    // folder and file carry over from one use to the next.
    QString rtfFolder_;
    QString rtfFile_;
    ProjectOptions base_;

    QTabWidget* pages_ = nullptr;
    QLineEdit* title_ = nullptr;
    QComboBox* contents_ = nullptr;
    QCheckBox* error_ = nullptr;
    QCheckBox* showhelp_ = nullptr;
    QLineEdit* copyright_ = nullptr;
    QLineEdit* citation_ = nullptr;
    QLineEdit* helpfile_ = nullptr;
    QLineEdit* cntfile_ = nullptr;
    QComboBox* bitbox_ = nullptr;
    QComboBox* rtfbox_ = nullptr;
    QLineEdit* template_ = nullptr;
    QPlainTextEdit* cMemo_ = nullptr;
    QComboBox* include_ = nullptr;
    QComboBox* exclude_ = nullptr;
    QCheckBox* compress_ = nullptr;
};

}  // namespace scrivlet::app
