#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

#include "app/file_system.h"
#include "ui/click_label.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;

namespace quorvant {

class Dialogs;

// The main window. Its controls are public and carry their object names so that the handlers of
// every subsystem, and the tests, reach them by name; all run-time state lives in them.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    // `splash` is closed when loading ends; it may be null.
    Form1(Dialogs& dialogs, QWidget* splash = nullptr);
    ~Form1() override;

    // Start-up: finds the game, lists the mods, restores the settings and shows the window.
    // False when the user gave up looking for the game: the program must end, nothing stored.
    bool Form_Load();
    void Form_Unload();

    // Mods
    void ModScan();
    void SetGameDll(const QString& mod, const QString& fileName);

    // Tabs and sub-tabs
    void Label18_Click();
    void Label17_Click();
    void Label16_Click();
    void Label23_Click();
    void Label22_Click();

    // Image check boxes
    void coche_dev_Click();
    void coche_console_Click();
    void coche_ping_Click();
    void coche_memoire_Click();

    // Language
    void Image1_Click();
    void Image2_Click();

    // Panels and their backdrops
    QFrame* Frame_mplayer;
    QFrame* Frame_server;
    QFrame* Frame_Join;
    QFrame* Frame_single;
    QFrame* frame_config;
    PictureBox* Img_frame_mplayer;
    PictureBox* img_frame_server;
    PictureBox* img_frame_join;
    PictureBox* Img_frame_single;
    PictureBox* img_frame_config;

    // Tabs
    ClickLabel* Label18;
    ClickLabel* Label17;
    ClickLabel* Label16;
    ClickLabel* Label23;
    ClickLabel* Label22;

    // Configuration panel
    QLineEdit* txt_hl;
    QLineEdit* txt_hlexe;
    QLineEdit* txt_memoire;
    PictureBox* coche_dev;
    PictureBox* coche_console;
    PictureBox* coche_ping;
    PictureBox* coche_memoire;

    // Multiplayer panel
    QListWidget* lst_mods;
    QLineEdit* txt_max_players;
    QLineEdit* txt_port_server;
    PictureBox* coche_dedicated;
    QComboBox* txt_ip;
    QLineEdit* txt_port_join;

    // Single-player panel
    QListWidget* lst_mods_solo;
    PictureBox* coche_skip_intro;
    PictureBox* coche_skill1;
    PictureBox* coche_skill2;
    PictureBox* coche_skill3;

    // Reference pictures: check box off and on, option button off and on
    PictureBox* HLCoche0;
    PictureBox* HLCoche1;
    PictureBox* HLOption0;
    PictureBox* HLOption1;

    // Language flags; Image1's tag is the language: "1" English, "0" French
    PictureBox* Image1;
    PictureBox* Image2;

    // The game folder for the whole run, and the mod folder scratch list
    FolderList Dir1;
    FileList File1;

    // Joined addresses, newest first; an empty text is a free slot
    std::array<QString, 5> addressHistory;

    // The system's Windows folder, found at start-up
    std::string WindowsFolder;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void placeBackdrops();
    void restoreSettings();
    void setPanelsVisible(bool multiplayer, bool single, bool config);
    void toggle(PictureBox* checkBox);

    Dialogs& dialogs_;
    QWidget* splash_;
    QPixmap background_;
    bool loaded_ = false;  // an abandoned start-up stores nothing when the window goes
};

}  // namespace quorvant
