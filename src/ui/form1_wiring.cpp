// Binds the main window's controls to their handlers.
#include <QComboBox>
#include <QListWidget>

#include "launch/join_status.h"
#include "ui/form1.h"

namespace quorvant {
namespace {

using Handler = void (Form1::*)();

struct Binding {
    ClickLabel* control;
    void (ClickLabel::*event)();
    Handler handler;
};

}  // namespace

void Form1::connectHandlers() {
    const auto click = &ClickLabel::clicked;
    const auto doubleClick = &ClickLabel::doubleClicked;
    const auto press = &ClickLabel::pressed;
    const auto release = &ClickLabel::released;
    const Binding bindings[] = {
        {Label18, click, &Form1::Label18_Click},
        {lbl_map_check, click, &Form1::lbl_map_check_Click},
        {Label17, click, &Form1::Label17_Click},
        {Label16, click, &Form1::Label16_Click},
        {Label23, click, &Form1::Label23_Click},
        {Label22, click, &Form1::Label22_Click},
        {Label18, press, &Form1::Label18_MouseDown},
        {Label18, release, &Form1::Label18_MouseUp},
        {Label17, press, &Form1::Label17_MouseDown},
        {Label17, release, &Form1::Label17_MouseUp},
        {Label16, press, &Form1::Label16_MouseDown},
        {Label16, release, &Form1::Label16_MouseUp},
        {Label23, press, &Form1::Label23_MouseDown},
        {Label23, release, &Form1::Label23_MouseUp},
        {Label22, press, &Form1::Label22_MouseDown},
        {Label22, release, &Form1::Label22_MouseUp},

        {coche_dev, click, &Form1::coche_dev_Click},
        {coche_console, click, &Form1::coche_console_Click},
        {coche_ping, click, &Form1::coche_ping_Click},
        {coche_memoire, click, &Form1::coche_memoire_Click},
        {coche_dedicated, click, &Form1::coche_dedicated_Click},
        {coche_skip_intro, click, &Form1::coche_skip_intro_Click},
        {coche_dev, doubleClick, &Form1::coche_dev_DblClick},
        {coche_console, doubleClick, &Form1::coche_console_DblClick},
        {coche_ping, doubleClick, &Form1::coche_ping_DblClick},
        {coche_memoire, doubleClick, &Form1::coche_memoire_DblClick},
        {coche_dedicated, doubleClick, &Form1::coche_dedicated_DblClick},
        {coche_skip_intro, doubleClick, &Form1::coche_skip_intro_DblClick},
        {Label6, click, &Form1::Label6_Click},
        {Label7, click, &Form1::Label7_Click},
        {Label8, click, &Form1::Label8_Click},
        {Label10, click, &Form1::Label10_Click},
        {Label14, click, &Form1::Label14_Click},
        {lbl_skip_intro, click, &Form1::lbl_skip_intro_Click},
        {Label6, doubleClick, &Form1::Label6_DblClick},
        {Label7, doubleClick, &Form1::Label7_DblClick},
        {Label8, doubleClick, &Form1::Label8_DblClick},
        {Label10, doubleClick, &Form1::Label10_DblClick},
        {Label14, doubleClick, &Form1::Label14_DblClick},
        {lbl_skip_intro, doubleClick, &Form1::lbl_skip_intro_DblClick},

        {coche_skill1, click, &Form1::coche_skill1_Click},
        {coche_skill2, click, &Form1::coche_skill2_Click},
        {coche_skill3, click, &Form1::coche_skill3_Click},
        {lbl_skill1, click, &Form1::lbl_skill1_Click},
        {lbl_skill2, click, &Form1::lbl_skill2_Click},
        {lbl_skill3, click, &Form1::lbl_skill3_Click},
        {Label31, click, &Form1::Label31_Click},
        {Label32, click, &Form1::Label32_Click},
        {lbl_load, click, &Form1::lbl_load_Click},

        {btn_go, press, &Form1::btn_go_MouseDown},
        {btn_go, release, &Form1::btn_go_MouseUp},
        {Image1, press, &Form1::Image1_MouseDown},
        {Image1, release, &Form1::Image1_MouseUp},
        {Image2, press, &Form1::Image2_MouseDown},
        {Image2, release, &Form1::Image2_MouseUp},
        {Label1, press, &Form1::Label1_MouseDown},
        {Label1, release, &Form1::Label1_MouseUp},
        {Image1, doubleClick, &Form1::Image1_DblClick},
        {Image2, doubleClick, &Form1::Image2_DblClick},
        // The second press of a double click sinks these as a press would.
        {btn_go, doubleClick, &Form1::btn_go_MouseDown},
        {Label1, doubleClick, &Form1::Label1_MouseDown},

        {Label29, click, &Form1::Label29_Click},
        {Label19, click, &Form1::Label19_Click},
        {Label28, click, &Form1::Label28_Click},
        {Label19, press, &Form1::Label19_MouseDown},
        {Label19, release, &Form1::Label19_MouseUp},
        {Label28, press, &Form1::Label28_MouseDown},
        {Label28, release, &Form1::Label28_MouseUp},
        {lbl_info_URL, click, &Form1::lbl_info_URL_Click},
        {lbl_solo_url, click, &Form1::lbl_solo_url_Click},
        {lbl_find_server, click, &Form1::lbl_find_server_Click},

        {Image3, click, &Form1::Image3_Click},
        {Image4, click, &Form1::Image4_Click},
        {Label1, click, &Form1::Label1_Click},
        {Image1, click, &Form1::Image1_Click},
        {Image2, click, &Form1::Image2_Click},
    };
    for (const Binding& binding : bindings) {
        connect(binding.control, binding.event, this, binding.handler);
    }
    connect(btn_go, &ClickLabel::clicked, this, &Form1::btn_go_Click);
    btn_go->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(btn_go, &QWidget::customContextMenuRequested, this, &Form1::btn_go_ContextMenu);
    // Selecting an entry from code runs the handler just as a click does. The selection, not the
    // current entry: the focus alone makes an entry current.
    connect(lst_mods, &QListWidget::itemSelectionChanged, this, &Form1::lst_mods_Click);
    connect(lst_mods_solo, &QListWidget::itemSelectionChanged, this, &Form1::lst_mods_solo_Click);
    connect(lst_maps, &QComboBox::currentIndexChanged, this, &Form1::lst_maps_Click);
    // A click on the entry already selected is a choice too.
    connect(lst_bots, &QListWidget::itemSelectionChanged, this, &Form1::lst_bots_Click);
    connect(lst_bots, &QListWidget::itemClicked, this, &Form1::lst_bots_Click);
    connect(&languageState_, &LanguageState::changed, this, &Form1::showLanguage);
    joinStatus_ = std::make_unique<JoinStatus>(*this, statusOptions_);
}

}  // namespace quorvant
