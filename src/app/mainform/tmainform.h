#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/mainform/action_registry.h"
#include "app/mainform/main_menus.h"
#include "app/mainform/main_toolbars.h"
#include "app/mainform/topic_text.h"
#include "core/model/project.h"
#include "core/topics/preferences.h"
#include "core/topics/recent_files.h"

class QLabel;
class QMenu;
class QSplitter;
class QTabWidget;

namespace scrivlet::app {

class PropertyGrid;
class LongTask;
class ProjectUndo;
class RecoveryKeeper;
class ProjectCommands;
class TAboutBox;
class TopicCommands;
class TopicGridModel;
class TopicGridView;
class TSRichEdit;

// The main window: it owns the one open project and hosts the topic grid,
// the notebook with the editor ("Text") and the property grid ("Prop"), the
// menus, the eight toolbars and the status bar. The commands live in small
// controllers (ProjectCommands, TopicCommands); this class wires them up.
//
// How a feature hooks in:
//  - GetProject():       the open project (topics, settings, Modified).
//  - RichEdit1():        the editor of the current topic's text.
//  - Action("Name"):     every menu item and toolbar button; the names are
//                        listed in main_menus.h and main_toolbars.h. Connect
//                        the feature's handler to its actions' triggered().
//  - Menus(), Toolbars(): the QMenus and toolbars themselves, GridPopup() the
//                        topic grid's popup menu (PopOpen, PopDelete, PopAdd,
//                        PopLink, PopPopupLink, PopSpecialLink, PopProperties).
//  - StoreBack(true):    writes the editor and the property grid into the
//                        current topic; call it before reading topic records.
//                        False when the property grid held a bad number (the
//                        error was shown), and while work runs on the
//                        long-task thread: abandon the command then.
//  - ShowTopic(i):       shows topic i (never changes Modified).
//  - FillTopicGrid():    refills the grid, or set Project().TopicGridStale.
//  - SetModified(bool):  the unsaved-changes flag (and the Save button).
//  - AskSaveChanges():   the "Save changes to ...?" prompt; false = abandon.
//  - LogLine(text):      appends to the error log; SetLogSink installs the
//                        error log window's handler.
//  - Prefs(), SetOptionsConfirmed(), Tools(), BuildToolsMenu(),
//    ApplyGridFont():    for the options dialog.
//  - StatusPanel(0..2):  the status bar panels; SelectionChange() refreshes
//                        the editor-dependent controls.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Reads the preferences, the toolbar layout, the tools and the recent
    // files; the project starts empty until FormShow.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The project file named on the command line; opened by FormShow.
    void SetStartArgument(const QString& path) { startArgument_ = path; }
    // What the first show does: opens the start argument or makes a New
    // project, then fits the property grid. Runs once.
    void FormShow();

    Project& GetProject() { return project_; }
    const Project& GetProject() const { return project_; }
    TSRichEdit* RichEdit1() const { return richEdit_; }
    QAction* Action(const QString& name) const;
    const ActionRegistry& Actions() const { return actions_; }
    const MainMenus& Menus() const { return menus_; }
    const MainToolbars& Toolbars() const { return toolbars_; }
    QMenu* GridPopup() const { return gridPopup_; }
    TopicGridView* TopicGrid() const { return grid_; }
    TopicGridModel* TopicGridRows() const { return gridModel_; }
    PropertyGrid* PropGrid() const { return grid2_; }
    QTabWidget* Notebook() const { return notebook_; }
    QWidget* Ruler() const { return ruler_; }
    QSplitter* Splitter() const { return splitter_; }
    // The splitter position: the left part's width.
    int GrabLeft() const;
    QLabel* StatusPanel(int index) const { return panels_[index]; }
    TAboutBox* AboutBox() const { return about_; }
    ProjectCommands& ProjectCmds() const { return *projectCommands_; }
    TopicCommands& TopicCmds() const { return *topicCommands_; }
    // The project's undo stack: every change to the project is recorded there.
    ProjectUndo& Undo() const { return *undo_; }
    RecoveryKeeper& Recovery() const { return *recovery_; }
    // Compile and import run there, off the interface thread.
    LongTask& LongWork() const { return *longTask_; }

    bool StoreBack(bool withProperties);
    void ShowTopic(int index);
    void FillTopicGrid(bool showFirst);
    void SetModified(bool value);
    bool AskSaveChanges();
    void SelectionChange();

    void LogLine(const QString& line);
    void SetLogSink(std::function<void(const QString&)> sink) { logSink_ = std::move(sink); }
    const QStringList& LogLines() const { return logLines_; }

    Preferences& Prefs() { return prefs_; }
    bool OptionsConfirmed() const { return optionsConfirmed_; }
    void SetOptionsConfirmed() { optionsConfirmed_ = true; }
    std::vector<std::string>& Tools() { return tools_; }
    void BuildToolsMenu();
    void RunTool(int index);
    void ApplyGridFont(const QString& name, int size);

    const RecentFiles& Recent() const { return recent_; }
    RecentFiles& Recent() { return recent_; }
    void RebuildRecentMenu();

    // True while a topic's text is being loaded: editor changes then do not
    // count as edits.
    bool LoadingText() const { return loadingText_; }
    void SetLoadingText(bool value) { loadingText_ = value; }
    // Topic texts past these sizes are opened in part and read-only.
    TopicTextLimit EditorLoadLimit() const { return editorLoadLimit_; }
    void SetEditorLoadLimit(TopicTextLimit limit) { editorLoadLimit_ = limit; }
    // Whether the editor holds only the beginning of the current topic's
    // text: its changes then never reach the topic. The notice over the
    // editor says so.
    bool EditorHoldsPart() const { return editorHoldsPart_; }
    void SetEditorHoldsPart(bool value, const QString& notice = {});
    QLabel* PartNotice() const { return partNotice_; }
    // Whether the editor was changed since the current topic was shown.
    bool EditorChanged() const { return editorChanged_; }
    void SetEditorChanged(bool value) { editorChanged_ = value; }

    // Writes the toolbar layout, the settings, the tools (after the options
    // dialog) and the recent files. Done when the close is allowed.
    void SavePreferences();

    QMenu* createPopupMenu() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void BuildStatusBar();
    void BuildGridPopup();
    void ApplyPreferences();
    void ConnectCommands();
    void ConnectViewItems();
    void SetPropertiesPage(bool on);
    void SyncToolbarItems();
    void RichEdit1Change();

    Project project_;
    Preferences prefs_;
    bool optionsConfirmed_ = false;
    std::vector<std::string> tools_;
    RecentFiles recent_;
    std::optional<QString> startArgument_;
    bool firstShown_ = false;
    bool firstLaidOut_ = false;
    bool loadingText_ = false;
    bool editorChanged_ = false;
    bool editorHoldsPart_ = false;
    TopicTextLimit editorLoadLimit_;
    QStringList logLines_;
    std::function<void(const QString&)> logSink_;

    ActionRegistry actions_;
    MainMenus menus_;
    MainToolbars toolbars_;
    QList<QAction*> recentItems_;
    QList<QAction*> toolItems_;
    QMenu* gridPopup_ = nullptr;
    QSplitter* splitter_ = nullptr;
    TopicGridView* grid_ = nullptr;
    TopicGridModel* gridModel_ = nullptr;
    QTabWidget* notebook_ = nullptr;
    QWidget* ruler_ = nullptr;
    QLabel* partNotice_ = nullptr;
    TSRichEdit* richEdit_ = nullptr;
    PropertyGrid* grid2_ = nullptr;
    QLabel* panels_[3] = {};
    TAboutBox* about_ = nullptr;
    ProjectCommands* projectCommands_ = nullptr;
    TopicCommands* topicCommands_ = nullptr;
    ProjectUndo* undo_ = nullptr;
    RecoveryKeeper* recovery_ = nullptr;
    LongTask* longTask_ = nullptr;
};

}  // namespace scrivlet::app
