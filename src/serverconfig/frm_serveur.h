#pragma once

#include "serverconfig/server_options.h"
#include "ui/click_label.h"
#include "ui/tool_window.h"

class QLineEdit;

namespace quorvant {

class Dialogs;
class Form1;
class Shape;

// "Advanced Options": the server options of the mod selected in the main window, loaded from its
// configuration files when the window opens and written back by SAVE. The window keeps nothing
// between openings; the files are the only record.
class frm_serveur : public ToolWindow {
    Q_OBJECT
  public:
    frm_serveur(Form1& mainWindow, Dialogs& dialogs);

    // Fills the controls from the files, in the main window's language.
    void Form_Load();

    // SAVE: writes the five files, then closes; a file that cannot be written keeps the window
    // open with its values.
    void Label4_Click();
    // CLOSE, and Esc: closes without saving.
    void Label5_Click();
    void Label5_MouseDown();
    void Label5_MouseUp();

    void coche_friendly_fire_Click();
    void coche_footsteps_Click();
    void coche_weapons_stay_Click();
    void coche_force_respawn_Click();
    void coche_flashlight_Click();
    void coche_log_Click();
    void coche_upload_Click();
    void coche_download_Click();
    void coche_lan_Click();
    void coche_friendly_fire_DblClick();
    void coche_footsteps_DblClick();
    void coche_weapons_stay_DblClick();
    void coche_force_respawn_DblClick();
    void coche_flashlight_DblClick();
    void coche_log_DblClick();
    void coche_upload_DblClick();
    void coche_download_DblClick();
    void coche_lan_DblClick();
    void lbl_friendly_fire_Click();
    void lbl_footsteps_Click();
    void lbl_weapons_stay_Click();
    void lbl_force_respawn_Click();
    void Label7_Click();
    void lbl_log_Click();
    void lbl_upload_Click();
    void Label34_Click();
    void lbl_lan_Click();
    void lbl_friendly_fire_DblClick();
    void lbl_footsteps_DblClick();
    void lbl_weapons_stay_DblClick();
    void lbl_force_respawn_DblClick();
    void Label7_DblClick();
    void lbl_log_DblClick();
    void lbl_upload_DblClick();
    void Label34_DblClick();
    void lbl_lan_DblClick();

    // Game rules
    ClickLabel* Label1;
    QLineEdit* txt_timelimit;
    ClickLabel* Label2;
    QLineEdit* txt_fraglimit;
    ClickLabel* Label6;
    QLineEdit* txt_hostname;
    ClickLabel* Label3;
    QLineEdit* Text1;  // the server's password, sv_password
    PictureBox* coche_friendly_fire;
    ClickLabel* lbl_friendly_fire;
    PictureBox* coche_footsteps;
    ClickLabel* lbl_footsteps;
    PictureBox* coche_weapons_stay;
    ClickLabel* lbl_weapons_stay;
    PictureBox* coche_force_respawn;
    ClickLabel* lbl_force_respawn;
    PictureBox* coche_flashlight;
    ClickLabel* Label7;
    PictureBox* coche_log;
    ClickLabel* lbl_log;
    PictureBox* coche_lan;
    ClickLabel* lbl_lan;

    // Client switches
    ClickLabel* Label8;
    PictureBox* coche_upload;
    ClickLabel* lbl_upload;
    PictureBox* coche_download;
    ClickLabel* Label34;

    // Buttons and decorations
    ClickLabel* Label4;
    Shape* Shape3;  // stays transparent: SAVE has no press effect
    ClickLabel* Label5;
    Shape* Shape7;
    Shape* Shape1;
    Shape* Shape2;
    Shape* Shape4;
    Shape* Shape8;
    Shape* Line1;
    Shape* Line2;
    Shape* Line3;
    Shape* Line4;

  protected:
    // Esc closes whichever control has the focus: the text boxes leave that key to the window.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildGameRules();
    void buildSwitches();
    void buildButtons();
    void connectHandlers();
    void describeControls();
    void toggle(PictureBox* checkBox);
    void showOptions(const ServerOptions& options);
    ServerOptions shownOptions() const;

    Form1& mainWindow_;
    Dialogs& dialogs_;
    ServerFiles opened_;    // the files as the window read them
    ServerOptions loaded_;  // as the files showed them at opening: SAVE writes what changed
};

}  // namespace quorvant
