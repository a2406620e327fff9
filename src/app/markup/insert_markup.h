#pragma once

#include <QColor>
#include <QString>
#include <functional>

#include "core/editor/colors.h"

class QTextEdit;

namespace scrivlet {
class TTopicList;
}

namespace scrivlet::app {

QColor ToQColor(RgbColor color);

// What the markup commands need from the window around the editor.
struct MarkupTarget {
    QTextEdit* Editor = nullptr;
    // The preference InsColor: an index into the 16-colour table.
    int InsColor = 9;
    // Refreshes the formatting controls and the caret position after an
    // insertion; may be empty.
    std::function<void()> SelectionChange;
};

// The hotspot text (the selection, or the target topic's title when nothing
// is selected and the target is a project topic) gets the jump or pop-up
// style, green unless PREFIX is set; the code follows it in the insertion
// colour and typing goes on in the colour the text had. Returns false and
// changes nothing when a project topic link names no topic of TOPICS.
// TARGET, PREFIX and WINDOW go into the code as given.
bool InsertLinkCode(const MarkupTarget& target, const TTopicList& topics, bool popup,
                    const QString& prefix, bool projectTopic, const QString& window,
                    const QString& linkTarget);

// Inserts CODE after the selection in the insertion colour; typing goes on in
// the colour the text had.
void InsertMarkupCode(const MarkupTarget& target, const QString& code);

// Inserts the keep-with-next marker, in 8 points when the text at the caret is
// larger than 12 points; typing goes on in the text's own size and colour.
void InsertKeepn(const MarkupTarget& target);

}  // namespace scrivlet::app
