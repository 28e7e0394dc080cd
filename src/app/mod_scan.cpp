// Filling the main window's mod lists once the game folder is known.
#include <QListWidget>

#include "app/mod_discovery.h"
#include "ui/form1.h"
#include "ui/text_conversion.h"

namespace quorvant {

void Form1::ModScan() {
    const InstalledMods mods = DiscoverMods(Dir1.path());
    for (const std::string& mod : mods.multiplayer) lst_mods->addItem(FromBytes(mod));
    for (const std::string& mod : mods.singlePlayer) lst_mods_solo->addItem(FromBytes(mod));
}

}  // namespace quorvant
