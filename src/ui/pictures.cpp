#include "ui/pictures.h"

#include <QPainter>

namespace quorvant::pictures {
namespace {

constexpr int kControlSize = 19;

QPixmap Control(bool on, bool round) {
    QPixmap picture(kControlSize, kControlSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xd8, 0x8a, 0x2c), 1.5));
    painter.setBrush(QColor(0x1b, 0x1d, 0x22));
    const QRectF frame(1.5, 1.5, kControlSize - 3, kControlSize - 3);
    if (round) {
        painter.drawEllipse(frame);
    } else {
        painter.drawRoundedRect(frame, 3, 3);
    }
    if (on) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xff, 0xa8, 0x3c));
        const QRectF mark = frame.adjusted(4, 4, -4, -4);
        if (round) {
            painter.drawEllipse(mark);
        } else {
            painter.drawRoundedRect(mark, 1.5, 1.5);
        }
    }
    return picture;
}

}  // namespace

QPixmap Background() {
    QPixmap picture(609, 377);
    picture.fill(QColor(0x14, 0x15, 0x18));
    return picture;
}

QPixmap CheckBox(bool checked) { return Control(checked, false); }

QPixmap OptionButton(bool chosen) { return Control(chosen, true); }

}  // namespace quorvant::pictures
