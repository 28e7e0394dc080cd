// The launch label: stores the launch settings, brings the bot library up to date, builds the
// command line for the panel showing, and starts the game.
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "app/desktop.h"
#include "app/file_io.h"
#include "app/stored_choices.h"
#include "catalogue/bot_tables.h"
#include "catalogue/descriptor.h"
#include "catalogue/save_games.h"
#include "launch/address_history.h"
#include "launch/command_line.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/launch_feedback.h"
#include "ui/selection.h"
#include "ui/shape.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

// A picture control counts as chosen when its state, read as a number, is 1.
bool Chosen(const PictureBox* box) { return box->tag().toInt() == 1; }

// A game created or played alone needs its mod: without one the game would start on whatever
// it takes by default, which nobody chose.
bool ModChosen(Dialogs& dialogs, QWidget* parent, const std::string& mod) {
    if (!mod.empty()) return true;
    dialogs.message(parent, QStringLiteral("Please select a mod"));
    return false;
}

}  // namespace

void Form1::storeLaunchSettings() {
    StoreLaunchSettings({.developer = Chosen(coche_dev),
                         .console = Chosen(coche_console),
                         .numericPing = Chosen(coche_ping),
                         .lowMemory = Chosen(coche_memoire),
                         .heap = ToBytes(txt_memoire->text()),
                         .maxPlayers = ToBytes(txt_max_players->text()),
                         .serverPort = ToBytes(txt_port_server->text()),
                         .joinPort = ToBytes(txt_port_join->text()),
                         .dedicated = Chosen(coche_dedicated),
                         .executable = ToBytes(txt_hlexe->text()),
                         .gameFolder = ToBytes(txt_hl->text())});
}

void Form1::btn_go_Click() {
    storeLaunchSettings();
    const QString multiplayerMod = SelectedText(lst_mods);
    // A name the game would split into words cannot be loaded: refused before any file is
    // written.
    if (const auto name = NameTheGameCannotLoad(shownChoices())) {
        dialogs_.message(this, QStringLiteral("The game can't load \"%1\": its name holds a blank.")
                                   .arg(FromBytes(*name)));
        return;
    }
    if (ModHasBots(SelectedBytes(lst_mods))) ApplyBotChoice();
    const std::optional<LaunchChoices> choices = chosenLaunch();
    if (!choices) return;
    if (choices->kind == LaunchKind::Join) rememberAddress(txt_ip->currentText());
    if (choices->kind == LaunchKind::Create && multiplayerMod == QLatin1String("cstrike"))
        ApplyBotChoice();
    if (choices->start == SinglePlayerStart::SavedGame &&
        !writeLoadScript(choices->singlePlayerMod))
        return;
    if (Shown(Frame_mplayer)) {
        StoreLastMultiplayerMod(ToBytes(multiplayerMod));
    } else if (Shown(Frame_single)) {
        StoreLastSinglePlayerMod(ToBytes(SelectedText(lst_mods_solo)));
    }
    const LaunchCommand command = BuildLaunchCommand(*choices);
    const StartFailure failure =
        desktop_.startGame({Dir1.path(), command.executablePath, command.arguments});
    if (failure) {
        dialogs_.message(this, FromBytes(*failure));
    } else {
        // A password stays off the screen; the copied command line holds it, as asked.
        const LaunchCommand shown = ShownCommand(*choices);
        launchFeedback->showStarted(FromBytes(shown.executablePath), FromBytes(shown.arguments),
                                    language());
    }
}

void Form1::copyCommandLine() {
    if (const std::optional<LaunchChoices> choices = chosenLaunch())
        QGuiApplication::clipboard()->setText(
            FromBytes(BuildLaunchCommand(*choices).commandLine()));
}

void Form1::btn_go_ContextMenu(QPoint at) {
    QMenu menu(this);
    menu.setPalette(DialogPalette());  // a menu is a window of its own: it takes no palette
    menu.addAction(CopyCommandLineText(language()), this, &Form1::copyCommandLine);
    menu.exec(btn_go->mapToGlobal(at));
}

// What GO! starts from the panel showing, read from the controls alone: nothing is stored,
// written or said here.
LaunchChoices Form1::shownChoices() const {
    LaunchChoices choices;
    choices.gameFolder = Dir1.path();
    choices.executable = ToBytes(txt_hlexe->text());
    choices.dedicated = Chosen(coche_dedicated);
    choices.developer = Chosen(coche_dev);
    choices.console = Chosen(coche_console);
    choices.lowMemory = Chosen(coche_memoire);
    choices.heapSize = ToBytes(txt_memoire->text());
    if (Shown(Frame_mplayer)) {
        if (Shown(Frame_Join)) {
            readJoin(choices);
        } else if (Shown(Frame_server)) {
            readCreate(choices);
        } else {
            choices.kind = LaunchKind::MultiplayerOther;
        }
    } else if (Shown(Frame_single)) {
        readSinglePlayer(choices);
    }
    return choices;
}

// The choices of the panel showing, or nothing when GO! would start nothing, after saying why
// where it would.
std::optional<LaunchChoices> Form1::chosenLaunch() {
    if (!Shown(Frame_mplayer) && !Shown(Frame_single) && Shown(frame_config))
        return std::nullopt;  // the configuration panel only stores what was typed
    LaunchChoices choices = shownChoices();
    switch (choices.kind) {
        case LaunchKind::Join:
            if (choices.address.empty()) {
                dialogs_.message(this, QStringLiteral("Enter an IP adresse"));
                return std::nullopt;
            }
            break;
        case LaunchKind::Create:
            if (!ModChosen(dialogs_, this, choices.mod)) return std::nullopt;
            break;
        case LaunchKind::SinglePlayer:
            if (!ModChosen(dialogs_, this, choices.singlePlayerMod)) return std::nullopt;
            if (choices.start == SinglePlayerStart::SavedGame && !SelectedItem(lst_solo_save)) {
                dialogs_.message(this, QStringLiteral("Please select a saved game"));
                return std::nullopt;
            }
            break;
        case LaunchKind::MultiplayerOther:
        case LaunchKind::OptionsOnly:
            break;
    }
    return choices;
}

void Form1::readJoin(LaunchChoices& choices) const {
    choices.kind = LaunchKind::Join;
    choices.address = ToBytes(txt_ip->currentText());
    choices.joinPort = ToBytes(txt_port_join->text());
    choices.password = ToBytes(txt_password->text());
}

void Form1::rememberAddress(const QString& address) {
    RememberAddress(addressHistory, address);
    std::array<std::string, 5> history;
    for (std::size_t slot = 0; slot < addressHistory.size(); ++slot)
        history[slot] = ToBytes(addressHistory[slot]);
    StoreAddressHistory(history, ToBytes(address));
}

void Form1::readCreate(LaunchChoices& choices) const {
    choices.kind = LaunchKind::Create;
    choices.mod = SelectedBytes(lst_mods);
    choices.serverPort = ToBytes(txt_port_server->text());
    choices.map = CurrentBytes(lst_maps);
    choices.maxPlayers = ToBytes(txt_max_players->text());
}

void Form1::readSinglePlayer(LaunchChoices& choices) const {
    choices.kind = LaunchKind::SinglePlayer;
    choices.singlePlayerMod = SelectedBytes(lst_mods_solo);
    if (Shape_game->isFilled()) {
        choices.start = SinglePlayerStart::NewGame;
        choices.skipIntro = Chosen(coche_skip_intro) && Shown(coche_skip_intro);
        choices.startMap = ToBytes(Label31->tag());
        choices.skill = Chosen(coche_skill1)   ? 1
                        : Chosen(coche_skill2) ? 2
                        : Chosen(coche_skill3) ? 3
                                               : 0;
    } else if (Shape_training->isFilled()) {
        choices.start = SinglePlayerStart::TrainingMap;
        choices.trainingMap = ToBytes(Label32->tag());
    } else if (Shape_load->isFilled()) {
        choices.start = SinglePlayerStart::SavedGame;
    }
}

// The saved game is the file listed at the selected entry's place; the file must still be the
// one shown there, or another game would be loaded.
bool Form1::writeLoadScript(const std::string& mod) {
    const QListWidgetItem* selected = SelectedItem(lst_solo_save);
    File1.setPath(ModPath(Dir1.path(), mod, kSaveFolder));
    File1.setPattern(std::string(kSavePattern));
    const std::vector<std::string> saves = File1.names();
    const auto row = static_cast<std::size_t>(lst_solo_save->row(selected));
    if (row >= saves.size() ||
        saves[row] != selected->data(Qt::UserRole).toByteArray().toStdString()) {
        dialogs_.message(this, QStringLiteral("The saved games have changed. Please select the "
                                              "saved game again."));
        lst_mods_solo_Click();  // the list shows the folder as it is now
        lbl_load_Click();
        return false;
    }
    const std::optional<std::string> load = LoadScriptFor(saves[row]);
    if (!load) {
        // The console would split the name, or run what follows a quote as a command.
        dialogs_.message(this, QStringLiteral("Can't load %1: the game's console reads no double "
                                              "quote or control character in a name.")
                                   .arg(FromBytes(saves[row])));
        return false;
    }
    const std::string script = ModPath(Dir1.path(), mod, kLoadScriptName);
    if (!WriteFileAtomically(script, *load)) {
        dialogs_.message(this, QStringLiteral("Can't write quorvant.cfg!"));
        return false;
    }
    return true;
}

}  // namespace quorvant
