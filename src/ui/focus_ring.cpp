#include "ui/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace quorvant {

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("focus_ring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // The keys and presses of every control of the window reach the application first.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

bool FocusRing::inWindow(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->window() == parentWidget()->window();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (inWindow(watched) && !fromKeyboard_) {
                fromKeyboard_ = true;
                place();
            }
            break;
        case QEvent::WindowActivate:
            if (watched == parentWidget()->window()) {
                fromKeyboard_ = true;
                follow(QApplication::focusWidget());
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (inWindow(watched) && fromKeyboard_) {
                fromKeyboard_ = false;
                place();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == control_ || watched == parentWidget()) place();
            break;
        default:
            break;
    }
    return false;
}

void FocusRing::follow(QWidget* focused) {
    control_ = focused && focused != this && inWindow(focused) ? focused : nullptr;
    place();
}

void FocusRing::place() {
    if (!control_ || !fromKeyboard_ || !control_->isVisible()) {
        hide();
        return;
    }
    const int margin = kWidth + kGap;
    const QRect around(control_->mapTo(parentWidget(), QPoint(0, 0)), control_->size());
    setGeometry(around.adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kColour, kWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal half = kWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 3, 3);
}

}  // namespace quorvant
