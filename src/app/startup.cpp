// Start-up and closing of the main window: finding the game, listing the mods, putting the
// stored settings back into the controls, and storing the tab and language at the end.
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/installation_discovery.h"
#include "app/select_by_text.h"
#include "app/settings.h"
#include "app/settings_names.h"
#include "app/system_folders.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/stored_settings.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

// Discovery's questions go through the main window's boxes; each answer shows in txt_hl.
class StartupDialogue : public DiscoveryDialogue {
  public:
    StartupDialogue(Dialogs& dialogs, QWidget* parent, QLineEdit* gameFolderField)
        : dialogs_(dialogs), parent_(parent), gameFolderField_(gameFolderField) {}

    std::string RegisteredGameFolder() override { return ReadRegisteredGameFolder(); }

    std::string SteamGameFolder() override {
        return FirstFolderHoldingGame(SteamGameFolders(ReadSteamFolders()));
    }

    void ShowMessage(std::string_view text) override { dialogs_.message(parent_, FromBytes(text)); }

    void ForgetStoredGameFolder() override { WriteSetting(settings::kHlPath, ""); }

    std::string AskForFolder(std::string_view prompt, std::string_view title,
                             std::string_view defaultAnswer) override {
        const QString answer =
            dialogs_.ask(parent_, FromBytes(prompt), FromBytes(title), FromBytes(defaultAnswer));
        gameFolderField_->setText(answer);
        return ToBytes(answer);
    }

  private:
    Dialogs& dialogs_;
    QWidget* parent_;
    QLineEdit* gameFolderField_;
};

void RestoreText(QLineEdit* field, std::string_view name) {
    const QString value = StoredSetting(name);
    if (!value.isEmpty()) field->setText(value);
}

void SetBlackBackground(QFrame* frame) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, Qt::black);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
}

}  // namespace

bool Form1::Form_Load() {
    for (QFrame* frame : {frame_config, Frame_Join, Frame_mplayer, Frame_server, Frame_single}) {
        SetBlackBackground(frame);
    }
    WindowsFolder = LoadWindowsFolder();
    CreateSettingsKey();
    txt_hl->setText(StoredSetting(settings::kHlPath));
    txt_hlexe->setText(StoredSetting(settings::kHlExe));

    StartupDialogue dialogue(dialogs_, splash_, txt_hl);
    const auto gameFolder =
        DiscoverGameFolder(ToBytes(txt_hl->text()), DefaultGameFolder(SystemDrive()), dialogue);
    if (!gameFolder) return false;
    txt_hl->setText(FromBytes(*gameFolder));
    WriteSetting(settings::kHlPath, *gameFolder);
    Dir1.setPath(*gameFolder);
    if (txt_hlexe->text().isEmpty()) {
        txt_hlexe->setText(FromBytes(kDefaultExecutable));
        WriteSetting(settings::kHlExe, kDefaultExecutable);
    }

    ModScan();
    for (PictureBox* box :
         {coche_dev, coche_console, coche_ping, coche_memoire, coche_dedicated, coche_skip_intro}) {
        box->setPicture(HLCoche0->picture());
    }
    coche_skill1->setPicture(HLOption0->picture());
    coche_skill2->setPicture(HLOption1->picture());
    coche_skill2->setTag(QStringLiteral("1"));
    coche_skill3->setPicture(HLOption0->picture());
    placeBackdrops();
    restoreSettings();

    loaded_ = true;
    // The keyboard starts where reading starts, and a stray Space cannot launch the game.
    Image1->setFocus(Qt::ActiveWindowFocusReason);
    show();
    if (splash_) splash_->close();
    return true;
}

// Each panel's backdrop is the window's background, moved so that the panel looks transparent.
void Form1::placeBackdrops() {
    for (auto [frame, backdrop] :
         {std::pair{frame_config, img_frame_config}, std::pair{Frame_mplayer, Img_frame_mplayer},
          std::pair{Frame_single, Img_frame_single}}) {
        backdrop->setPicture(background_.picture());
        backdrop->move(-frame->pos());
    }
    for (auto [frame, backdrop] :
         {std::pair{Frame_server, img_frame_server}, std::pair{Frame_Join, img_frame_join}}) {
        backdrop->setPicture(background_.picture());
        backdrop->move(-Frame_mplayer->pos() - frame->pos());
    }
}

// The stored mod, then the last one played over it. lst_mods_Click reads the mod's folders and
// only sets controls, so it runs once, for the entry that stays selected, not for each step.
void Form1::restoreModSelection() {
    {
        const QSignalBlocker oneRefresh(lst_mods);
        const QString mod = StoredSetting(settings::kMod);
        if (mod.isEmpty()) {
            if (lst_mods->count() > 0) lst_mods->setCurrentRow(0);
        } else {
            SelectByText(lst_mods, mod, SelectRule::Equal);
        }
        const QString lastMultiplayerMod = StoredSetting(settings::kLastModMultiplayer);
        if (!lastMultiplayerMod.isEmpty()) {
            SelectByText(lst_mods, lastMultiplayerMod, SelectRule::AtLeast);
        }
    }
    if (SelectedItem(lst_mods)) lst_mods_Click();
}

void Form1::restoreSettings() {
    restoreModSelection();

    const std::pair<std::string_view, void (Form1::*)()> checkBoxes[] = {
        {settings::kDev, &Form1::coche_dev_Click},
        {settings::kConsole, &Form1::coche_console_Click},
        {settings::kNumericPing, &Form1::coche_ping_Click},
        {settings::kLowMemory, &Form1::coche_memoire_Click}};
    for (const auto& [name, click] : checkBoxes) {
        if (StoredSetting(name) == QLatin1String("1")) (this->*click)();
    }

    RestoreText(txt_memoire, settings::kHeap);
    RestoreText(txt_max_players, settings::kMaxPlayers);
    RestoreText(txt_port_server, settings::kPortServer);
    RestoreText(txt_port_join, settings::kPortClient);

    for (std::size_t slot = 0; slot < addressHistory.size(); ++slot) {
        const QString address = StoredSetting(settings::kIpHistory[slot]);
        if (address.isEmpty()) continue;
        addressHistory[slot] = address;
        txt_ip->addItem(address);
    }
    // The history only fills the drop-down: the box shows the address last joined, or nothing.
    txt_ip->setCurrentIndex(-1);
    const QString lastAddress = StoredSetting(settings::kLastIp);
    if (!lastAddress.isEmpty()) {
        SelectByText(txt_ip, lastAddress, SelectRule::Equal);
        if (txt_ip->currentIndex() < 0) txt_ip->setEditText(lastAddress);
    }

    const QString lastTab = StoredSetting(settings::kLastTab);
    if (lastTab.isEmpty() || lastTab == QLatin1String("1")) {
        Frame_mplayer->show();
        Frame_server->show();
        Frame_Join->hide();
    } else if (lastTab == QLatin1String("2")) {
        Frame_mplayer->show();
        Label22_Click();
    } else if (lastTab == QLatin1String("3")) {
        Frame_mplayer->hide();
        Label17_Click();
    }

    const QString lastSingleMod = StoredSetting(settings::kLastModSingle);
    if (!lastSingleMod.isEmpty()) SelectByText(lst_mods_solo, lastSingleMod, SelectRule::AtLeast);

    if (StoredSetting(settings::kLanguage) == QLatin1String("0")) {
        Image2_Click();
    } else {
        Image1_Click();
    }
}

void Form1::Form_Unload() {
    if (Shown(Frame_mplayer) && Shown(Frame_server)) {
        WriteSetting(settings::kLastTab, "1");
    } else if (Shown(Frame_mplayer) && Shown(Frame_Join)) {
        WriteSetting(settings::kLastTab, "2");
    } else if (Shown(Frame_single)) {
        WriteSetting(settings::kLastTab, "3");
    }
    StoreSetting(settings::kLanguage, Image1->tag());
}

}  // namespace quorvant
