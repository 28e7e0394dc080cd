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
#include "app/stored_choices.h"
#include "app/system_folders.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/selection.h"
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

    void ForgetStoredGameFolder() override { StoreGameFolder(""); }

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

void RestoreText(QLineEdit* field, const std::string& value) {
    if (!value.empty()) field->setText(FromBytes(value));
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
    const StoredChoices stored = ReadStoredChoices();
    txt_hl->setText(FromBytes(stored.gameFolder));
    txt_hlexe->setText(FromBytes(stored.executable));

    StartupDialogue dialogue(dialogs_, splash_, txt_hl);
    const auto gameFolder =
        DiscoverGameFolder(ToBytes(txt_hl->text()), DefaultGameFolder(SystemDrive()), dialogue);
    if (!gameFolder) return false;
    txt_hl->setText(FromBytes(*gameFolder));
    StoreGameFolder(*gameFolder);
    Dir1.setPath(*gameFolder);
    if (txt_hlexe->text().isEmpty()) {
        txt_hlexe->setText(FromBytes(kDefaultExecutable));
        StoreExecutable(std::string(kDefaultExecutable));
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
    restoreSettings(stored);

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
void Form1::restoreModSelection(const StoredChoices& stored) {
    {
        const QSignalBlocker oneRefresh(lst_mods);
        if (stored.mod.empty()) {
            if (lst_mods->count() > 0) lst_mods->setCurrentRow(0);
        } else {
            SelectByText(lst_mods, FromBytes(stored.mod), SelectRule::Equal);
        }
        if (!stored.lastMultiplayerMod.empty())
            SelectByText(lst_mods, FromBytes(stored.lastMultiplayerMod), SelectRule::AtLeast);
    }
    if (SelectedItem(lst_mods)) lst_mods_Click();
}

void Form1::restoreSettings(const StoredChoices& stored) {
    restoreModSelection(stored);

    const std::pair<bool, void (Form1::*)()> checkBoxes[] = {
        {stored.developer, &Form1::coche_dev_Click},
        {stored.console, &Form1::coche_console_Click},
        {stored.numericPing, &Form1::coche_ping_Click},
        {stored.lowMemory, &Form1::coche_memoire_Click}};
    for (const auto& [on, click] : checkBoxes) {
        if (on) (this->*click)();
    }

    RestoreText(txt_memoire, stored.heap);
    RestoreText(txt_max_players, stored.maxPlayers);
    RestoreText(txt_port_server, stored.serverPort);
    RestoreText(txt_port_join, stored.joinPort);

    for (std::size_t slot = 0; slot < addressHistory.size(); ++slot) {
        const QString address = FromBytes(stored.addressHistory[slot]);
        if (address.isEmpty()) continue;
        addressHistory[slot] = address;
        txt_ip->addItem(address);
    }
    // The history only fills the drop-down: the box shows the address last joined, or nothing.
    txt_ip->setCurrentIndex(-1);
    const QString lastAddress = FromBytes(stored.lastAddress);
    if (!lastAddress.isEmpty()) {
        SelectByText(txt_ip, lastAddress, SelectRule::Equal);
        if (txt_ip->currentIndex() < 0) txt_ip->setEditText(lastAddress);
    }

    switch (stored.lastTab) {
        case StoredTab::None:
        case StoredTab::Create:
            Frame_mplayer->show();
            Frame_server->show();
            Frame_Join->hide();
            break;
        case StoredTab::Join:
            Frame_mplayer->show();
            Label22_Click();
            break;
        case StoredTab::SinglePlayer:
            Frame_mplayer->hide();
            Label17_Click();
            break;
        case StoredTab::Other:
            break;
    }

    if (!stored.lastSinglePlayerMod.empty())
        SelectByText(lst_mods_solo, FromBytes(stored.lastSinglePlayerMod), SelectRule::AtLeast);

    if (stored.french) {
        Image2_Click();
    } else {
        Image1_Click();
    }
}

void Form1::Form_Unload() {
    StoredTab tab = StoredTab::None;
    if (Shown(Frame_mplayer) && Shown(Frame_server)) {
        tab = StoredTab::Create;
    } else if (Shown(Frame_mplayer) && Shown(Frame_Join)) {
        tab = StoredTab::Join;
    } else if (Shown(Frame_single)) {
        tab = StoredTab::SinglePlayer;
    }
    StoreClosing(tab, language() == Language::French);
}

}  // namespace quorvant
