// What the create panel shows of the mod selected in lst_mods: its information, its bot
// libraries with the current one selected, its maps, and the selected map's title.
#include <QComboBox>
#include <QListWidget>
#include <algorithm>

#include "catalogue/bot_tables.h"
#include "catalogue/map_check_texts.h"
#include "catalogue/map_picture.h"
#include "catalogue/map_titles.h"
#include "catalogue/mod_panels.h"
#include "catalogue/resource_list.h"
#include "ui/form1.h"
#include "ui/name_list_model.h"
#include "ui/selection.h"
#include "ui/sorted_lists.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

// The lowest entry whose text is `target`, or -1.
int RowOf(const QListWidget* list, const QString& target) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == target) return row;
    }
    return -1;
}

// A map as its content line names it: its entry without the file extension.
QString MapName(const QString& entry) {
    return entry.endsWith(QLatin1String(".bsp"), Qt::CaseInsensitive) ? entry.chopped(4) : entry;
}

}  // namespace

void Form1::lst_mods_Click() {
    const std::string mod = SelectedBytes(lst_mods);
    const MultiplayerPanel panel = LoadMultiplayerPanel(Dir1.path(), mod);
    lbl_info_nom->setText(FromBytes(panel.information.name));
    lbl_info_version->setText(FromBytes(panel.information.version));
    lbl_info_URL->setText(FromBytes(panel.information.url));

    lst_bots->clear();
    for (const std::string& entry : panel.bots) AddSortedEntry(lst_bots, FromBytes(entry));
    if (lst_bots->count() > 0) {
        const QString current = FromBytes(panel.currentBot.value_or(std::string(kNoBotEntry)));
        lst_bots->setCurrentRow(std::max(RowOf(lst_bots, current), 0));
    }
    // Filling the list was the mod selection's doing, not the user's choice.
    botChosenByUser_ = false;

    lst_maps->clear();
    if (!mod.empty()) {
        AddSortedEntry(lst_maps, QString::fromLatin1(kNoMapEntry));
        AddSortedNames(lst_maps, panel.maps);
        lst_maps->setCurrentIndex(0);
    }
    markMaps();
}

void Form1::markMaps() {
    auto* model = static_cast<NameListModel*>(lst_maps->model());
    std::vector<std::pair<int, std::string>> maps;
    maps.reserve(std::size_t(model->rowCount()));
    for (int row = 0; row < model->rowCount(); ++row) {
        if (std::string name = model->nameAt(row); name != kNoMapEntry)
            maps.emplace_back(row, std::move(name));
    }
    if (maps.empty()) {
        mapListCheck_.stop();
        return;
    }
    const auto mark = [this, model](const std::vector<MapListCheck::Result>& results) {
        for (const auto& [row, check] : results) {
            const bool whole =
                check.readable && check.missing.empty() && check.missingTextures.empty();
            const QModelIndex entry = model->index(row);
            const QString map = MapName(entry.data().toString());
            model->setData(entry, whole ? QString() : MapCheckLine(map, check, language()),
                           Qt::ToolTipRole);
        }
    };
    mapListCheck_.start(Dir1.path(), SelectedBytes(lst_mods), std::move(maps), mark);
}

void Form1::lst_maps_Click() {
    const QString map = lst_maps->currentText();
    if (map.isEmpty() || map.startsWith(QLatin1Char('('))) {
        lbl_titre->setText(QString());
        img_map->clear();
        mapCheck_.reset();
        showMapCheck();
        return;
    }
    const std::string mod = SelectedBytes(lst_mods);
    lbl_titre->setText(FromBytes(LoadMapTitle(Dir1.path(), mod, CurrentBytes(lst_maps))));
    mapCheck_.emplace(MapName(map), CheckMap(Dir1.path(), mod, CurrentBytes(lst_maps)));
    ShowMapPicture(img_map, Dir1.path(), mod, CurrentBytes(lst_maps));
    showMapCheck();
}

// Informs only: a map with missing content is still the map GO! starts.
void Form1::showMapCheck() {
    const QString line =
        mapCheck_ ? MapCheckLine(mapCheck_->first, mapCheck_->second, language()) : QString();
    lbl_map_check->setText(
        lbl_map_check->fontMetrics().elidedText(line, Qt::ElideRight, lbl_map_check->width()));
    const auto list = mapCheck_
                          ? ResourceListOf(Dir1.path(), SelectedBytes(lst_mods), mapCheck_->second)
                          : std::nullopt;
    lbl_map_check->setToolTip(list ? ResourceListTip(line, FromBytes(list->name), language())
                                   : line);
    // A click writes the map's resource list: only a map that reads has one.
    lbl_map_check->setFocusPolicy(list ? Qt::StrongFocus : Qt::NoFocus);
    lbl_map_check->setCursor(list ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace quorvant
