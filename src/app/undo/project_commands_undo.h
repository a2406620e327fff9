#pragma once

#include <QUndoCommand>
#include <functional>
#include <memory>
#include <vector>

#include "core/model/project.h"

namespace scrivlet::app {

class TMainForm;

// A change to the open project that Edit > Undo takes back. The change has
// already been made when the command is pushed, so its first redo() does
// nothing; later ones make it again. After each undo and redo the window
// shows the topic the command names (or keeps the one it showed).
class ProjectUndoCommand : public QUndoCommand {
public:
    ProjectUndoCommand(TMainForm& form, const QString& text);
    void undo() final;
    void redo() final;

protected:
    // Make the change backwards (UNDO) or forwards; return the topic to
    // show, or nullptr to keep the one shown.
    virtual const TTopic* Apply(Project& project, bool undo) = 0;

private:
    void Run(bool undo);

    TMainForm& form_;
    bool done_ = true;
};

// A topic added (ADDED) or deleted at INDEX. The command owns the topic
// while it is out of the list, so it comes back whole: number, properties
// and text.
class TopicPresenceCommand : public ProjectUndoCommand {
public:
    TopicPresenceCommand(TMainForm& form, const QString& text, std::size_t index, bool added,
                         std::unique_ptr<TTopic> removed);

protected:
    const TTopic* Apply(Project& project, bool undo) override;

private:
    std::size_t index_;
    bool added_;
    std::unique_ptr<TTopic> out_;
};

// The topics put in another order (a sort).
class TopicOrderCommand : public ProjectUndoCommand {
public:
    TopicOrderCommand(TMainForm& form, const QString& text, std::vector<const TTopic*> before,
                      std::vector<const TTopic*> after);

protected:
    const TTopic* Apply(Project& project, bool undo) override;

private:
    std::vector<const TTopic*> before_;
    std::vector<const TTopic*> after_;
};

// Topics whose values changed: their properties, and for a project-wide
// replace their text. Edits of one property of one topic in a row merge.
class TopicValuesCommand : public ProjectUndoCommand {
public:
    // Property changes keep no text (it would cost a copy of the topic):
    // WITH_TEXT is false and the text stays as it is.
    struct Change {
        TTopic* topic;
        TTopic before;
        TTopic after;
        bool withText = false;
    };
    // MERGE_KEY: edits with the same non-zero key on the same single topic
    // merge into one step.
    TopicValuesCommand(TMainForm& form, const QString& text, std::vector<Change> changes,
                       int mergeKey = 0);
    int id() const override { return mergeKey_ == 0 ? -1 : mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override;

protected:
    const TTopic* Apply(Project& project, bool undo) override;

private:
    std::vector<Change> changes_;
    int mergeKey_;
};

// The project settings and lists: project options, window definitions.
class ProjectSettingsCommand : public ProjectUndoCommand {
public:
    ProjectSettingsCommand(TMainForm& form, const QString& text, ProjectSettings before,
                           ProjectSettings after);

protected:
    const TTopic* Apply(Project& project, bool undo) override;

private:
    ProjectSettings before_;
    ProjectSettings after_;
};

}  // namespace scrivlet::app
