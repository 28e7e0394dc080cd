#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QIcon>
#include <QString>
#include <string>
#include <vector>

namespace quorvant {

// The entries of a drop-down list of file names, held plainly: a map folder of thousands of
// names fills it in one change, without an item object or a text for each name. An entry shows
// its text; a name outside ASCII also keeps its bytes, as Qt::UserRole. An entry may carry a
// note, shown as its tooltip beside the model's mark.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    class Entry {
      public:
        Entry() = default;
        // An entry for a file or folder name. An ASCII name is its own text, made only when
        // asked: most names are never shown.
        static Entry ForName(std::string name);

        QString text() const;
        // The bytes a name keeps beside its text: none when the text gives the name back.
        QByteArray keptBytes() const;
        // A name in ASCII, the same bytes as its text.
        const std::string* asciiName() const { return ascii_ ? &name_ : nullptr; }

        void setText(const QString& text);
        void setKeptBytes(const QByteArray& bytes);

        QString note;  // most entries have none

      private:
        QString text_;      // unused for an ASCII name
        std::string name_;  // the ASCII name, or the kept bytes
        bool ascii_ = false;
    };

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    // Puts `entries` in before `row`, in one change.
    void insertEntries(int row, std::vector<Entry> entries);

    // The file or folder name an entry stands for.
    std::string nameAt(int row) const;
    // The picture shown beside each entry that has a note.
    void setNoteMark(const QIcon& mark);

  private:
    std::vector<Entry> entries_;
    QIcon noteMark_;
    QIcon noMark_;  // beside the others
};

}  // namespace quorvant
