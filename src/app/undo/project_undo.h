#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "core/model/project.h"
#include "core/search/replace_plan.h"

class QUndoCommand;
class QUndoStack;

namespace scrivlet::app {

class TMainForm;

// The one undo stack of the open project. Every command that changes the
// project records its change here after making it; Edit > Undo and Redo
// take the changes back and forth and name them ("Undo Delete Topic 20").
// Typing in the editor keeps the editor's own undo (Ctrl+Z there, and the
// Undo button).
class ProjectUndo : public QObject {
    Q_OBJECT

public:
    explicit ProjectUndo(TMainForm& form);

    QUndoStack* Stack() const { return stack_; }
    // Edit > Undo and Redo: store the editor back first, so the text typed
    // into the topic shown is part of what the command keeps.
    void Undo();
    void Redo();
    // Another project was opened or made: nothing of the last one to undo.
    void Clear();
    // The project was saved.
    void SetClean();

    void TopicAdded(std::size_t index);
    void TopicDeleted(std::size_t index, std::unique_ptr<TTopic> topic);
    void TopicsReordered(std::vector<const TTopic*> before, const QString& name);
    // The properties of the topic at INDEX changed from BEFORE (its text is
    // not kept). Changes with the same non-zero MERGE_KEY in a row merge.
    void PropertiesChanged(std::size_t index, const TTopic& before, const QString& name,
                           int mergeKey = 0);
    void SettingsChanged(const ProjectSettings& before, const QString& name);
    // The property grid holds edits of TOPIC not yet stored back: Undo takes
    // them back (it stores them back first, as one step).
    void PropertiesPending(const TTopic& topic);
    // Topics changed in text and properties as one step NAME: BEFORE holds
    // each changed topic's index and a whole copy from before the change.
    void TopicsChanged(const QString& name, std::vector<std::pair<std::size_t, TTopic>> before);
    // Puts a planned replace into the project as one step named NAME; only
    // the topics it changes are kept for Undo.
    void ApplyReplace(const QString& name, ReplacePlan& plan);

    static std::vector<const TTopic*> Order(const Project& project);
    // A topic's values without its text.
    static TTopic PropertiesOf(const TTopic& topic);

signals:
    // A change that touched the whole project was recorded.
    void projectWideChange();

private:
    void Push(QUndoCommand* command);

    TMainForm& form_;
    QUndoStack* stack_;
};

}  // namespace scrivlet::app
