#pragma once

#include <QTableWidget>

#include "core/topics/property_rows.h"

class QLineEdit;

namespace scrivlet::app {

// The property grid ("grid2") on the "Prop" page: the fixed captions on the
// left, the current topic's values on the right, each in an editor that is
// always open. The values reach the topic only at the next store-back.
// Rows are numbered as the user sees them: 1 ("Topic ID") to 10 ("Comment").
class PropertyGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit PropertyGrid(QWidget* parent = nullptr);

    void SetValues(const PropertyValues& values);
    PropertyValues Values() const;
    QString Value(int row) const;
    // Sets a value without counting as an edit.
    void SetValue(int row, const QString& text);
    void ClearValues();
    QLineEdit* Editor(int row) const;

    // Column 1 takes the grid's width less column 0 and 6 pixels.
    void FitColumns();

signals:
    // The user changed the value in ROW.
    void valueEdited(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* editors_[kPropertyRowCount] = {};
};

}  // namespace scrivlet::app
