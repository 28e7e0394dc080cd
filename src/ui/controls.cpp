#include "ui/controls.h"

#include <QFrame>
#include <QLineEdit>

#include "ui/shape.h"

namespace quorvant {

QString ControlsStyleSheet() {
    return QStringLiteral(R"(
QLabel { color: #d9dbe0; }
QListWidget, QLineEdit, QComboBox {
    background: #0e1013; color: #eceef2; border: 1px solid #3b3f48; border-radius: 3px;
    selection-background-color: #ff9a2e; selection-color: #111214;
}
QLineEdit, QComboBox { padding: 1px 4px; }
QListWidget:focus, QLineEdit:focus, QComboBox:focus { border-color: #ff9a2e; }
QComboBox::drop-down { border: none; width: 16px; }
QComboBox QAbstractItemView { background: #0e1013; color: #eceef2; border: 1px solid #3b3f48; }
QScrollBar:vertical { background: #0e1013; width: 10px; margin: 0; }
QScrollBar::handle:vertical { background: #3b3f48; border-radius: 4px; min-height: 18px; }
QScrollBar::add-line, QScrollBar::sub-line { height: 0; }
QToolTip { background: #1d2026; color: #eceef2; border: 1px solid #ff9a2e; }
)");
}

ClickLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry, const char* caption) {
    auto* label = MakeControl<ClickLabel>(parent, name, geometry);
    label->setText(QString::fromUtf8(caption));
    return label;
}

ClickLabel* MakeButtonLabel(QWidget* parent, const char* name, QRect geometry,
                            const char* caption) {
    auto* button = MakeLabel(parent, name, geometry, caption);
    button->setAlignment(Qt::AlignCenter);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

ClickLabel* MakeLink(QWidget* parent, const char* name, QRect geometry) {
    auto* link = MakeLabel(parent, name, geometry, "URL");
    link->setStyleSheet(QStringLiteral("color: rgb(192, 192, 255); text-decoration: underline;"));
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

PictureBox* MakeBox(QWidget* parent, const char* name, QPoint at) {
    return MakeControl<PictureBox>(parent, name, QRect(at, kBoxSize));
}

Shape* MakeShape(QWidget* parent, const char* name, QRect geometry, QColor border, QColor fill) {
    auto* shape = MakeControl<Shape>(parent, name, geometry);
    shape->setColours(border, fill);
    return shape;
}

Shape* MakeHighlight(QWidget* parent, const char* name, QRect geometry) {
    return MakeShape(parent, name, geometry, Qt::transparent, kHighlight);
}

Shape* MakeLine(QWidget* parent, const char* name, QRect geometry) {
    Shape* line = MakeShape(parent, name, geometry, Qt::transparent, kEdge);
    line->setFilled(true);
    return line;
}

QFrame* MakeFrame(QWidget* parent, const char* name, QRect geometry) {
    auto* frame = MakeControl<QFrame>(parent, name, geometry);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

QLineEdit* MakeField(QWidget* parent, const char* name, QRect geometry, const char* text) {
    auto* field = MakeControl<QLineEdit>(parent, name, geometry);
    field->setText(QString::fromLatin1(text));
    return field;
}

}  // namespace quorvant
