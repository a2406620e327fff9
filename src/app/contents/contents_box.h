#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "core/contents/contents_edit.h"
#include "core/contents/contents_file.h"

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSplitter;
class QToolBar;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

class TCntList;
class TTopicsList;

// The contents editor: a modal window over one contents file, with the
// project's topics beside it to drag in. It reads the project and never
// changes it.
class TContentsBox : public QDialog {
    Q_OBJECT
public:
    TContentsBox(const Project& project, QWidget* parent);
    ~TContentsBox() override;

    // Opens the editor for PROJECT and runs it until it closes.
    static void Execute(const Project& project, QWidget* parent);

    const ContentsFile& Contents() const { return file_; }
    // The selected entry, or -1.
    int Selection() const;
    void Select(int index);

    // Stand-ins for the file dialogs and the entry dialog; tests replace them.
    // An empty name or no line means the user cancelled.
    std::function<QString()> ChooseOpenFile;
    std::function<QString(const QString& proposed)> ChooseSaveFile;
    std::function<std::optional<std::string>(const std::string& line, bool addMode)> EditEntry;

    // The controls, named as the form names them.
    QToolBar* Toolbar;
    TTopicsList* TopicsList;
    TCntList* cntlist;
    QSplitter* GrabBar1;
    QLineEdit* xTitle;
    QLineEdit* xFile;
    QComboBox* xWindow;
    QPushButton* IndexBtn;
    QPushButton* LinkBtn;
    QPushButton* TabsBtn;

public slots:
    void FileNew();
    void FileOpen();
    // False when the save did not happen (cancelled or failed).
    bool FileSave();
    bool FileSaveAs();
    void AddItem();
    void EditItem();
    void DeleteItem();
    void MoveUpItem();
    void MoveDownItem();
    void MoveLeftItem();
    void MoveRightItem();
    void IndexBtnClick();
    void LinkBtnClick();
    void TabsBtnClick();
    void cntlistTopicDrop(int target);
    void cntlistEntryDrop(int source, int target);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildToolbar();
    QWidget* BuildLists();
    QWidget* BuildBottomPanel();
    void ReadPlacement();
    void WritePlacement();
    void OpenProjectContents(const Project& project);
    // True when the command that asked may go on.
    bool SavePrompt(bool closing);
    bool Save(bool quiet);
    bool SaveAs(bool quiet);
    void Apply(const ContentsEditResult& result);
    void ShowFile();
    void RefreshList(int selection);
    void UpdateCaption();
    QStringList WindowNames() const;

    ContentsFile file_;
    // What Save As proposes while the file is "Untitled"; empty for a
    // project never saved.
    std::string proposedName_;
    QStringList contexts_;
    QStringList titles_;
    bool updating_ = false;
    bool named_ = false;
};

}  // namespace scrivlet::app
