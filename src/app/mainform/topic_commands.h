#pragma once

#include <QObject>
#include <QString>

#include "core/navigator/project_links.h"
#include "core/topics/navigation.h"
#include "core/topics/property_rows.h"
#include "core/topics/topic_sort.h"

namespace scrivlet::app {

class TMainForm;

// Everything that moves between topics or changes the topic list: store
// back, show topic, add, delete, sort, navigation, the properties dialog and
// the edits made in the two grids.
class TopicCommands : public QObject {
    Q_OBJECT

public:
    explicit TopicCommands(TMainForm& form);

    bool StoreBack(bool withProperties);
    void ShowTopic(int index);
    void FillTopicGrid(bool showFirst);

    // FROM_NEW: the first topic of a New project, never asked for a number.
    void AddTopic(bool fromNew = false);
    void RemoveCurrentTopic();
    void DeleteTopic(int index);
    void Sort(TopicSortKey key);
    void Navigate(NavigationStep step);
    // The popup's "&Open" and a click on a fixed "ID" cell.
    void OpenTopic(int index);
    // The topic properties dialog for topic INDEX.
    void EditProperties(int index);

    // An in-place edit of the topic grid (column 1 title, 2 keywords, 3
    // comment) of topic INDEX.
    void GridSetEditText(int index, int column, const QString& text);
    // An edit in the property grid's row ROW (1 to 10).
    void PropertyEdited(int row);

private:
    // Shows the current topic's typed title, keywords or comment in the
    // topic grid and the status bar at once.
    void ShowTypedProperty(int row);
    // A new context string and what follows it there: the references to
    // the old one, the contents file they may lie in, the string they get.
    struct ContextChange {
        ContextReferences references;
        std::string contents;
        std::string to;
    };
    // Stores VALUES into the current topic with what leads to it following,
    // as one undo step: with RENUMBER the links to its old number, with
    // RECONTEXT the references to its old context string.
    bool StoreWithReferences(const PropertyValues& values, bool renumber,
                             const ContextChange* recontext);

    TMainForm& form_;
};

}  // namespace scrivlet::app
