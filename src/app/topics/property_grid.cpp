#include "app/topics/property_grid.h"

#include <QHeaderView>
#include <QLineEdit>

#include "app/topics/grid_cell_painter.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

PropertyGrid::PropertyGrid(QWidget* parent) : QTableWidget(kPropertyRowCount, 2, parent) {
    setObjectName("grid2");
    setHorizontalHeaderLabels({kPropertyCaptions[0], "Value"});
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(17);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StyleFixedHeader(*horizontalHeader());
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setMinimumSectionSize(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setItemDelegate(new GridCellDelegate(0, nullptr, this));
    for (int row = 1; row <= kPropertyRowCount; ++row) {
        auto* caption = new QTableWidgetItem(kPropertyCaptions[static_cast<std::size_t>(row)]);
        caption->setFlags(Qt::ItemIsEnabled);
        setItem(row - 1, 0, caption);
        auto* editor = new QLineEdit(this);
        editor->setObjectName(QStringLiteral("PropValue%1").arg(row));
        editor->setFrame(false);
        connect(editor, &QLineEdit::textEdited, this, [this, row] { emit valueEdited(row); });
        connect(editor, &QLineEdit::cursorPositionChanged, this,
                [this, row] { setCurrentCell(row - 1, 1); });
        setCellWidget(row - 1, 1, editor);
        editors_[row - 1] = editor;
    }
}

void PropertyGrid::SetValues(const PropertyValues& values) {
    for (int i = 0; i < kPropertyRowCount; ++i) {
        editors_[i]->setText(FromAnsi(values[static_cast<std::size_t>(i)]));
        editors_[i]->setCursorPosition(0);
    }
}

PropertyValues PropertyGrid::Values() const {
    PropertyValues values;
    for (int i = 0; i < kPropertyRowCount; ++i) {
        values[static_cast<std::size_t>(i)] = ToAnsi(editors_[i]->text());
    }
    return values;
}

QString PropertyGrid::Value(int row) const {
    return Editor(row)->text();
}

void PropertyGrid::SetValue(int row, const QString& text) {
    Editor(row)->setText(text);
}

void PropertyGrid::ClearValues() {
    for (QLineEdit* editor : editors_) {
        editor->clear();
    }
}

QLineEdit* PropertyGrid::Editor(int row) const {
    Q_ASSERT(row >= 1 && row <= kPropertyRowCount);
    return editors_[row - 1];
}

void PropertyGrid::FitColumns() {
    const int width = this->width() - columnWidth(0) - 6;
    if (width > 0) {
        setColumnWidth(1, width);
    }
}

void PropertyGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitColumns();
}

}  // namespace scrivlet::app
