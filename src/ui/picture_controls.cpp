// The picture check boxes, the difficulty options and the single-player start choice.
#include "ui/check_box.h"
#include "ui/form1.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");

}  // namespace

void Form1::toggle(PictureBox* checkBox) { ToggleCheckBox(*checkBox, *HLCoche0, *HLCoche1); }

void Form1::coche_dev_Click() { toggle(coche_dev); }
void Form1::coche_console_Click() { toggle(coche_console); }
void Form1::coche_ping_Click() { toggle(coche_ping); }
void Form1::coche_memoire_Click() { toggle(coche_memoire); }
void Form1::coche_dedicated_Click() { toggle(coche_dedicated); }
void Form1::coche_skip_intro_Click() { toggle(coche_skip_intro); }

// Each click of a double click toggles once, so a double click leaves the box as it was.
void Form1::coche_dev_DblClick() { coche_dev_Click(); }
void Form1::coche_console_DblClick() { coche_console_Click(); }
void Form1::coche_ping_DblClick() { coche_ping_Click(); }
void Form1::coche_memoire_DblClick() { coche_memoire_Click(); }
void Form1::coche_dedicated_DblClick() { coche_dedicated_Click(); }
void Form1::coche_skip_intro_DblClick() { coche_skip_intro_Click(); }

void Form1::Label6_Click() { coche_dev_Click(); }
void Form1::Label7_Click() { coche_console_Click(); }
void Form1::Label8_Click() { coche_memoire_Click(); }
void Form1::Label10_Click() { coche_ping_Click(); }
void Form1::Label14_Click() { coche_dedicated_Click(); }
void Form1::lbl_skip_intro_Click() { coche_skip_intro_Click(); }
void Form1::Label6_DblClick() { coche_dev_Click(); }
void Form1::Label7_DblClick() { coche_console_Click(); }
void Form1::Label8_DblClick() { coche_memoire_Click(); }
void Form1::Label10_DblClick() { coche_ping_Click(); }
void Form1::Label14_DblClick() { coche_dedicated_Click(); }
void Form1::lbl_skip_intro_DblClick() { coche_skip_intro_Click(); }

void Form1::chooseSkill(PictureBox* chosen) {
    for (PictureBox* option : {coche_skill1, coche_skill2, coche_skill3}) {
        const bool isChosen = option == chosen;
        option->setPicture(isChosen ? HLOption1->picture() : HLOption0->picture());
        option->setTag(isChosen ? kOn : kOff);
    }
}

void Form1::coche_skill1_Click() { chooseSkill(coche_skill1); }
void Form1::coche_skill2_Click() { chooseSkill(coche_skill2); }
void Form1::coche_skill3_Click() { chooseSkill(coche_skill3); }
void Form1::lbl_skill1_Click() { coche_skill1_Click(); }
void Form1::lbl_skill2_Click() { coche_skill2_Click(); }
void Form1::lbl_skill3_Click() { coche_skill3_Click(); }

void Form1::chooseStart(Shape* chosen) {
    for (auto [indicator, choice] :
         {std::pair{Shape_game, Label31}, std::pair{Shape_training, Label32},
          std::pair{Shape_load, lbl_load}}) {
        indicator->setFilled(indicator == chosen);
        choice->setMarked(indicator == chosen);
    }
}

void Form1::Label31_Click() { chooseStart(Shape_game); }
void Form1::Label32_Click() { chooseStart(Shape_training); }
void Form1::lbl_load_Click() { chooseStart(Shape_load); }

}  // namespace quorvant
