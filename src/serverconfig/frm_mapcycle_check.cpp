// The check of every map of the cycle, and the selected map's picture.
#include <QLabel>
#include <QListWidget>

#include "catalogue/map_check_texts.h"
#include "catalogue/map_picture.h"
#include "serverconfig/frm_mapcycle.h"
#include "ui/form1.h"
#include "ui/selection.h"

namespace quorvant {
namespace {

// A cycle names its maps without the file's extension.
std::string MapFile(const std::string& map) { return map + ".bsp"; }

}  // namespace

void frm_mapcycle::lst_maps_Click() {
    const int row = lst_maps->currentRow();
    if (row < 0) {
        img_map->clear();
        return;
    }
    ShowMapPicture(img_map, mainWindow_.Dir1.path(), SelectedBytes(mainWindow_.lst_mods),
                   MapFile(mapAt(row)));
}

// Informs only: the cycle is saved as it is, whatever its maps lack. Each line keeps its map's
// name: the cycle may change while the check goes on.
void frm_mapcycle::Label5_Click() {
    lst_check->clear();
    std::vector<std::pair<int, std::string>> maps;
    for (const std::string& map : cycleMaps()) {
        const QString name = lst_maps->item(int(maps.size()))->text();
        auto* line = new QListWidgetItem(name + QStringLiteral("…"), lst_check);
        line->setData(Qt::UserRole, name);
        maps.emplace_back(int(maps.size()), MapFile(map));
    }
    const Language language = mainWindow_.language();
    check_.start(
        mainWindow_.Dir1.path(), SelectedBytes(mainWindow_.lst_mods), std::move(maps),
        [this, language](const std::vector<MapListCheck::Result>& results) {
            for (const auto& [row, check] : results) {
                QListWidgetItem* line = lst_check->item(row);
                if (!line) continue;
                line->setText(MapCheckLine(line->data(Qt::UserRole).toString(), check, language));
                line->setToolTip(line->text());
            }
        });
}

}  // namespace quorvant
