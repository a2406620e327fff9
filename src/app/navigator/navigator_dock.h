#pragma once

#include <QDockWidget>
#include <functional>
#include <memory>
#include <vector>

#include "core/model/project.h"
#include "core/navigator/project_check.h"
#include "core/search/project_find.h"
#include "core/search/replace_plan.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QThread;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace scrivlet::app {

// What the navigator needs of the window: the project, a way to have the
// editor's text stored into it, and a way to open a topic at a place.
struct NavigatorHost {
    std::function<const Project&()> project;
    std::function<bool()> storeBack;  // false: the editor could not be stored
    // Opens topic TOPIC; with PARAGRAPH >= 0, selects LENGTH characters from
    // OFFSET in that paragraph of its text.
    std::function<void(std::size_t topic, int paragraph, int offset, int length)> openAt;
    std::function<void(const QString&)> showCount;  // the checker's count for the status bar
    // Puts a planned replace into the project as one undoable step NAME and
    // shows the current topic again.
    std::function<void(const QString& name, ReplacePlan& plan)> applyReplace;
};

// The project navigator beside the editor: find in the whole project with a
// result list, what links to the current topic, and the checker's findings.
// Every list opens its topic at the place on a click.
class NavigatorDock : public QDockWidget {
    Q_OBJECT

public:
    NavigatorDock(NavigatorHost host, QWidget* parent = nullptr);
    ~NavigatorDock() override;

    // The project changed: the checker runs again after a short pause, so
    // typing is never held up by it.
    void ProjectChanged();
    // The current topic changed: "Links here" lists what leads to it.
    void ShowLinksTo(std::size_t topic);
    // Runs the find of the find box: a big project is searched in slices
    // between events, and the list filled when the search ends.
    void RunFind();
    bool FindRunning() const { return findRunning_; }
    // Runs the checker now, on a copy of the project in a worker thread.
    void RunCheck();
    // Replaces the chosen results of the last find: the checked ones, or the
    // selected ones when none is checked (a selected topic stands for all of
    // its results). The author confirms the count first.
    void ReplaceChosen();
    // Replaces every result in the topics' text the last find listed.
    void ReplaceAllFound();

    QTreeWidget* FindResults() const { return findResults_; }
    QTreeWidget* LinkList() const { return links_; }
    QTreeWidget* CheckList() const { return check_; }
    QLineEdit* FindBox() const { return findBox_; }
    QLineEdit* ReplaceBox() const { return replaceBox_; }
    bool CheckRunning() const { return checkRunning_; }

signals:
    // The checker's list was refilled.
    void CheckFinished();

private:
    QWidget* BuildFindPage();
    void ShowFindings(const Project& checked, const std::vector<CheckFinding>& findings);
    void OpenItem(QTreeWidgetItem* item);
    struct CheckWork {
        Project project;
        CheckInputs inputs;
        std::vector<CheckFinding> findings;
    };
    void CopyForCheck(const std::shared_ptr<CheckWork>& work);
    void FindSlice(unsigned generation);
    void ShowFound(const Project& project, ProjectFindResults found);
    std::vector<ProjectFindResult> Chosen() const;
    void Replace(const std::vector<ProjectFindResult>& chosen);

    NavigatorHost host_;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* regex_ = nullptr;
    QCheckBox* inProperties_ = nullptr;
    QLabel* findStatus_ = nullptr;
    QTreeWidget* findResults_ = nullptr;
    QLineEdit* replaceBox_ = nullptr;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* replaceAllButton_ = nullptr;
    // The results the list shows; its rows hold their index.
    std::vector<ProjectFindResult> found_;
    ProjectFindOptions findOptions_;  // of the search running; firstTopic moves on
    ProjectFindResults findPending_;  // what it found so far
    unsigned findGeneration_ = 0;
    bool findRunning_ = false;
    QTreeWidget* links_ = nullptr;
    QTreeWidget* check_ = nullptr;
    QTimer* checkTimer_ = nullptr;
    QThread* checkThread_ = nullptr;
    bool checkRunning_ = false;
    bool checkAgain_ = false;
};

}  // namespace scrivlet::app
