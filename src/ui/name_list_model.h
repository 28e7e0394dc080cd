#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace quorvant {

// The entries of a drop-down list of file names, held plainly: a map folder of thousands of
// names fills it in one change, without an item object for each name. An entry shows its text;
// a name outside ASCII also keeps its bytes, as Qt::UserRole.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    struct Entry {
        QString text;
        QByteArray bytes;  // empty when the text gives the name back
    };

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    const QString& textAt(int row) const { return entries_[std::size_t(row)].text; }
    // Puts `entries` in before `row`, in one change.
    void insertEntries(int row, std::vector<Entry> entries);

  private:
    std::vector<Entry> entries_;
};

}  // namespace quorvant
