#include "ui/shape.h"

#include <QPainter>

namespace quorvant {

Shape::Shape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void Shape::setFilled(bool filled) {
    filled_ = filled;
    update();
}

void Shape::setColours(QColor border, QColor fill) {
    border_ = border;
    fill_ = fill;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(border_.alpha() ? QPen(border_, 1) : Qt::NoPen);
    painter.setBrush(filled_ ? QBrush(fill_) : Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

}  // namespace quorvant
