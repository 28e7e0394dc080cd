#include "ui/name_list_model.h"

#include <iterator>

namespace quorvant {

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(entries_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Entry& entry = entries_[std::size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return entry.text;
    if (role == Qt::UserRole && !entry.bytes.isEmpty()) return entry.bytes;
    return {};
}

bool NameListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount()) return false;
    Entry& entry = entries_[std::size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        entry.text = value.toString();
    } else if (role == Qt::UserRole) {
        entry.bytes = value.toByteArray();
    } else {
        return false;
    }
    emit dataChanged(index, index, {role});
    return true;
}

bool NameListModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || row > rowCount() || count <= 0) return false;
    insertEntries(row, std::vector<Entry>(std::size_t(count)));
    return true;
}

bool NameListModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount()) return false;
    beginRemoveRows({}, row, row + count - 1);
    const auto first = entries_.begin() + row;
    entries_.erase(first, first + count);
    endRemoveRows();
    return true;
}

void NameListModel::insertEntries(int row, std::vector<Entry> entries) {
    if (entries.empty()) return;
    beginInsertRows({}, row, row + int(entries.size()) - 1);
    entries_.insert(entries_.begin() + row, std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    endInsertRows();
}

}  // namespace quorvant
