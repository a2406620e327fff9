#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QTextEdit;
class QWidget;

namespace scrivlet {
class Project;
struct ReplacePlan;
}  // namespace scrivlet

namespace scrivlet::app {

class Tsearchbox;

// What find and replace need from the main window.
struct SearchHost {
    QWidget* Window = nullptr;
    QTextEdit* Editor = nullptr;
    Project* Proj = nullptr;
    // Stores the editor's text and the property grid into the current topic;
    // false when that failed and was reported, which abandons the command.
    std::function<bool()> StoreBack;
    // Loads the current topic into the editor again; leaves the modified flag.
    std::function<void()> ShowTopic;
    // Puts a planned replace into the project as one undoable step with the
    // given name; unset: the plan is simply applied.
    std::function<void(const QString& name, ReplacePlan& plan)> ApplyReplace;
};

// Find and replace in the current topic, and replace in all topics, through
// the one search dialog. The main window connects its Edit menu items and the
// "Find" toolbar button to these slots.
class SearchCommands : public QObject {
    Q_OBJECT

public:
    SearchCommands(SearchHost host, QObject* parent = nullptr);

    // The dialog, created once with the window that owns these commands.
    Tsearchbox* Box() const { return box_; }

    // Set when a search finds nothing; read by the replace-all loop.
    bool EndReached = false;

public slots:
    // Fills an empty "Find what:" with the editor's selection and shows the
    // dialog without blocking.
    void ShowFind();
    void FindNext();
    void ReplaceAndFindNext();
    void ReplaceAllInTopic();
    // "Replace All": in every topic or in the rest of the current one.
    void ReplaceAllBtnClick();

public:
    // Replaces in every topic's stored text once the author confirmed the
    // count, reloads the current topic and reports the count; returns the
    // count (0 when declined), or -1 when the current topic could not be
    // stored back.
    int ReplaceAllInProject(const QString& pattern, const QString& replacement, bool caseSensitive);

private:
    QString FindText() const;
    QString ReplacementText() const;

    SearchHost host_;
    Tsearchbox* box_;
};

}  // namespace scrivlet::app
