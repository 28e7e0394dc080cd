// The server options window: its controls, their texts at design, the toggles and closing.
#include "serverconfig/frm_serveur.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "serverconfig/frm_serveur_texts.h"
#include "ui/check_box.h"
#include "ui/controls.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

constexpr QSize kWindowSize(460, 318);
constexpr int kRowHeight = 26;

Shape* MakeBoxFrame(QWidget* parent, const char* name, QRect geometry) {
    return MakeShape(parent, name, geometry, kEdge, Qt::transparent);
}

Shape* MakeButtonFrame(QWidget* parent, const char* name, QRect geometry) {
    return MakeShape(parent, name, geometry, kAccent, kHighlight);
}

}  // namespace

frm_serveur::frm_serveur(Form1& mainWindow, Dialogs& dialogs)
    : ToolWindow(&mainWindow, "frm_serveur", "Advanced Options", kWindowSize),
      mainWindow_(mainWindow),
      dialogs_(dialogs) {
    buildGameRules();
    buildSwitches();
    buildButtons();
    ApplyLanguageRows(*this, ServerOptionsTexts(), Language::English);
    connectHandlers();
    describeControls();
}

void frm_serveur::buildGameRules() {
    Shape1 = MakeBoxFrame(this, "Shape1", QRect(12, 14, 210, 212));
    Label1 = MakeLabel(this, "Label1", QRect(24, 26, 100, 22), "");
    txt_timelimit = MakeField(this, "txt_timelimit", QRect(128, 26, 82, 22));
    Label2 = MakeLabel(this, "Label2", QRect(24, 56, 100, 22), "");
    txt_fraglimit = MakeField(this, "txt_fraglimit", QRect(128, 56, 82, 22));
    Line1 = MakeLine(this, "Line1", QRect(24, 90, 186, 1));
    Label6 = MakeLabel(this, "Label6", QRect(24, 104, 186, 16), "");
    txt_hostname = MakeField(this, "txt_hostname", QRect(24, 122, 186, 22));
    Label3 = MakeLabel(this, "Label3", QRect(24, 158, 186, 16), "");
    Text1 = MakePasswordField(this, "Text1", QRect(24, 176, 186, 22));
    Line2 = MakeLine(this, "Line2", QRect(24, 202, 186, 1));
    Line2->hide();  // the box ends under the password: nothing to set apart
    Shape8 = MakeShape(this, "Shape8", QRect(24, 210, 60, 4), Qt::transparent, kAccent);
    Shape8->hide();
}

void frm_serveur::buildSwitches() {
    Shape2 = MakeBoxFrame(this, "Shape2", QRect(234, 14, 214, 212));
    const auto row = [](int index) { return 26 + index * kRowHeight; };
    const auto caption = [this](const char* name, int y) {
        return MakeLabel(this, name, QRect(268, y, 174, 19), "");
    };
    coche_friendly_fire = MakeBox(this, "coche_friendly_fire", QPoint(244, row(0)));
    lbl_friendly_fire = caption("lbl_friendly_fire", row(0));
    coche_footsteps = MakeBox(this, "coche_footsteps", QPoint(244, row(1)));
    lbl_footsteps = caption("lbl_footsteps", row(1));
    coche_weapons_stay = MakeBox(this, "coche_weapons_stay", QPoint(244, row(2)));
    lbl_weapons_stay = caption("lbl_weapons_stay", row(2));
    coche_force_respawn = MakeBox(this, "coche_force_respawn", QPoint(244, row(3)));
    lbl_force_respawn = caption("lbl_force_respawn", row(3));
    coche_flashlight = MakeBox(this, "coche_flashlight", QPoint(244, row(4)));
    Label7 = caption("Label7", row(4));
    coche_log = MakeBox(this, "coche_log", QPoint(244, row(5)));
    lbl_log = caption("lbl_log", row(5));
    Line4 = MakeLine(this, "Line4", QRect(244, row(6) + 2, 194, 1));
    coche_lan = MakeBox(this, "coche_lan", QPoint(244, row(6) + 12));
    lbl_lan = caption("lbl_lan", row(6) + 12);

    Shape4 = MakeBoxFrame(this, "Shape4", QRect(12, 234, 436, 34));
    Label8 = MakeLabel(this, "Label8", QRect(22, 241, 56, 19), "");
    SetTextColour(Label8, kAccent);
    coche_upload = MakeBox(this, "coche_upload", QPoint(82, 241));
    lbl_upload = MakeLabel(this, "lbl_upload", QRect(106, 241, 150, 19), "");
    coche_download = MakeBox(this, "coche_download", QPoint(264, 241));
    Label34 = MakeLabel(this, "Label34", QRect(288, 241, 156, 19), "");
}

void frm_serveur::buildButtons() {
    Line3 = MakeLine(this, "Line3", QRect(12, 276, 436, 1));
    Shape3 = MakeButtonFrame(this, "Shape3", QRect(254, 284, 92, 24));
    Shape7 = MakeButtonFrame(this, "Shape7", QRect(356, 284, 92, 24));
    Label4 = MakeButtonLabel(this, "Label4", QRect(254, 284, 92, 24), "");
    Label5 = MakeButtonLabel(this, "Label5", QRect(356, 284, 92, 24), "");
}

void frm_serveur::connectHandlers() {
    using Handler = void (frm_serveur::*)();
    const auto click = &ClickLabel::clicked;
    const auto doubleClick = &ClickLabel::doubleClicked;
    const struct {
        ClickLabel* control;
        void (ClickLabel::*event)();
        Handler handler;
    } bindings[] = {
        {coche_friendly_fire, click, &frm_serveur::coche_friendly_fire_Click},
        {coche_footsteps, click, &frm_serveur::coche_footsteps_Click},
        {coche_weapons_stay, click, &frm_serveur::coche_weapons_stay_Click},
        {coche_force_respawn, click, &frm_serveur::coche_force_respawn_Click},
        {coche_flashlight, click, &frm_serveur::coche_flashlight_Click},
        {coche_log, click, &frm_serveur::coche_log_Click},
        {coche_upload, click, &frm_serveur::coche_upload_Click},
        {coche_download, click, &frm_serveur::coche_download_Click},
        {coche_lan, click, &frm_serveur::coche_lan_Click},
        {coche_friendly_fire, doubleClick, &frm_serveur::coche_friendly_fire_DblClick},
        {coche_footsteps, doubleClick, &frm_serveur::coche_footsteps_DblClick},
        {coche_weapons_stay, doubleClick, &frm_serveur::coche_weapons_stay_DblClick},
        {coche_force_respawn, doubleClick, &frm_serveur::coche_force_respawn_DblClick},
        {coche_flashlight, doubleClick, &frm_serveur::coche_flashlight_DblClick},
        {coche_log, doubleClick, &frm_serveur::coche_log_DblClick},
        {coche_upload, doubleClick, &frm_serveur::coche_upload_DblClick},
        {coche_download, doubleClick, &frm_serveur::coche_download_DblClick},
        {coche_lan, doubleClick, &frm_serveur::coche_lan_DblClick},
        {lbl_friendly_fire, click, &frm_serveur::lbl_friendly_fire_Click},
        {lbl_footsteps, click, &frm_serveur::lbl_footsteps_Click},
        {lbl_weapons_stay, click, &frm_serveur::lbl_weapons_stay_Click},
        {lbl_force_respawn, click, &frm_serveur::lbl_force_respawn_Click},
        {Label7, click, &frm_serveur::Label7_Click},
        {lbl_log, click, &frm_serveur::lbl_log_Click},
        {lbl_upload, click, &frm_serveur::lbl_upload_Click},
        {Label34, click, &frm_serveur::Label34_Click},
        {lbl_lan, click, &frm_serveur::lbl_lan_Click},
        {lbl_friendly_fire, doubleClick, &frm_serveur::lbl_friendly_fire_DblClick},
        {lbl_footsteps, doubleClick, &frm_serveur::lbl_footsteps_DblClick},
        {lbl_weapons_stay, doubleClick, &frm_serveur::lbl_weapons_stay_DblClick},
        {lbl_force_respawn, doubleClick, &frm_serveur::lbl_force_respawn_DblClick},
        {Label7, doubleClick, &frm_serveur::Label7_DblClick},
        {lbl_log, doubleClick, &frm_serveur::lbl_log_DblClick},
        {lbl_upload, doubleClick, &frm_serveur::lbl_upload_DblClick},
        {Label34, doubleClick, &frm_serveur::Label34_DblClick},
        {lbl_lan, doubleClick, &frm_serveur::lbl_lan_DblClick},
        {Label4, click, &frm_serveur::Label4_Click},
        {Label5, click, &frm_serveur::Label5_Click},
        {Label5, &ClickLabel::pressed, &frm_serveur::Label5_MouseDown},
        {Label5, &ClickLabel::released, &frm_serveur::Label5_MouseUp},
    };
    for (const auto& binding : bindings) {
        connect(binding.control, binding.event, this, binding.handler);
    }
}

// The keyboard's and screen readers' view of the window, and Tab's order: the reading order.
void frm_serveur::describeControls() {
    for (auto [box, caption] :
         {std::pair{coche_friendly_fire, lbl_friendly_fire},
          std::pair{coche_footsteps, lbl_footsteps},
          std::pair{coche_weapons_stay, lbl_weapons_stay},
          std::pair{coche_force_respawn, lbl_force_respawn}, std::pair{coche_flashlight, Label7},
          std::pair{coche_log, lbl_log}, std::pair{coche_lan, lbl_lan},
          std::pair{coche_upload, lbl_upload}, std::pair{coche_download, Label34}}) {
        box->setRole(ControlRole::CheckBox);
        box->setCaption(caption);
    }
    for (ClickLabel* button : {Label4, Label5}) button->setRole(ControlRole::Button);
    ChainFocus({txt_timelimit, txt_fraglimit, txt_hostname, Text1, coche_friendly_fire,
                coche_footsteps, coche_weapons_stay, coche_force_respawn, coche_flashlight,
                coche_log, coche_lan, coche_upload, coche_download, Label4, Label5});
}

void frm_serveur::toggle(PictureBox* checkBox) {
    ToggleCheckBox(*checkBox, *mainWindow_.HLCoche0, *mainWindow_.HLCoche1);
}

void frm_serveur::coche_friendly_fire_Click() { toggle(coche_friendly_fire); }
void frm_serveur::coche_footsteps_Click() { toggle(coche_footsteps); }
void frm_serveur::coche_weapons_stay_Click() { toggle(coche_weapons_stay); }
void frm_serveur::coche_force_respawn_Click() { toggle(coche_force_respawn); }
void frm_serveur::coche_flashlight_Click() { toggle(coche_flashlight); }
void frm_serveur::coche_log_Click() { toggle(coche_log); }
void frm_serveur::coche_upload_Click() { toggle(coche_upload); }
void frm_serveur::coche_download_Click() { toggle(coche_download); }
void frm_serveur::coche_lan_Click() { toggle(coche_lan); }

// Each click of a double click toggles once, so a double click leaves the box as it was.
void frm_serveur::coche_friendly_fire_DblClick() { coche_friendly_fire_Click(); }
void frm_serveur::coche_footsteps_DblClick() { coche_footsteps_Click(); }
void frm_serveur::coche_weapons_stay_DblClick() { coche_weapons_stay_Click(); }
void frm_serveur::coche_force_respawn_DblClick() { coche_force_respawn_Click(); }
void frm_serveur::coche_flashlight_DblClick() { coche_flashlight_Click(); }
void frm_serveur::coche_log_DblClick() { coche_log_Click(); }
void frm_serveur::coche_upload_DblClick() { coche_upload_Click(); }
void frm_serveur::coche_download_DblClick() { coche_download_Click(); }
void frm_serveur::coche_lan_DblClick() { coche_lan_Click(); }

void frm_serveur::lbl_friendly_fire_Click() { coche_friendly_fire_Click(); }
void frm_serveur::lbl_footsteps_Click() { coche_footsteps_Click(); }
void frm_serveur::lbl_weapons_stay_Click() { coche_weapons_stay_Click(); }
void frm_serveur::lbl_force_respawn_Click() { coche_force_respawn_Click(); }
void frm_serveur::Label7_Click() { coche_flashlight_Click(); }
void frm_serveur::lbl_log_Click() { coche_log_Click(); }
void frm_serveur::lbl_upload_Click() { coche_upload_Click(); }
void frm_serveur::Label34_Click() { coche_download_Click(); }
void frm_serveur::lbl_lan_Click() { coche_lan_Click(); }
void frm_serveur::lbl_friendly_fire_DblClick() { coche_friendly_fire_Click(); }
void frm_serveur::lbl_footsteps_DblClick() { coche_footsteps_Click(); }
void frm_serveur::lbl_weapons_stay_DblClick() { coche_weapons_stay_Click(); }
void frm_serveur::lbl_force_respawn_DblClick() { coche_force_respawn_Click(); }
void frm_serveur::Label7_DblClick() { coche_flashlight_Click(); }
void frm_serveur::lbl_log_DblClick() { coche_log_Click(); }
void frm_serveur::lbl_upload_DblClick() { coche_upload_Click(); }
void frm_serveur::Label34_DblClick() { coche_download_Click(); }
void frm_serveur::lbl_lan_DblClick() { coche_lan_Click(); }

void frm_serveur::Label5_Click() { reject(); }
void frm_serveur::Label5_MouseDown() { Shape7->setFilled(true); }
void frm_serveur::Label5_MouseUp() { Shape7->setFilled(false); }

void frm_serveur::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Label5_Click();
        return;
    }
    // Enter does not save here, whatever a dialog would usually do with it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    ToolWindow::keyPressEvent(event);
}

}  // namespace quorvant
