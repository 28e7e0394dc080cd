#include "launch/history_status_delegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/controls.h"

namespace quorvant {
namespace {

constexpr int kMargin = 6;
constexpr int kGap = 16;

}  // namespace

HistoryStatusDelegate::HistoryStatusDelegate(StatusOf statusOf, QObject* parent)
    : QStyledItemDelegate(parent), statusOf_(std::move(statusOf)) {}

void HistoryStatusDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QString address = index.data().toString();
    const QString status = textsOf(address).beside;
    if (status.isEmpty()) return;
    // Right-aligned in the room the address leaves.
    const QFontMetrics& metrics = option.fontMetrics;
    const QRect room =
        option.rect.adjusted(kMargin + metrics.horizontalAdvance(address) + kGap, 0, -kMargin, 0);
    painter->save();
    painter->setPen((option.state & QStyle::State_Selected)
                        ? option.palette.color(QPalette::HighlightedText)
                        : kQuietText);
    painter->drawText(room, Qt::AlignRight | Qt::AlignVCenter,
                      metrics.elidedText(status, Qt::ElideRight, room.width()));
    painter->restore();
}

bool HistoryStatusDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                      const QStyleOptionViewItem& option,
                                      const QModelIndex& index) {
    const QString full = textsOf(index.data().toString()).full;
    if (event->type() != QEvent::ToolTip || full.isEmpty())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // Marked as rich text with the server's words escaped: they are shown, never obeyed.
    QToolTip::showText(event->globalPos(), QStringLiteral("<qt>") + full.toHtmlEscaped(), view);
    return true;
}

}  // namespace quorvant
