#include "app/undo/project_undo.h"

#include <QAction>
#include <QUndoStack>

#include "app/mainform/tmainform.h"
#include "app/undo/project_commands_undo.h"

namespace scrivlet::app {
namespace {

QString Named(const char* what, const TTopic& topic) {
    return QStringLiteral("%1 Topic %2").arg(QLatin1String(what)).arg(topic.TopicID);
}

void FollowStack(QAction* action, const QString& verb, QUndoStack* stack,
                 void (QUndoStack::*textChanged)(const QString&),
                 void (QUndoStack::*canChanged)(bool)) {
    action->setEnabled(false);
    QObject::connect(stack, textChanged, action, [action, verb](const QString& text) {
        action->setText(text.isEmpty() ? verb : verb + QLatin1Char(' ') + text);
    });
    QObject::connect(stack, canChanged, action, &QAction::setEnabled);
}

}  // namespace

ProjectUndo::ProjectUndo(TMainForm& form)
    : QObject(&form), form_(form), stack_(new QUndoStack(this)) {
    setObjectName(QStringLiteral("ProjectUndo"));
    QAction* undo = form_.Action(QStringLiteral("EditUndo"));
    QAction* redo = form_.Action(QStringLiteral("EditRedo"));
    FollowStack(undo, QStringLiteral("&Undo"), stack_, &QUndoStack::undoTextChanged,
                &QUndoStack::canUndoChanged);
    FollowStack(redo, QStringLiteral("&Redo"), stack_, &QUndoStack::redoTextChanged,
                &QUndoStack::canRedoChanged);
    connect(undo, &QAction::triggered, this, &ProjectUndo::Undo);
    connect(redo, &QAction::triggered, this, &ProjectUndo::Redo);
}

void ProjectUndo::Undo() {
    if (form_.StoreBack(true) && stack_->canUndo()) {
        stack_->undo();
    }
}

void ProjectUndo::Redo() {
    if (form_.StoreBack(true) && stack_->canRedo()) {
        stack_->redo();
    }
}

void ProjectUndo::PropertiesPending(const TTopic& topic) {
    QAction* undo = form_.Action(QStringLiteral("EditUndo"));
    undo->setEnabled(true);
    undo->setText(QStringLiteral("&Undo Topic %1 Properties").arg(topic.TopicID));
}

void ProjectUndo::Clear() {
    stack_->clear();
}

void ProjectUndo::SetClean() {
    stack_->setClean();
}

void ProjectUndo::Push(QUndoCommand* command) {
    stack_->push(command);
}

void ProjectUndo::TopicAdded(std::size_t index) {
    const TTopic& topic = form_.GetProject().Topics[index];
    Push(new TopicPresenceCommand(form_, Named("Add", topic), index, true, nullptr));
}

void ProjectUndo::TopicDeleted(std::size_t index, std::unique_ptr<TTopic> topic) {
    const QString name = Named("Delete", *topic);
    Push(new TopicPresenceCommand(form_, name, index, false, std::move(topic)));
}

void ProjectUndo::TopicsReordered(std::vector<const TTopic*> before, const QString& name) {
    std::vector<const TTopic*> after = Order(form_.GetProject());
    if (after != before) {
        Push(new TopicOrderCommand(form_, name, std::move(before), std::move(after)));
    }
}

void ProjectUndo::PropertiesChanged(std::size_t index, const TTopic& before, const QString& name,
                                    int mergeKey) {
    TTopic& topic = form_.GetProject().Topics[index];
    TopicValuesCommand::Change change{&topic, PropertiesOf(before), PropertiesOf(topic), false};
    if (change.before == change.after) {
        return;
    }
    std::vector<TopicValuesCommand::Change> changes;
    changes.push_back(std::move(change));
    Push(new TopicValuesCommand(form_, name, std::move(changes), mergeKey));
}

void ProjectUndo::SettingsChanged(const ProjectSettings& before, const QString& name) {
    const ProjectSettings& after = form_.GetProject();
    if (after == before) {
        return;
    }
    Push(new ProjectSettingsCommand(form_, name, before, after));
    emit projectWideChange();
}

void ProjectUndo::TopicsChanged(const QString& name,
                                std::vector<std::pair<std::size_t, TTopic>> before) {
    Project& project = form_.GetProject();
    std::vector<TopicValuesCommand::Change> changes;
    for (auto& [index, old] : before) {
        TTopic& topic = project.Topics[index];
        if (!(topic == old)) {
            changes.push_back({&topic, std::move(old), topic, true});
        }
    }
    if (!changes.empty()) {
        Push(new TopicValuesCommand(form_, name, std::move(changes)));
    }
}

void ProjectUndo::ApplyReplace(const QString& name, ReplacePlan& plan) {
    Project& project = form_.GetProject();
    std::vector<TopicValuesCommand::Change> changes;
    changes.reserve(plan.changes.size());
    // The old text moves into the command and the new one is copied once:
    // a replace may touch every topic of a big project.
    for (TopicTextChange& change : plan.changes) {
        TTopic& topic = project.Topics[change.topic];
        TopicValuesCommand::Change& kept = changes.emplace_back();
        kept.topic = &topic;
        kept.before = PropertiesOf(topic);
        kept.before.Text = std::move(topic.Text);
        kept.after = PropertiesOf(topic);
        kept.after.Text = change.text;
        kept.withText = true;
    }
    ApplyReplacePlan(project, plan);
    if (changes.empty()) {
        return;
    }
    Push(new TopicValuesCommand(form_, name, std::move(changes)));
    emit projectWideChange();
}

TTopic ProjectUndo::PropertiesOf(const TTopic& topic) {
    TTopic values;
    values.TopicID = topic.TopicID;
    values.Title = topic.Title;
    values.ContextString = topic.ContextString;
    values.Keywords = topic.Keywords;
    values.AKeywords = topic.AKeywords;
    values.BuildTag = topic.BuildTag;
    values.BrowseSeq = topic.BrowseSeq;
    values.Window = topic.Window;
    values.EntryMacro = topic.EntryMacro;
    values.Comment = topic.Comment;
    return values;
}

std::vector<const TTopic*> ProjectUndo::Order(const Project& project) {
    std::vector<const TTopic*> order;
    order.reserve(project.Topics.Count());
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        order.push_back(&project.Topics[i]);
    }
    return order;
}

}  // namespace scrivlet::app
