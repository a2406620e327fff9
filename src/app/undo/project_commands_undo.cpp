#include "app/undo/project_commands_undo.h"

#include <algorithm>
#include <unordered_map>

#include "app/mainform/tmainform.h"

namespace scrivlet::app {
namespace {

int IndexOf(const Project& project, const TTopic* topic) {
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        if (&project.Topics[i] == topic) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Every value of FROM into TO; the text only when WITH_TEXT.
void AssignValues(TTopic& to, const TTopic& from, bool withText) {
    std::vector<std::string> text = std::move(to.Text);
    to = from;
    if (!withText) {
        to.Text = std::move(text);
    }
}

}  // namespace

ProjectUndoCommand::ProjectUndoCommand(TMainForm& form, const QString& text)
    : QUndoCommand(text), form_(form) {}

void ProjectUndoCommand::undo() {
    done_ = false;
    Run(true);
}

void ProjectUndoCommand::redo() {
    if (done_) {
        return;  // pushed after the change was made
    }
    done_ = true;
    Run(false);
}

void ProjectUndoCommand::Run(bool undo) {
    Project& project = form_.GetProject();
    const int shown = project.CurrentTopic;
    const TTopic* current = shown >= 0 && static_cast<std::size_t>(shown) < project.Topics.Count()
                                ? &project.Topics[static_cast<std::size_t>(shown)]
                                : nullptr;
    const TTopic* target = Apply(project, undo);
    int index = IndexOf(project, target != nullptr ? target : current);
    if (index < 0) {
        index = std::min(std::max(shown, 0), static_cast<int>(project.Topics.Count()) - 1);
    }
    // The editor and the property grid belong to no topic until one is shown.
    project.CurrentTopic = -1;
    form_.FillTopicGrid(false);
    form_.ShowTopic(index);
    form_.SetModified(true);
}

TopicPresenceCommand::TopicPresenceCommand(TMainForm& form, const QString& text, std::size_t index,
                                           bool added, std::unique_ptr<TTopic> removed)
    : ProjectUndoCommand(form, text), index_(index), added_(added), out_(std::move(removed)) {}

const TTopic* TopicPresenceCommand::Apply(Project& project, bool undo) {
    auto& items = project.Topics.Items();
    if (added_ == undo) {
        out_ = std::move(items.at(index_));
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(index_));
        return nullptr;
    }
    const TTopic* back = out_.get();
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min(index_, items.size())),
                 std::move(out_));
    return back;
}

TopicOrderCommand::TopicOrderCommand(TMainForm& form, const QString& text,
                                     std::vector<const TTopic*> before,
                                     std::vector<const TTopic*> after)
    : ProjectUndoCommand(form, text), before_(std::move(before)), after_(std::move(after)) {}

const TTopic* TopicOrderCommand::Apply(Project& project, bool undo) {
    auto& items = project.Topics.Items();
    std::unordered_map<const TTopic*, std::unique_ptr<TTopic>> byAddress;
    for (auto& item : items) {
        const TTopic* key = item.get();
        byAddress.emplace(key, std::move(item));
    }
    items.clear();
    for (const TTopic* topic : undo ? before_ : after_) {
        items.push_back(std::move(byAddress.at(topic)));
    }
    return nullptr;
}

TopicValuesCommand::TopicValuesCommand(TMainForm& form, const QString& text,
                                       std::vector<Change> changes, int mergeKey)
    : ProjectUndoCommand(form, text), changes_(std::move(changes)), mergeKey_(mergeKey) {}

bool TopicValuesCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const TopicValuesCommand*>(other);
    if (next == nullptr || next->mergeKey_ != mergeKey_ || changes_.size() != 1 ||
        next->changes_.size() != 1 || next->changes_[0].topic != changes_[0].topic) {
        return false;
    }
    changes_[0].after = next->changes_[0].after;
    return true;
}

const TTopic* TopicValuesCommand::Apply(Project&, bool undo) {
    for (Change& change : changes_) {
        AssignValues(*change.topic, undo ? change.before : change.after, change.withText);
    }
    return changes_.size() == 1 ? changes_[0].topic : nullptr;
}

ProjectSettingsCommand::ProjectSettingsCommand(TMainForm& form, const QString& text,
                                               ProjectSettings before, ProjectSettings after)
    : ProjectUndoCommand(form, text), before_(std::move(before)), after_(std::move(after)) {}

const TTopic* ProjectSettingsCommand::Apply(Project& project, bool undo) {
    static_cast<ProjectSettings&>(project) = undo ? before_ : after_;
    return nullptr;
}

}  // namespace scrivlet::app
