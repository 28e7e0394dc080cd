// The window's own buttons: press offsets, minimise, close, and dragging by the background.
#include "ui/form1.h"
#include "ui/screen_placement.h"

namespace quorvant {
namespace {

// A pressed control sinks by one pixel; every release lifts it back.
void Sink(QWidget* control) { control->move(control->pos() + QPoint(1, 1)); }
void Lift(QWidget* control) { control->move(control->pos() - QPoint(1, 1)); }

}  // namespace

void Form1::btn_go_MouseDown() { Sink(btn_go); }
void Form1::btn_go_MouseUp() { Lift(btn_go); }
void Form1::Image1_MouseDown() { Sink(Image1); }
void Form1::Image1_MouseUp() { Lift(Image1); }
void Form1::Image2_MouseDown() { Sink(Image2); }
void Form1::Image2_MouseUp() { Lift(Image2); }
void Form1::Label1_MouseDown() { Sink(Label1); }
void Form1::Label1_MouseUp() { Lift(Label1); }

// The second press of a double click arrives as a double click; it sinks the flag like a press
// so that the release that follows finds it sunk.
void Form1::Image1_DblClick() { Sink(Image1); }
void Form1::Image2_DblClick() { Sink(Image2); }

void Form1::Image3_Click() { showMinimized(); }
void Form1::Image4_Click() { Label1_Click(); }
void Form1::Label1_Click() { close(); }

void Form1::Form_MouseDown(QPoint pointInWindow) {
    dragging_ = true;
    dragGrip_ = pointInWindow;
}

void Form1::Form_MouseMove(QPoint pointerOnScreen) {
    if (dragging_) move(KeptOnScreens(QRect(pointerOnScreen - dragGrip_, size()), ScreenAreas()));
}

void Form1::Form_MouseUp() { dragging_ = false; }

void Form1::keepOnScreen() {
    if (!isMinimized()) move(KeptOnScreens(frameGeometry(), ScreenAreas()));
}

}  // namespace quorvant
