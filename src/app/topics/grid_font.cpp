#include "app/topics/grid_font.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include "app/topics/property_grid.h"

namespace scrivlet::app {

void ApplyGridFont(QTableView& topicGrid, PropertyGrid& propertyGrid, const QString& name,
                   int size) {
    QFont font(name);
    if (size > 0) {
        font.setPointSize(size);
    }
    topicGrid.setFont(font);
    propertyGrid.setFont(font);
    const QFontMetrics metrics(font);
    const int rowHeight = metrics.height() + 4;  // the text height of "gH"
    if (rowHeight != topicGrid.verticalHeader()->defaultSectionSize()) {
        topicGrid.verticalHeader()->setDefaultSectionSize(rowHeight);
        propertyGrid.verticalHeader()->setDefaultSectionSize(rowHeight);
    }
    const int captionWidth = metrics.horizontalAdvance("Context String") + 6;
    if (captionWidth != propertyGrid.columnWidth(0)) {
        propertyGrid.setColumnWidth(0, captionWidth);
    }
    propertyGrid.FitColumns();
}

}  // namespace scrivlet::app
