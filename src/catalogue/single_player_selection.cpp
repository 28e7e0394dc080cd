// What the single-player panel shows of the mod selected in lst_mods_solo: its information,
// the intro box for valve, its start and training maps, and its saved games.
#include <QListWidget>

#include "catalogue/descriptor.h"
#include "catalogue/save_games.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/shape.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

constexpr std::string_view kIntroMod = "valve";

void ShowMapChoice(ClickLabel* label, const std::optional<std::string>& map) {
    label->setTag(FromBytes(map.value_or(std::string())));
    label->setVisible(map.has_value());
}

}  // namespace

void Form1::lst_mods_solo_Click() {
    const std::string mod = SelectedBytes(lst_mods_solo);
    coche_skip_intro->setVisible(mod == kIntroMod);
    lbl_skip_intro->setVisible(mod == kIntroMod);
    Shape_game->setFilled(false);
    Shape_training->setFilled(false);

    const std::string descriptor =
        mod.empty() ? std::string() : ReadModDescriptor(Dir1.path(), mod);
    auto valueOf = [&descriptor](std::string_view key) {
        return FromBytes(GetDescriptorValue(descriptor, key).value_or(std::string()));
    };
    lbl_solo_nom->setText(valueOf(kGameKey));
    lbl_solo_version->setText(valueOf(kVersionKey));
    lbl_solo_url->setText(valueOf(kUrlKey));
    ShowMapChoice(Label31, GetDescriptorValue(descriptor, kStartMapKey));
    auto trainingMap = GetDescriptorValue(descriptor, kTrainingMapKey);
    if (!trainingMap) trainingMap = GetDescriptorValue(descriptor, kTrainMapKey);
    ShowMapChoice(Label32, trainingMap);
    Label31_Click();

    lst_solo_save->clear();
    if (!mod.empty()) {
        File1.setPath(ModPath(Dir1.path(), mod, kSaveFolder));
        File1.setPattern(std::string(kSavePattern));
        const std::vector<std::string> saves = File1.names();
        const std::vector<std::string> titles =
            saves.empty() ? std::vector<std::string>() : ReadTitleFiles(Dir1.path(), mod);
        QStringList entries;
        entries.reserve(qsizetype(saves.size()));
        for (const std::string& save : saves) {
            const std::string field = ReadDescriptionField(JoinPath(File1.path(), save));
            entries.append(FromBytes(SaveEntryText(mod, save, field, titles)));
        }
        // All entries in one change of the list; each keeps its file, so that a launch can tell
        // when the folder changed.
        lst_solo_save->addItems(entries);
        for (int row = 0; row < lst_solo_save->count(); ++row)
            lst_solo_save->item(row)->setData(Qt::UserRole,
                                              QByteArray::fromStdString(saves[std::size_t(row)]));
    }
    lbl_load->setVisible(lst_solo_save->count() > 0);
}

}  // namespace quorvant
