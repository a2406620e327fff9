#include "app/topics/topic_grid_model.h"

#include "core/model/project.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

TopicGridModel::TopicGridModel(const Project& project, QObject* parent)
    : QAbstractTableModel(parent), project_(project) {}

void TopicGridModel::Fill() {
    beginResetModel();
    const TTopicList& topics = project_.Topics;
    rows_.resize(static_cast<qsizetype>(topics.Count()));
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        const TTopic& t = topics[i];
        Row& row = rows_[static_cast<qsizetype>(i)];
        row.cells[IdColumn] = QString::number(t.TopicID);
        row.cells[TitleColumn] = FromAnsi(t.Title.str());
        row.cells[KeywordsColumn] = FromAnsi(t.Keywords.str());
        row.cells[CommentColumn] = FromAnsi(t.Comment.str());
    }
    endResetModel();
}

void TopicGridModel::Clear() {
    beginResetModel();
    rows_.clear();
    currentRow_ = -1;
    endResetModel();
}

void TopicGridModel::SetCurrentRow(int row) {
    const int old = currentRow_;
    currentRow_ = row;
    if (old >= 0 && old < rows_.size()) {
        emit dataChanged(index(old, IdColumn), index(old, IdColumn));
    }
    if (row >= 0 && row < rows_.size()) {
        emit dataChanged(index(row, IdColumn), index(row, IdColumn));
    }
}

void TopicGridModel::ShowCell(int row, Column column, const QString& text) {
    if (row < 0 || row >= rows_.size()) {
        return;
    }
    QString& cell = rows_[row].cells[column];
    if (cell != text) {
        cell = text;
        emit dataChanged(index(row, column), index(row, column));
    }
}

int TopicGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TopicGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant TopicGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return rows_[index.row()].cells[index.column()];
    }
    return {};
}

QVariant TopicGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kHeaders[] = {"ID", "Topic", "Keywords", "Comment"};
    return section >= 0 && section < 4 ? QString(kHeaders[section]) : QVariant();
}

Qt::ItemFlags TopicGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.column() == IdColumn) {
        return Qt::ItemIsEnabled;  // the fixed column: clicked, never selected
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TopicGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() == IdColumn ||
        index.row() >= rows_.size()) {
        return false;
    }
    const QString text = value.toString();
    QString& cell = rows_[index.row()].cells[index.column()];
    if (cell != text) {
        cell = text;
        emit dataChanged(index, index);
    }
    emit cellEdited(index.row(), index.column(), text);
    return true;
}

}  // namespace scrivlet::app
