#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace quorvant {

// Draws the address history's entries with each server's status beside the address, and the
// status in full as the entry's tooltip. The entries themselves are left as they are.
class HistoryStatusDelegate : public QStyledItemDelegate {
  public:
    struct Texts {
        QString beside;
        QString full;
    };
    // Gives the status texts of an entry's address.
    using StatusOf = std::function<Texts(const QString& address)>;

    HistoryStatusDelegate(StatusOf statusOf, QObject* parent);

    Texts textsOf(const QString& address) const { return statusOf_(address); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  private:
    StatusOf statusOf_;
};

}  // namespace quorvant
