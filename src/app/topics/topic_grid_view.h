#pragma once

#include <QTableView>

class QMenu;

namespace scrivlet::app {

class TopicGridModel;

// The topic grid ("grid"): one row per topic under the header row, the
// fixed "ID" column on the left, columns 1 to 3 editable in place.
class TopicGridView : public QTableView {
    Q_OBJECT

public:
    explicit TopicGridView(QWidget* parent = nullptr);

    void SetGridModel(TopicGridModel* model);
    TopicGridModel* GridModel() const { return model_; }
    // The menu shown on a right click ("PopupMenu1").
    void SetPopup(QMenu* popup) { popup_ = popup; }
    // The topic of the top row of the selection; -1 when nothing is selected.
    int SelectedTopic() const;
    // Selects the "Topic" cell of ROW.
    void SelectTopicCell(int row);

signals:
    // Left button released over the fixed cell of a topic row.
    void fixedCellClicked(int topicIndex);
    // Left button released over the "ID" (0) or "Topic" (1) header cell.
    void sortRequested(int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TopicGridModel* model_ = nullptr;
    QMenu* popup_ = nullptr;
};

}  // namespace scrivlet::app
