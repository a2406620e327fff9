#pragma once

#include <QString>

class QTableView;

namespace scrivlet::app {

class PropertyGrid;

// Both grids take the font NAME at SIZE points. When the height of "gH" in it
// plus 4 differs from the topic grid's row height, both grids' rows take that
// height; the property grid's caption column becomes as wide as
// "Context String" plus 6.
void ApplyGridFont(QTableView& topicGrid, PropertyGrid& propertyGrid, const QString& name,
                   int size);

}  // namespace scrivlet::app
