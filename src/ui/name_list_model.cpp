#include "ui/name_list_model.h"

#include <QPixmap>
#include <iterator>

#include "ui/text_conversion.h"

namespace quorvant {

NameListModel::Entry NameListModel::Entry::ForName(std::string name) {
    Entry entry;
    entry.ascii_ = IsAscii(name);
    if (entry.ascii_) {
        entry.name_ = std::move(name);
    } else {
        entry.text_ = FromBytes(name);
        entry.name_ = BytesToKeep(name, entry.text_).toStdString();
    }
    return entry;
}

QString NameListModel::Entry::text() const {
    return ascii_ ? QString::fromLatin1(name_.data(), qsizetype(name_.size())) : text_;
}

QByteArray NameListModel::Entry::keptBytes() const {
    return ascii_ ? QByteArray() : QByteArray(name_.data(), qsizetype(name_.size()));
}

void NameListModel::Entry::setText(const QString& text) {
    text_ = text;
    if (ascii_) name_.clear();
    ascii_ = false;
}

void NameListModel::Entry::setKeptBytes(const QByteArray& bytes) {
    if (ascii_) text_ = text();
    ascii_ = false;
    name_ = bytes.toStdString();
}

std::string NameListModel::nameAt(int row) const {
    const Entry& entry = entries_.at(std::size_t(row));
    if (const std::string* name = entry.asciiName()) return *name;
    const QByteArray kept = entry.keptBytes();
    return kept.isEmpty() ? ToBytes(entry.text()) : kept.toStdString();
}

void NameListModel::setNoteMark(const QIcon& mark) {
    noteMark_ = mark;
    // An empty picture of the same size keeps the names of entries without a note in line.
    QPixmap empty(mark.availableSizes().value(0, QSize(16, 16)));
    empty.fill(Qt::transparent);
    noMark_ = QIcon(empty);
}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(entries_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Entry& entry = entries_[std::size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return entry.text();
    if (role == Qt::UserRole) {
        const QByteArray bytes = entry.keptBytes();
        if (!bytes.isEmpty()) return bytes;
    }
    if (role == Qt::ToolTipRole && !entry.note.isEmpty()) return entry.note;
    if (role == Qt::DecorationRole && !noteMark_.isNull())
        return entry.note.isEmpty() ? noMark_ : noteMark_;
    return {};
}

bool NameListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= rowCount()) return false;
    Entry& entry = entries_[std::size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        entry.setText(value.toString());
    } else if (role == Qt::UserRole) {
        entry.setKeptBytes(value.toByteArray());
    } else if (role == Qt::ToolTipRole) {
        if (entry.note == value.toString()) return true;
        entry.note = value.toString();
        emit dataChanged(index, index, {Qt::ToolTipRole, Qt::DecorationRole});
        return true;
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
