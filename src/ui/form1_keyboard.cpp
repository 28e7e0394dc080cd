// What each control of the main window is to the keyboard and to screen readers, and the order
// Tab visits them in: the reading order of the window.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "ui/controls.h"
#include "ui/form1.h"

namespace quorvant {

void Form1::describeControls() {
    for (ClickLabel* button :
         std::initializer_list<ClickLabel*>{btn_go, Label1, Image1, Image2, Image3, Image4, Label28,
                                            Label19, Label29, lbl_find_server})
        button->setRole(ControlRole::Button);
    Image4->setCaption(Label1);  // the close picture closes as the Close label does
    for (ClickLabel* tab : {Label18, Label17, Label16}) {
        tab->setRole(ControlRole::Tab);
        tab->setMarkEdge(Qt::LeftEdge);
    }
    for (ClickLabel* tab : {Label23, Label22}) {
        tab->setRole(ControlRole::Tab);
        tab->setMarkEdge(Qt::BottomEdge);
    }
    for (ClickLabel* link : {lbl_info_URL, lbl_solo_url, lbl_map_check})
        link->setRole(ControlRole::Link);
    for (auto [box, caption] :
         {std::pair{coche_dev, Label6}, std::pair{coche_console, Label7},
          std::pair{coche_ping, Label10}, std::pair{coche_memoire, Label8},
          std::pair{coche_dedicated, Label14}, std::pair{coche_skip_intro, lbl_skip_intro}}) {
        box->setRole(ControlRole::CheckBox);
        box->setCaption(caption);
    }
    for (auto [option, caption] :
         {std::pair{coche_skill1, lbl_skill1}, std::pair{coche_skill2, lbl_skill2},
          std::pair{coche_skill3, lbl_skill3}}) {
        option->setRole(ControlRole::RadioButton);
        option->setCaption(caption);
        option->setGroup({coche_skill1, coche_skill2, coche_skill3});
    }
    for (ClickLabel* choice : {Label31, Label32, lbl_load}) {
        choice->setRole(ControlRole::RadioButton);
        choice->setGroup({Label31, Label32, lbl_load});
    }

    ChainFocus({Image1,        Image2,        Image3,          Image4,          Label18,
                Label17,       Label16,       Label23,         Label22,         lst_mods,
                lst_bots,      Label28,       Label19,         Label29,         lbl_info_URL,
                lst_maps,      lbl_map_check, txt_max_players, txt_port_server, coche_dedicated,
                txt_ip,        txt_port_join, lbl_find_server, txt_password,    lst_mods_solo,
                lbl_solo_url,  Label31,       Label32,         lbl_load,        coche_skip_intro,
                lst_solo_save, coche_skill1,  coche_skill2,    coche_skill3,    txt_hl,
                txt_hlexe,     coche_dev,     coche_console,   coche_ping,      coche_memoire,
                txt_memoire,   Label1,        btn_go});
}

}  // namespace quorvant
