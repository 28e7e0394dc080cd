#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/file_system.h"
#include "catalogue/descriptor.h"
#include "catalogue/map_list_check.h"
#include "catalogue/map_needs.h"
#include "launch/server_status.h"
#include "ui/click_label.h"
#include "ui/language.h"
#include "ui/pictures.h"

class QComboBox;
class QLabel;
class QFrame;
class QLineEdit;
class QListWidget;

namespace quorvant {

class Desktop;
class Dialogs;
class JoinStatus;
struct StoredChoices;
class LaunchFeedback;
class Shape;
struct LaunchChoices;

// The main window. Its controls are public and carry their object names so that the handlers of
// every subsystem, and the tests, reach them by name; all run-time state lives in them.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    // `splash` is closed when loading ends; it may be null.
    // `status`: how the join panel asks servers for their status.
    Form1(Dialogs& dialogs, Desktop& desktop, const StatusOptions& status,
          QWidget* splash = nullptr);
    ~Form1() override;

    // Start-up: finds the game, lists the mods, restores the settings and shows the window.
    // False when the user gave up looking for the game: the program must end, nothing stored.
    bool Form_Load();
    void Form_Unload();

    // Dragging the window by its background: the press point inside the window, then the
    // pointer's position on the screen.
    void Form_MouseDown(QPoint pointInWindow);
    void Form_MouseMove(QPoint pointerOnScreen);
    void Form_MouseUp();
    // Moves the window back where its title strip is on a screen, as after a screen went.
    void keepOnScreen();

    // Mods
    void ModScan();
    void SetGameDll(const std::string& mod, const std::string& fileName);
    void lst_mods_Click();
    void lst_maps_Click();
    // Whether lst_maps' entries are still being checked for missing content.
    bool markingMaps() const { return mapListCheck_.running(); }
    // Writes the selected map's resource list, asking before it replaces one.
    void lbl_map_check_Click();
    // The user chose a bot entry: from now on the launch writes it, whatever the descriptor loads.
    void lst_bots_Click();
    void ApplyBotChoice();
    void lst_mods_solo_Click();

    // Actions on the selected mod
    void Label29_Click();
    void Label19_Click();
    void Label28_Click();
    void Label19_MouseDown();
    void Label19_MouseUp();
    void Label28_MouseDown();
    void Label28_MouseUp();
    void lbl_info_URL_Click();
    void lbl_solo_url_Click();
    // "Find a server…": the server browser, which may fill the join panel's address and port.
    void lbl_find_server_Click();

    // Launch
    void btn_go_Click();
    // Copies what GO! would start now, without starting, storing or writing anything.
    void copyCommandLine();
    // The menu a right click on GO! opens.
    void btn_go_ContextMenu(QPoint at);

    // Tabs and sub-tabs, with their press highlights
    void Label18_Click();
    void Label17_Click();
    void Label16_Click();
    void Label23_Click();
    void Label22_Click();
    void Label18_MouseDown();
    void Label18_MouseUp();
    void Label17_MouseDown();
    void Label17_MouseUp();
    void Label16_MouseDown();
    void Label16_MouseUp();
    void Label23_MouseDown();
    void Label23_MouseUp();
    void Label22_MouseDown();
    void Label22_MouseUp();

    // Image check boxes; a click or double click on the box or its caption toggles it
    void coche_dev_Click();
    void coche_console_Click();
    void coche_ping_Click();
    void coche_memoire_Click();
    void coche_dedicated_Click();
    void coche_skip_intro_Click();
    void coche_dev_DblClick();
    void coche_console_DblClick();
    void coche_ping_DblClick();
    void coche_memoire_DblClick();
    void coche_dedicated_DblClick();
    void coche_skip_intro_DblClick();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label10_Click();
    void Label14_Click();
    void lbl_skip_intro_Click();
    void Label6_DblClick();
    void Label7_DblClick();
    void Label8_DblClick();
    void Label10_DblClick();
    void Label14_DblClick();
    void lbl_skip_intro_DblClick();

    // Difficulty
    void coche_skill1_Click();
    void coche_skill2_Click();
    void coche_skill3_Click();
    void lbl_skill1_Click();
    void lbl_skill2_Click();
    void lbl_skill3_Click();

    // Single-player start choice
    void Label31_Click();
    void Label32_Click();
    void lbl_load_Click();

    // Press offsets of the launch label, the flags and the close label
    void btn_go_MouseDown();
    void btn_go_MouseUp();
    void Image1_MouseDown();
    void Image1_MouseUp();
    void Image2_MouseDown();
    void Image2_MouseUp();
    void Label1_MouseDown();
    void Label1_MouseUp();
    void Image1_DblClick();
    void Image2_DblClick();

    // Window buttons
    void Image3_Click();
    void Image4_Click();
    void Label1_Click();

    // Language
    void Image1_Click();
    void Image2_Click();

    // Window-level controls
    ClickLabel* Label18;
    ClickLabel* Label17;
    ClickLabel* Label16;
    Shape* Shape_Server;
    Shape* Shape_Client;
    Shape* Shape_General;
    ClickLabel* btn_go;
    ClickLabel* Label1;
    PictureBox* Image1;  // its tag is the language: "1" English, "0" French
    PictureBox* Image2;
    PictureBox* Image3;
    PictureBox* Image4;
    Shape* Shape_language;
    ClickLabel* Label4;
    ClickLabel* Label20;
    ClickLabel* Label21;
    Shape* Line1;
    Shape* Line2;
    Shape* Line3;
    Shape* Line4;
    Shape* Line5;

    // Reference pictures: check box off and on, option button off and on
    PictureBox* HLCoche0;
    PictureBox* HLCoche1;
    PictureBox* HLOption0;
    PictureBox* HLOption1;

    // Multiplayer panel
    QFrame* Frame_mplayer;
    PictureBox* Img_frame_mplayer;
    ClickLabel* Label23;
    ClickLabel* Label22;
    Shape* Shape7;
    Shape* Shape6;

    // Create sub-panel
    QFrame* Frame_server;
    PictureBox* img_frame_server;
    ClickLabel* Label2;
    QListWidget* lst_mods;
    ClickLabel* Label11;
    ClickLabel* lbl_info_nom;
    ClickLabel* lbl_info_version;
    ClickLabel* lbl_info_URL;
    ClickLabel* Label15;
    QLineEdit* txt_max_players;
    ClickLabel* Label30;
    QLineEdit* txt_port_server;
    PictureBox* coche_dedicated;
    ClickLabel* Label14;
    ClickLabel* Label13;
    QComboBox* lst_maps;  // kept sorted: filled through AddSortedEntry
    ClickLabel* lbl_titre;
    ClickLabel* lbl_map_check;  // what the game would not find of the map's content
    QLabel* img_map;            // the selected map seen from above
    ClickLabel* Label12;
    QListWidget* lst_bots;  // kept sorted: filled through AddSortedEntry
    ClickLabel* Label28;
    ClickLabel* Label19;
    ClickLabel* Label29;
    Shape* Shape14;
    Shape* Shape9;
    Shape* Shape15;

    // Join sub-panel
    QFrame* Frame_Join;
    PictureBox* img_frame_join;
    ClickLabel* Label3;
    ClickLabel* Label5;
    QComboBox* txt_ip;
    ClickLabel* Label27;
    QLineEdit* txt_port_join;
    ClickLabel* Label24;
    QLineEdit* txt_password;
    ClickLabel* lbl_join_status;  // the joined server's status, kept by JoinStatus
    ClickLabel* lbl_find_server;  // opens the server browser

    // Single-player panel
    QFrame* Frame_single;
    PictureBox* Img_frame_single;
    ClickLabel* Label33;
    QListWidget* lst_mods_solo;
    ClickLabel* Label37;
    ClickLabel* lbl_solo_nom;
    ClickLabel* lbl_solo_version;
    ClickLabel* lbl_solo_url;
    ClickLabel* Label31;  // its tag is the start map
    ClickLabel* Label32;  // its tag is the training map
    ClickLabel* lbl_load;
    Shape* Shape_game;
    Shape* Shape_training;
    Shape* Shape_load;
    ClickLabel* Label34;
    QListWidget* lst_solo_save;
    PictureBox* coche_skip_intro;
    ClickLabel* lbl_skip_intro;
    ClickLabel* Label35;
    PictureBox* coche_skill1;
    PictureBox* coche_skill2;
    PictureBox* coche_skill3;
    ClickLabel* lbl_skill1;
    ClickLabel* lbl_skill2;
    ClickLabel* lbl_skill3;

    // Configuration panel
    QFrame* frame_config;
    PictureBox* img_frame_config;
    ClickLabel* Label26;
    QLineEdit* txt_hl;
    ClickLabel* Label25;
    QLineEdit* txt_hlexe;
    PictureBox* coche_dev;
    ClickLabel* Label6;
    PictureBox* coche_console;
    ClickLabel* Label7;
    PictureBox* coche_memoire;
    ClickLabel* Label8;
    PictureBox* coche_ping;
    ClickLabel* Label10;
    ClickLabel* Label9;
    QLineEdit* txt_memoire;

    // The game folder for the whole run, and the scratch file list
    FolderList Dir1;
    FileList File1;

    // Joined addresses, newest first; an empty text is a free slot
    std::array<QString, 5> addressHistory;

    // The system's Windows folder, found at start-up
    std::string WindowsFolder;

    // The language the window shows, as its flags set it, and its change, which the windows and
    // the join status follow.
    Language language() const;
    const LanguageState& languageState() const { return languageState_; }
    // Says for a few seconds what GO! started.
    LaunchFeedback* launchFeedback;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindowControls();
    void buildServerPanel();
    void buildJoinPanel();
    void buildSinglePanel();
    void buildConfigPanel();
    void connectHandlers();
    void describeControls();
    void styleOwnControls();
    void placeBackdrops();
    void restoreModSelection(const StoredChoices& stored);
    void restoreSettings(const StoredChoices& stored);
    void setPanelsVisible(bool multiplayer, bool single, bool config);
    void markSubTab(ClickLabel* active);
    void showLanguage(Language language);
    void showMapCheck();
    // Marks the entries of lst_maps whose content the game would not all find, checking them on
    // another thread.
    void markMaps();
    void storeLaunchSettings();
    LaunchChoices shownChoices() const;
    std::optional<LaunchChoices> chosenLaunch();
    void readJoin(LaunchChoices& choices) const;
    void readCreate(LaunchChoices& choices) const;
    void readSinglePlayer(LaunchChoices& choices) const;
    void rememberAddress(const QString& address);
    bool writeLoadScript(const std::string& mod);
    void toggle(PictureBox* checkBox);
    void chooseSkill(PictureBox* chosen);
    void chooseStart(Shape* chosen);

    Dialogs& dialogs_;
    Desktop& desktop_;
    QWidget* splash_;
    pictures::PictureInProgress background_;
    bool loaded_ = false;  // an abandoned start-up stores nothing when the window goes
    bool dragging_ = false;
    QPoint dragGrip_;
    const StatusOptions statusOptions_;
    LanguageState languageState_;
    std::unique_ptr<JoinStatus> joinStatus_;                // goes before the controls it watches
    std::optional<std::pair<QString, MapCheck>> mapCheck_;  // of the selected map, as shown
    bool botChosenByUser_ = false;  // an entry of lst_bots chosen since the mod was selected
    MapListCheck mapListCheck_;     // of lst_maps' entries; goes first, before the list it marks
};

}  // namespace quorvant
