#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <initializer_list>

#include "ui/click_label.h"

class QFrame;
class QLineEdit;
class QListWidget;

// Creating the windows' controls in the program's look, each with its name as object name.
namespace quorvant {

class Shape;

inline constexpr QSize kBoxSize(19, 19);

// A dialog window with its title and a close button, and no button to maximise or minimise it.
inline constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

inline const QColor kAccent(0xff, 0x9a, 0x2e);
inline const QColor kHighlight(0xff, 0x9a, 0x2e, 0x48);
inline const QColor kEdge(0x3b, 0x3f, 0x48);
inline const QColor kQuietText(0x80, 0x85, 0x8f);

// Makes the fonts the program carries (the Windows build carries the one it is laid out in)
// known to the windows; call once, before any window is built.
void LoadCarriedFonts();

// Dark controls with light text and the accent colour for the selection, for a whole window.
// Palettes and fonts rather than style sheets: those cost milliseconds at every start.
QPalette ControlsPalette();
// The same for a window of its own, such as a message box or a menu, on the windows' dark ground.
QPalette DialogPalette();
void SetTextColour(QWidget* control, QColor colour);
void SetFontSize(QWidget* control, int pixels, QFont::Weight weight = QFont::Normal);

template <typename Control>
Control* MakeControl(QWidget* parent, const char* name, QRect geometry) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

ClickLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry, const char* caption);
// A label that reads as a button: centred, with the hand pointer.
ClickLabel* MakeButtonLabel(QWidget* parent, const char* name, QRect geometry, const char* caption);
ClickLabel* MakeLink(QWidget* parent, const char* name, QRect geometry);
PictureBox* MakeBox(QWidget* parent, const char* name, QPoint at);
Shape* MakeShape(QWidget* parent, const char* name, QRect geometry, QColor border, QColor fill);
// A rectangle that shows while its control is pressed or chosen.
Shape* MakeHighlight(QWidget* parent, const char* name, QRect geometry);
// A thin filled rectangle drawn as a line.
Shape* MakeLine(QWidget* parent, const char* name, QRect geometry);
QFrame* MakeFrame(QWidget* parent, const char* name, QRect geometry);
// The height of a list of `window`'s font that shows `rows` whole rows.
int ListHeight(const QWidget& window, int rows);
// A list of one line per entry, laid out without measuring each of its thousands of entries.
QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry);
QLineEdit* MakeField(QWidget* parent, const char* name, QRect geometry, const char* text = "");
// A field that takes a port number, 1 to 65535, and nothing else.
QLineEdit* MakePortField(QWidget* parent, const char* name, QRect geometry);
// Tab visits the widgets in this order; hidden ones are passed over.
void ChainFocus(std::initializer_list<QWidget*> widgets);
// A text box that shows "*" for every character, whatever mask the style would draw.
QLineEdit* MakePasswordField(QWidget* parent, const char* name, QRect geometry);

}  // namespace quorvant
