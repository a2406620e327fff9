#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// The topic grid's rows: what the grid was last filled with. Edits of the
// topics do not show until the next fill (the project's TopicGridStale says
// when one is due), which keeps a switch cheap in a large project.
class TopicGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { IdColumn = 0, TitleColumn = 1, KeywordsColumn = 2, CommentColumn = 3 };

    TopicGridModel(const Project& project, QObject* parent = nullptr);

    // Takes the rows from the project's topics, in list order.
    void Fill();
    // Empties the grid (a reset project).
    void Clear();
    // The row whose fixed "ID" cell is drawn dark; -1 for none.
    void SetCurrentRow(int row);
    int CurrentRow() const { return currentRow_; }
    // Shows TEXT in a cell while the author types it elsewhere (the
    // property grid); the topic itself takes it when it is stored.
    void ShowCell(int row, Column column, const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An in-place edit: the cell shows the text and cellEdited tells the
    // window, which applies it to the topic.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void cellEdited(int topicIndex, int column, const QString& text);

private:
    struct Row {
        QString cells[4];
    };
    const Project& project_;
    QVector<Row> rows_;
    int currentRow_ = -1;
};

}  // namespace scrivlet::app
