// What the single-player panel shows of the mod selected in lst_mods_solo: its information,
// the intro box for valve, its start and training maps, and its saved games.
#include <QListWidget>

#include "catalogue/mod_panels.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/shape.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

void ShowMapChoice(ClickLabel* label, const std::optional<std::string>& map) {
    label->setTag(FromBytes(map.value_or(std::string())));
    label->setVisible(map.has_value());
}

}  // namespace

void Form1::lst_mods_solo_Click() {
    const SinglePlayerPanel panel =
        LoadSinglePlayerPanel(Dir1.path(), SelectedBytes(lst_mods_solo));
    coche_skip_intro->setVisible(panel.skippableIntro);
    lbl_skip_intro->setVisible(panel.skippableIntro);
    Shape_game->setFilled(false);
    Shape_training->setFilled(false);
    lbl_solo_nom->setText(FromBytes(panel.information.name));
    lbl_solo_version->setText(FromBytes(panel.information.version));
    lbl_solo_url->setText(FromBytes(panel.information.url));
    ShowMapChoice(Label31, panel.startMap);
    ShowMapChoice(Label32, panel.trainingMap);
    Label31_Click();

    // All entries in one change of the list; each keeps its file, so that a launch can tell when
    // the folder changed.
    lst_solo_save->clear();
    QStringList entries;
    entries.reserve(qsizetype(panel.saves.size()));
    for (const SavedGame& save : panel.saves) entries.append(FromBytes(save.entry));
    lst_solo_save->addItems(entries);
    for (int row = 0; row < lst_solo_save->count(); ++row) {
        lst_solo_save->item(row)->setData(
            Qt::UserRole, QByteArray::fromStdString(panel.saves[std::size_t(row)].file));
    }
    lbl_load->setVisible(lst_solo_save->count() > 0);
}

}  // namespace quorvant
