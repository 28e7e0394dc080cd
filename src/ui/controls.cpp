#include "ui/controls.h"

#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "ui/shape.h"

namespace quorvant {
namespace {

// The window's style in all but the mask of password boxes.
class StarMaskStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void LoadCarriedFonts() {
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& file : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

QPalette ControlsPalette() {
    QPalette palette;
    const QColor field(0x0e, 0x10, 0x13), text(0xec, 0xee, 0xf2);
    // The style draws field edges a shade darker than the window colour: this one gives kEdge.
    palette.setColor(QPalette::Window, QColor(0x52, 0x58, 0x65));
    palette.setColor(QPalette::WindowText, QColor(0xd9, 0xdb, 0xe0));
    palette.setColor(QPalette::Base, field);
    palette.setColor(QPalette::AlternateBase, field);
    palette.setColor(QPalette::Button, field);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::PlaceholderText, kQuietText);
    palette.setColor(QPalette::Highlight, kAccent);
    palette.setColor(QPalette::HighlightedText, QColor(0x11, 0x12, 0x14));
    palette.setColor(QPalette::ToolTipBase, QColor(0x1d, 0x20, 0x26));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Light, kEdge);
    palette.setColor(QPalette::Midlight, kEdge);
    palette.setColor(QPalette::Mid, kEdge);
    palette.setColor(QPalette::Dark, QColor(0x0a, 0x0b, 0x0d));
    palette.setColor(QPalette::Shadow, Qt::black);
    return palette;
}

QPalette DialogPalette() {
    QPalette palette = ControlsPalette();
    palette.setColor(QPalette::Window, QColor(0x1d, 0x20, 0x26));
    palette.setColor(QPalette::Button, QColor(0x2a, 0x2e, 0x36));
    return palette;
}

void SetTextColour(QWidget* control, QColor colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

void SetFontSize(QWidget* control, int pixels, QFont::Weight weight) {
    QFont font = control->font();
    font.setPixelSize(pixels);
    font.setWeight(weight);
    control->setFont(font);
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
    SetTextColour(link, QColor(192, 192, 255));
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
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

// A row of this style is a line of text high; the frame is one pixel.
int ListHeight(const QWidget& window, int rows) { return rows * window.fontMetrics().height() + 2; }

namespace {

// An arrow key in a list with nothing selected selects the entry it stands on, rather than
// moving on to the next one first.
class FirstArrowSelects : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* list = qobject_cast<QListWidget*>(watched);
        const bool arrow = key->key() == Qt::Key_Down || key->key() == Qt::Key_Up;
        if (!arrow || key->modifiers() != Qt::NoModifier || !list || list->count() == 0 ||
            !list->selectedItems().isEmpty())
            return false;
        list->setCurrentRow(std::max(list->currentRow(), 0), QItemSelectionModel::ClearAndSelect);
        return true;
    }
};

}  // namespace

QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry) {
    auto* list = MakeControl<QListWidget>(parent, name, geometry);
    list->setUniformItemSizes(true);
    list->installEventFilter(new FirstArrowSelects(list));
    return list;
}

QLineEdit* MakePortField(QWidget* parent, const char* name, QRect geometry) {
    QLineEdit* field = MakeField(parent, name, geometry);
    // 1 to 65535, digit by digit: a number too big is refused as it is typed.
    static const QRegularExpression port(
        QStringLiteral("(?:[1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-"
                       "9]|6553[0-5])?"));
    field->setValidator(new QRegularExpressionValidator(port, field));
    return field;
}

QLineEdit* MakeField(QWidget* parent, const char* name, QRect geometry, const char* text) {
    auto* field = MakeControl<QLineEdit>(parent, name, geometry);
    field->setText(QString::fromLatin1(text));
    return field;
}

void ChainFocus(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QLineEdit* MakePasswordField(QWidget* parent, const char* name, QRect geometry) {
    QLineEdit* field = MakeField(parent, name, geometry);
    field->setEchoMode(QLineEdit::Password);
    auto* style = new StarMaskStyle(field->style()->name());
    style->setParent(field);
    field->setStyle(style);
    return field;
}

}  // namespace quorvant
