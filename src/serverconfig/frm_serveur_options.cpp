// Loading the server options window from the mod's files, and saving it back.
#include <QLineEdit>
#include <QListWidget>

#include "serverconfig/frm_serveur.h"
#include "serverconfig/frm_serveur_texts.h"
#include "ui/check_box.h"
#include "ui/code_page.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/selection.h"
#include "ui/text_conversion.h"

namespace quorvant {

void frm_serveur::Form_Load() {
    for (PictureBox* box :
         {coche_friendly_fire, coche_footsteps, coche_weapons_stay, coche_force_respawn,
          coche_flashlight, coche_log, coche_upload, coche_download, coche_lan}) {
        box->setPicture(mainWindow_.HLCoche0->picture());
        box->setTag(QStringLiteral("0"));
    }
    ApplyLanguageRows(*this, ServerOptionsTexts(), mainWindow_.language());
    // Box and caption show the same help; the transfer switches carry it on their captions.
    lbl_friendly_fire->setToolTip(coche_friendly_fire->toolTip());
    lbl_footsteps->setToolTip(coche_footsteps->toolTip());
    lbl_weapons_stay->setToolTip(coche_weapons_stay->toolTip());
    lbl_force_respawn->setToolTip(coche_force_respawn->toolTip());
    Label7->setToolTip(coche_flashlight->toolTip());
    lbl_log->setToolTip(coche_log->toolTip());
    coche_upload->setToolTip(lbl_upload->toolTip());
    coche_download->setToolTip(Label34->toolTip());
    lbl_lan->setToolTip(coche_lan->toolTip());

    showModInTitle(SelectedText(mainWindow_.lst_mods));
    opened_ = ReadServerFiles(mainWindow_.Dir1.path(), SelectedBytes(mainWindow_.lst_mods));
    loaded_ = ServerOptionsIn(opened_);
    showOptions(loaded_);
}

void frm_serveur::showOptions(const ServerOptions& options) {
    // Each value shows in the files' code page and goes back as it came unless it is changed.
    ShowFileValue(txt_timelimit, options.timeLimit);
    ShowFileValue(txt_fraglimit, options.fragLimit);
    if (!options.hostName.empty()) ShowFileValue(txt_hostname, options.hostName);
    ShowFileValue(Text1, options.password);
    const std::pair<bool, PictureBox*> switches[] = {
        {options.friendlyFire, coche_friendly_fire},
        {options.footsteps, coche_footsteps},
        {options.weaponsStay, coche_weapons_stay},
        {options.forceRespawn, coche_force_respawn},
        {options.flashlight, coche_flashlight},
        {options.log, coche_log},
        {options.upload, coche_upload},
        {options.download, coche_download},
        {options.lan, coche_lan},
    };
    for (const auto& [checked, box] : switches) {
        if (checked) toggle(box);
    }
}

ServerOptions frm_serveur::shownOptions() const {
    ServerOptions options;
    options.timeLimit = FileValueOf(txt_timelimit);
    options.fragLimit = FileValueOf(txt_fraglimit);
    options.hostName = FileValueOf(txt_hostname);
    options.password = FileValueOf(Text1);
    options.friendlyFire = IsChecked(*coche_friendly_fire);
    options.footsteps = IsChecked(*coche_footsteps);
    options.weaponsStay = IsChecked(*coche_weapons_stay);
    options.forceRespawn = IsChecked(*coche_force_respawn);
    options.flashlight = IsChecked(*coche_flashlight);
    options.log = IsChecked(*coche_log);
    options.upload = IsChecked(*coche_upload);
    options.download = IsChecked(*coche_download);
    options.lan = IsChecked(*coche_lan);
    return options;
}

void frm_serveur::Label4_Click() {
    const ServerOptions options = shownOptions();
    // The password is not shown, even here.
    if (const auto setting = UnwritableSetting(options, loaded_)) {
        dialogs_.message(this, QStringLiteral("Can't write %1: the game reads no double quote or "
                                              "line end in a value.")
                                   .arg(FromBytes(*setting)));
        return;
    }
    const std::string gameFolder = mainWindow_.Dir1.path();
    const std::string mod = SelectedBytes(mainWindow_.lst_mods);
    // The edits go into the files as they are now; another program's change since the window
    // opened is replaced only when the user says so.
    const ServerFiles now = ReadServerFiles(gameFolder, mod);
    const ServerOptionsSave save = PlanServerOptionsSave(now, options, loaded_);
    // The user keeps the values and can free the file and save again.
    const auto cannotWrite = [this](const std::string& file) {
        dialogs_.message(this, QStringLiteral("Can't write %1!").arg(FromBytes(file)));
    };
    if (save.unreadable) return cannotWrite(*save.unreadable);
    for (const FileChange& change : save.changes) {
        if (*now.file(change.name) != *opened_.file(change.name) &&
            !mayReplaceChangedFile(dialogs_, FromBytes(change.name), mainWindow_.language()))
            return;
    }
    if (const auto failed = WriteServerFiles(gameFolder, mod, save.changes))
        return cannotWrite(*failed);
    accept();
}

}  // namespace quorvant
