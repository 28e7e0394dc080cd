// Tab and sub-tab switching of the main window. Which panel is shown is the only record of the
// current tab: the launch and the closing read it back from the panels' visibility.
#include <QFrame>

#include "ui/form1.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

void SetBold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

}  // namespace

void Form1::setPanelsVisible(bool multiplayer, bool single, bool config) {
    Frame_mplayer->setVisible(multiplayer);
    Frame_single->setVisible(single);
    frame_config->setVisible(config);
    SetBold(Label18, multiplayer);
    SetBold(Label17, single);
    SetBold(Label16, config);
}

void Form1::Label18_Click() { setPanelsVisible(true, false, false); }

void Form1::Label17_Click() { setPanelsVisible(false, true, false); }

void Form1::Label16_Click() { setPanelsVisible(false, false, true); }

void Form1::Label23_Click() {
    Frame_Join->setVisible(false);
    Frame_server->setVisible(true);
    SetBold(Label22, false);
    SetBold(Label23, true);
}

void Form1::Label22_Click() {
    Frame_Join->setVisible(true);
    Frame_server->setVisible(false);
    SetBold(Label22, true);
    SetBold(Label23, false);
}

void Form1::Label18_MouseDown() { Shape_Server->setFilled(true); }
void Form1::Label18_MouseUp() { Shape_Server->setFilled(false); }
void Form1::Label17_MouseDown() { Shape_Client->setFilled(true); }
void Form1::Label17_MouseUp() { Shape_Client->setFilled(false); }
void Form1::Label16_MouseDown() { Shape_General->setFilled(true); }
void Form1::Label16_MouseUp() { Shape_General->setFilled(false); }
void Form1::Label23_MouseDown() { Shape7->setFilled(true); }
void Form1::Label23_MouseUp() { Shape7->setFilled(false); }
void Form1::Label22_MouseDown() { Shape6->setFilled(true); }
void Form1::Label22_MouseUp() { Shape6->setFilled(false); }

}  // namespace quorvant
