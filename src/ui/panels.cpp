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
    for (auto [tab, active] : {std::pair{Label18, multiplayer}, std::pair{Label17, single},
                               std::pair{Label16, config}}) {
        SetBold(tab, active);
        tab->setMarked(active);
    }
}

void Form1::markSubTab(ClickLabel* active) {
    for (ClickLabel* tab : {Label23, Label22}) {
        SetBold(tab, tab == active);
        tab->setMarked(tab == active);
    }
}

void Form1::Label18_Click() { setPanelsVisible(true, false, false); }

void Form1::Label17_Click() { setPanelsVisible(false, true, false); }

void Form1::Label16_Click() { setPanelsVisible(false, false, true); }

void Form1::Label23_Click() {
    Frame_Join->setVisible(false);
    Frame_server->setVisible(true);
    markSubTab(Label23);
}

void Form1::Label22_Click() {
    Frame_Join->setVisible(true);
    Frame_server->setVisible(false);
    markSubTab(Label22);
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
