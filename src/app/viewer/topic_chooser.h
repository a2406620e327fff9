#pragma once

#include <QStringList>
#include <vector>

#include "help/help_file.h"

class QWidget;

namespace scrivlet::app {

inline constexpr int kChooserCancelled = -2;

// A modal list to pick one line from ("Topics Found", "History"): the row
// chosen with Display or a double click, or -1. Tests answer it with
// SetNextChoice instead of showing it.
int ChooseFromList(QWidget* parent, const QString& title, const QString& label,
                   const QStringList& items);

// For tests: the next list is not shown and picks ROW (-1 cancels).
void SetNextChoice(int row);

// "Topics Found": the titles of TOPICS (indices into HELP's topics). Gives
// the chosen topic index, or kChooserCancelled.
int ChooseTopic(QWidget* parent, const help::HelpFile& help, const std::vector<int>& topics);

}  // namespace scrivlet::app
