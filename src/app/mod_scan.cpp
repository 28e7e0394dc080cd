// Filling the main window's mod lists once the game folder is known.
#include <QListWidget>

#include "app/mod_discovery.h"
#include "ui/form1.h"
#include "ui/text_conversion.h"

namespace quorvant {

void Form1::ModScan() {
    const InstalledMods mods = DiscoverMods(Dir1.path());
    // Folder order, as found; each entry keeps the folder's name byte for byte.
    const auto add = [](QListWidget* list, const std::string& mod) {
        auto* entry = new QListWidgetItem(FromBytes(mod), list);
        entry->setData(Qt::UserRole, QByteArray::fromStdString(mod));
    };
    for (const std::string& mod : mods.multiplayer) add(lst_mods, mod);
    for (const std::string& mod : mods.singlePlayer) add(lst_mods_solo, mod);
}

}  // namespace quorvant
