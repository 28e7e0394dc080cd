// The map cycle window: its controls, their texts at design, keys, press effects and closing.
#include "serverconfig/frm_mapcycle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "serverconfig/frm_mapcycle_texts.h"
#include "ui/controls.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/pictures.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

constexpr QSize kWindowSize(336, 372);

Shape* MakeButtonFrame(QWidget* parent, const char* name, QRect geometry) {
    return MakeShape(parent, name, geometry, kAccent, kHighlight);
}

}  // namespace

frm_mapcycle::frm_mapcycle(Form1& mainWindow, Dialogs& dialogs)
    : ToolWindow(&mainWindow, "frm_mapcycle", "Mapcycle", kWindowSize),
      mainWindow_(mainWindow),
      dialogs_(dialogs) {
    buildControls();
    ApplyLanguageRows(*this, MapCycleTexts(), Language::English);
    lbl_nbr_maps->setTag(TextIn(kMapUnits, Language::English));
    connectHandlers();
    describeControls();
}

// The list with its count on the left; on the right what acts on the selected map (remove, move
// up and down), then saving and closing; the field that adds a map at the foot.
void frm_mapcycle::buildControls() {
    Shape1 = MakeShape(this, "Shape1", QRect(10, 12, 238, 202), kEdge, Qt::transparent);
    lst_maps = MakeList(this, "lst_maps", QRect(18, 20, 222, ListHeight(*this, 12)));
    Shape3 = MakeButtonFrame(this, "Shape3", QRect(258, 112, 31, 26));
    Shape4 = MakeButtonFrame(this, "Shape4", QRect(295, 112, 31, 26));
    Image1 = MakeControl<PictureBox>(this, "Image1", QRect(261, 113, 24, 24));
    Image2 = MakeControl<PictureBox>(this, "Image2", QRect(298, 113, 24, 24));
    Image1->setPicture(pictures::ArrowUp());
    Image2->setPicture(pictures::ArrowDown());
    for (PictureBox* arrow : {Image1, Image2}) arrow->setCursor(Qt::PointingHandCursor);
    lbl_nbr_maps = MakeLabel(this, "lbl_nbr_maps", QRect(18, 188, 186, 18), "xx maps");
    SetTextColour(lbl_nbr_maps, kQuietText);

    Line1 = MakeLine(this, "Line1", QRect(10, 222, 316, 1));
    Shape5 = MakeShape(this, "Shape5", QRect(10, 230, 238, 28), kEdge, Qt::transparent);
    txt_ajout = MakeField(this, "txt_ajout", QRect(16, 233, 150, 22));
    Shape8 = MakeButtonFrame(this, "Shape8", QRect(172, 233, 70, 22));
    Label1 = MakeButtonLabel(this, "Label1", QRect(172, 233, 70, 22), "");

    pic = MakeControl<PictureBox>(this, "pic", QRect(272, 14, 40, 40));
    pic->setPicture(pictures::MapCycleEmblem());
    Line2 = MakeLine(this, "Line2", QRect(258, 62, 68, 1));
    Shape2 = MakeButtonFrame(this, "Shape2", QRect(258, 72, 68, 24));
    Label2 = MakeButtonLabel(this, "Label2", QRect(258, 72, 68, 24), "");
    Line3 = MakeLine(this, "Line3", QRect(258, 150, 68, 1));
    Shape6 = MakeButtonFrame(this, "Shape6", QRect(258, 160, 68, 24));
    Label3 = MakeButtonLabel(this, "Label3", QRect(258, 160, 68, 24), "");
    Shape7 = MakeButtonFrame(this, "Shape7", QRect(258, 190, 68, 24));
    Label4 = MakeButtonLabel(this, "Label4", QRect(258, 190, 68, 24), "");
    Line5 = MakeLine(this, "Line5", QRect(258, 243, 68, 1));

    // Below: the check of every map of the cycle, and the selected map's picture.
    Line4 = MakeLine(this, "Line4", QRect(10, 266, 316, 1));
    Shape9 = MakeShape(this, "Shape9", QRect(10, 274, 238, 88), kEdge, Qt::transparent);
    lst_check = MakeList(this, "lst_check", QRect(16, 278, 226, 80));
    lst_check->setSelectionMode(QAbstractItemView::NoSelection);
    Shape10 = MakeButtonFrame(this, "Shape10", QRect(258, 274, 68, 24));
    Label5 = MakeButtonLabel(this, "Label5", QRect(258, 274, 68, 24), "");
    img_map = MakeControl<QLabel>(this, "img_map", QRect(258, 306, 68, 56));
    img_map->setAlignment(Qt::AlignCenter);
}

void frm_mapcycle::connectHandlers() {
    using Handler = void (frm_mapcycle::*)();
    const auto click = &ClickLabel::clicked;
    const auto press = &ClickLabel::pressed;
    const auto release = &ClickLabel::released;
    const struct {
        ClickLabel* control;
        void (ClickLabel::*event)();
        Handler handler;
    } bindings[] = {
        {Label1, click, &frm_mapcycle::Label1_Click},
        {Label2, click, &frm_mapcycle::Label2_Click},
        {Image1, click, &frm_mapcycle::Image1_Click},
        {Image1, &ClickLabel::doubleClicked, &frm_mapcycle::Image1_DblClick},
        {Image2, click, &frm_mapcycle::Image2_Click},
        {Image2, &ClickLabel::doubleClicked, &frm_mapcycle::Image2_DblClick},
        {Label3, click, &frm_mapcycle::Label3_Click},
        {Label4, click, &frm_mapcycle::Label4_Click},
        {Label5, click, &frm_mapcycle::Label5_Click},
        {Label5, press, &frm_mapcycle::Label5_MouseDown},
        {Label5, release, &frm_mapcycle::Label5_MouseUp},
        {Label1, press, &frm_mapcycle::Label1_MouseDown},
        {Label1, release, &frm_mapcycle::Label1_MouseUp},
        {Label2, press, &frm_mapcycle::Label2_MouseDown},
        {Label2, release, &frm_mapcycle::Label2_MouseUp},
        {Label3, press, &frm_mapcycle::Label3_MouseDown},
        {Label3, release, &frm_mapcycle::Label3_MouseUp},
        {Label4, press, &frm_mapcycle::Label4_MouseDown},
        {Label4, release, &frm_mapcycle::Label4_MouseUp},
        {Image1, press, &frm_mapcycle::Image1_MouseDown},
        {Image1, release, &frm_mapcycle::Image1_MouseUp},
        {Image2, press, &frm_mapcycle::Image2_MouseDown},
        {Image2, release, &frm_mapcycle::Image2_MouseUp},
    };
    for (const auto& binding : bindings) {
        connect(binding.control, binding.event, this, binding.handler);
    }
    connect(txt_ajout, &QLineEdit::returnPressed, this,
            [this] { txt_ajout_KeyPress(Qt::Key_Return); });
    lst_maps->installEventFilter(this);
    connect(lst_maps, &QListWidget::currentRowChanged, this, &frm_mapcycle::lst_maps_Click);
}

// The keyboard's and screen readers' view of the window, and Tab's order: the reading order.
void frm_mapcycle::describeControls() {
    for (ClickLabel* button :
         std::initializer_list<ClickLabel*>{Image1, Image2, Label2, Label1, Label3, Label4, Label5})
        button->setRole(ControlRole::Button);
    ChainFocus(
        {lst_maps, Label2, Image1, Image2, Label3, Label4, txt_ajout, Label1, lst_check, Label5});
}

void frm_mapcycle::Label1_MouseDown() { Shape8->setFilled(true); }
void frm_mapcycle::Label1_MouseUp() { Shape8->setFilled(false); }
void frm_mapcycle::Label2_MouseDown() { Shape2->setFilled(true); }
void frm_mapcycle::Label2_MouseUp() { Shape2->setFilled(false); }
void frm_mapcycle::Label3_MouseDown() { Shape6->setFilled(true); }
void frm_mapcycle::Label3_MouseUp() { Shape6->setFilled(false); }
void frm_mapcycle::Label4_MouseDown() { Shape7->setFilled(true); }
void frm_mapcycle::Label4_MouseUp() { Shape7->setFilled(false); }
void frm_mapcycle::Image1_MouseDown() { Shape3->setFilled(true); }
void frm_mapcycle::Image1_MouseUp() { Shape3->setFilled(false); }
void frm_mapcycle::Image2_MouseDown() { Shape4->setFilled(true); }
void frm_mapcycle::Image2_MouseUp() { Shape4->setFilled(false); }
void frm_mapcycle::Label5_MouseDown() { Shape10->setFilled(true); }
void frm_mapcycle::Label5_MouseUp() { Shape10->setFilled(false); }

void frm_mapcycle::Label4_Click() { reject(); }

void frm_mapcycle::txt_ajout_KeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) Label1_Click();
}

void frm_mapcycle::lst_maps_KeyDown(int key) {
    if (key == Qt::Key_Delete) Label2_Click();
}

// The text box handles Enter first and leaves it to the window too, whose Add then finds the box
// emptied; the list leaves Esc and Enter to the window.
void frm_mapcycle::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            Label4_Click();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Label1_Click();
            return;
        default:
            ToolWindow::keyPressEvent(event);
    }
}

bool frm_mapcycle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lst_maps && event->type() == QEvent::KeyPress) {
        lst_maps_KeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    return ToolWindow::eventFilter(watched, event);
}

}  // namespace quorvant
