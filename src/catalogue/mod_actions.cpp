// The main window's actions on the selected mod: its message of the day, its map cycle and
// server options windows, and the web addresses of the mods.
#include <QLabel>
#include <QListWidget>

#include "app/desktop.h"
#include "catalogue/mod_links.h"
#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_serveur.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/shape.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

// A mod's link label opens the address its caption stands for, when it stands for one.
void OpenLink(Desktop& desktop, Dialogs& dialogs, QLabel& link) {
    const std::string address = LinkAddress(ToBytes(link.text()));
    if (address.empty()) return;
    if (const StartFailure failure = desktop.openAddress(address))
        dialogs.message(link.window(), FromBytes(*failure));
}

}  // namespace

// Without a mod there is no folder to act on: the mod actions do nothing rather than touch
// files in the game folder itself.
void Form1::Label29_Click() {
    const std::string mod = SelectedBytes(lst_mods);
    if (mod.empty()) return;
    if (const StartFailure failure =
            desktop_.editTextFile(WindowsFolder, MessageOfTheDayPath(Dir1.path(), mod)))
        dialogs_.message(this, FromBytes(*failure));
}

void Form1::Label19_Click() {
    if (SelectedText(lst_mods).isEmpty()) return;
    frm_mapcycle mapCycle(*this, dialogs_);
    mapCycle.Form_Load();
    mapCycle.exec();
}

void Form1::Label28_Click() {
    if (SelectedText(lst_mods).isEmpty()) return;
    frm_serveur serverOptions(*this, dialogs_);
    serverOptions.Form_Load();
    serverOptions.exec();
}

void Form1::Label19_MouseDown() { Shape9->setFilled(true); }
void Form1::Label19_MouseUp() { Shape9->setFilled(false); }
void Form1::Label28_MouseDown() { Shape14->setFilled(true); }
void Form1::Label28_MouseUp() { Shape14->setFilled(false); }

void Form1::lbl_info_URL_Click() { OpenLink(desktop_, dialogs_, *lbl_info_URL); }
void Form1::lbl_solo_url_Click() { OpenLink(desktop_, dialogs_, *lbl_solo_url); }

}  // namespace quorvant
