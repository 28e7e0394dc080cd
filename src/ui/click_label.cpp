#include "ui/click_label.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/click_label_accessible.h"

namespace quorvant {
namespace {

const QColor kMarkBar(0xff, 0x9a, 0x2e);
const QColor kHoverShade(0xff, 0xff, 0xff, 0x1c);

bool Checkable(ControlRole role) {
    return role == ControlRole::CheckBox || role == ControlRole::RadioButton;
}

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { InstallAccessibleClickLabels(); }

void ClickLabel::setTag(const QString& tag) {
    tag_ = tag;
    tagChanged();
}

void ClickLabel::setRole(ControlRole role) {
    role_ = role;
    const bool control = role != ControlRole::Label;
    // The keyboard's focus only: a click runs the control without leaving a focus mark behind.
    setFocusPolicy(control ? Qt::TabFocus : Qt::NoFocus);
    setAttribute(Qt::WA_Hover, control);
    if (control) setCursor(Qt::PointingHandCursor);
    tagChanged();
}

void ClickLabel::setMarked(bool marked) {
    if (marked == marked_) return;
    marked_ = marked;
    update();
    if (Checkable(role_)) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void ClickLabel::setMarkEdge(Qt::Edge edge) {
    markEdge_ = edge;
    update();
}

QString ClickLabel::spokenName() const {
    if (caption_ && !caption_->text().isEmpty()) return caption_->text();
    return text().isEmpty() ? toolTip() : text();
}

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

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (role_ != ControlRole::Label && !event->isAutoRepeat() &&
        (key == Qt::Key_Space || (enter && enterClicks_))) {
        activate();
    } else if (!group_.empty() && (key == Qt::Key_Up || key == Qt::Key_Left)) {
        moveInGroup(-1);
    } else if (!group_.empty() && (key == Qt::Key_Down || key == Qt::Key_Right)) {
        moveInGroup(1);
    } else {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

// Arrow keys choose the next option as they move to it, as among option buttons.
void ClickLabel::moveInGroup(int step) {
    const auto at = std::find(group_.begin(), group_.end(), this);
    if (at == group_.end()) return;
    const auto count = static_cast<std::ptrdiff_t>(group_.size());
    ClickLabel* next = group_[std::size_t(((at - group_.begin()) + step + count) % count)];
    next->setFocus(Qt::TabFocusReason);
    next->activate();
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
        painter.setBrush(underMouse() && role_ != ControlRole::Label ? face_.lighter(112) : face_);
        painter.drawRoundedRect(rect(), 4, 4);
    }
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintStates(painter);
}

// The pointer over a control shades it, and an active tab or language carries a bar on its mark
// edge; neither moves the control or its neighbours. The window's focus ring marks the focus.
void ClickLabel::paintStates(QPainter& painter) {
    if (role_ == ControlRole::Label) return;
    if (underMouse() && !face_.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kHoverShade);
        painter.drawRoundedRect(rect(), 3, 3);
    }
    if (marked_ && markEdge_) {
        const QRect r = rect();
        const QRect bar = *markEdge_ == Qt::LeftEdge ? QRect(0, 2, 3, r.height() - 4)
                          : *markEdge_ == Qt::BottomEdge
                              ? QRect(2, r.height() - 2, r.width() - 4, 2)
                          : *markEdge_ == Qt::RightEdge ? QRect(r.width() - 3, 2, 3, r.height() - 4)
                                                        : QRect(2, 0, r.width() - 4, 2);
        painter.fillRect(bar, kMarkBar);
    }
}

PictureBox::PictureBox(QWidget* parent) : ClickLabel(parent) {}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    setPixmap(picture);
}

bool PictureBox::showsPictureOf(const PictureBox& reference) const {
    return !picture_.isNull() && picture_.cacheKey() == reference.picture_.cacheKey();
}

void PictureBox::tagChanged() {
    if (Checkable(role())) setMarked(tag() == QLatin1String("1"));
}

}  // namespace quorvant
