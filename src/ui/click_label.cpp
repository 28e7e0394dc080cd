#include "ui/click_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvant {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressedInside_ = true;
    emit pressed();
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    const bool click = left && pressedInside_ && rect().contains(event->position().toPoint());
    if (left) pressedInside_ = false;
    emit released();
    if (click) emit clicked();
    event->accept();
}

// Another button's second press is only a press: it clicks nothing, but what sinks on a press
// must sink again before its release.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    pressedInside_ = false;
    emit doubleClicked();
    event->accept();
}

void ClickLabel::setFace(QColor colour) {
    face_ = colour;
    update();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (face_.isValid()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(face_);
        painter.drawRoundedRect(rect(), 4, 4);
    }
    QLabel::paintEvent(event);
}

PictureBox::PictureBox(QWidget* parent) : ClickLabel(parent) {}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    setPixmap(picture);
}

bool PictureBox::showsPictureOf(const PictureBox& reference) const {
    return !picture_.isNull() && picture_.cacheKey() == reference.picture_.cacheKey();
}

}  // namespace quorvant
