// Filling the main window's mod lists once the game folder is known.
#include <QListWidget>

#include "app/mod_discovery.h"
#include "ui/form1.h"
#include "ui/text_conversion.h"

namespace quorvant {

void Form1::ModScan() {
    const InstalledMods mods = DiscoverMods(Dir1.path());
    // Folder order, as found, each list filled in one change; a name that its shown text does not
    // give back keeps its bytes with its entry.
    const auto fill = [](QListWidget* list, const std::vector<std::string>& names) {
        QStringList texts;
        texts.reserve(qsizetype(names.size()));
        for (const std::string& name : names) texts.append(FromBytes(name));
        const int first = list->count();
        list->addItems(texts);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const QByteArray bytes = BytesToKeep(names[i], texts[qsizetype(i)]);
            if (!bytes.isEmpty()) list->item(first + int(i))->setData(Qt::UserRole, bytes);
        }
    };
    fill(lst_mods, mods.multiplayer);
    fill(lst_mods_solo, mods.singlePlayer);
}

}  // namespace quorvant
