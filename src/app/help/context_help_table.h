#pragma once

#include <span>

class QWidget;

namespace scrivlet::app {

// Where F1 leads: a window, dialog or control of the program, named by its
// object name or its class (without namespace), and the topic of the user
// guide that describes it, by its map number and its context string. The
// guide (docs/scrivlet.scw) maps each context string to that number.
struct ContextHelpEntry {
    const char* name;
    int mapNumber;
    const char* context;
};

// The one table of context help numbers.
std::span<const ContextHelpEntry> ContextHelpTable();

// The entry for the widget that had the focus when F1 was pressed: the
// first of that widget, its parents and the windows that own them whose
// object name, class or base class is in the table. Null when none is, so
// the caller opens the contents.
const ContextHelpEntry* ContextHelpFor(const QWidget* focus);

// The entry of MAP_NUMBER; null when the table has none.
const ContextHelpEntry* ContextHelpOfMapNumber(int mapNumber);

}  // namespace scrivlet::app
