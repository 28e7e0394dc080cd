// What the create panel shows of the mod selected in lst_mods: its information, its bot
// libraries with the current one selected, its maps, and the selected map's title.
#include <QComboBox>
#include <QListWidget>
#include <algorithm>

#include "app/file_io.h"
#include "catalogue/bot_tables.h"
#include "catalogue/descriptor.h"
#include "catalogue/map_titles.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/sorted_lists.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

QString ValueOf(std::string_view descriptor, std::string_view key) {
    return FromBytes(GetDescriptorValue(descriptor, key).value_or(std::string()));
}

// The lowest entry whose text is `target`, or -1.
int RowOf(const QListWidget* list, const QString& target) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == target) return row;
    }
    return -1;
}

}  // namespace

void Form1::lst_mods_Click() {
    const std::string mod = SelectedBytes(lst_mods);
    const std::string descriptor =
        mod.empty() ? std::string() : ReadModDescriptor(Dir1.path(), mod);
    lbl_info_nom->setText(ValueOf(descriptor, kGameKey));
    lbl_info_version->setText(ValueOf(descriptor, kVersionKey));
    lbl_info_URL->setText(ValueOf(descriptor, kUrlKey));

    lst_bots->clear();
    if (ModHasBots(mod)) {
        File1.setPath(ModPath(Dir1.path(), mod, "dlls"));
        File1.setPattern("*.dll");
        for (const std::string& library : File1.names()) {
            AddSortedEntry(lst_bots, FromBytes(BotEntryFor(mod, library)));
        }
        if (lst_bots->count() > 0) {
            const auto target = BotTargetFor(mod, GetGameDllName(descriptor));
            const int row = RowOf(lst_bots, FromBytes(target.value_or(std::string(kNoBotEntry))));
            lst_bots->setCurrentRow(std::max(row, 0));
        }
    }
    // Filling the list was the mod selection's doing, not the user's choice.
    botChosenByUser_ = false;

    lst_maps->clear();
    if (mod.empty()) return;
    AddSortedEntry(lst_maps, QString::fromLatin1(kNoMapEntry));
    File1.setPath(ModPath(Dir1.path(), mod, "maps"));
    File1.setPattern(kMapPattern);
    AddSortedNames(lst_maps, File1.names());
    lst_maps->setCurrentIndex(0);
}

void Form1::lst_maps_Click() {
    const QString map = lst_maps->currentText();
    if (map.isEmpty() || map.startsWith(QLatin1Char('('))) {
        lbl_titre->setText(QString());
        return;
    }
    const auto text = ReadWholeFile(
        MapTitlePath(Dir1.path(), SelectedBytes(lst_mods), CurrentBytes(lst_maps)), kTextFileLimit);
    lbl_titre->setText(FromBytes(MapTitleFrom(text.value_or(std::string()))));
}

}  // namespace quorvant
