// A click on the selected map's line writes the map's resource list, maps/<map>.res.
#include "app/file_io.h"
#include "catalogue/map_check_texts.h"
#include "catalogue/resource_list.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/text_conversion.h"

namespace quorvant {

void Form1::lbl_map_check_Click() {
    if (!mapCheck_) return;
    // Checked again: the mod's files may have changed since the map was selected.
    const std::string mod = SelectedBytes(lst_mods);
    mapCheck_->second = CheckMap(Dir1.path(), mod, CurrentBytes(lst_maps));
    showMapCheck();
    const auto list = ResourceListOf(Dir1.path(), mod, mapCheck_->second);
    if (!list) return;
    const QString name = FromBytes(list->name);
    const std::size_t files = mapCheck_->second.downloadable.size();
    const auto tell = [&](ResourceListOutcome outcome) {
        return ResourceListMessage(outcome, name, files, language());
    };
    if (files == 0) {
        dialogs_.message(this, tell(ResourceListOutcome::NothingToList));
        return;
    }
    if (list->exists && !dialogs_.confirm(this, tell(ResourceListOutcome::ReplaceQuestion))) return;
    const bool written = WriteFileAtomically(list->path, list->text);
    dialogs_.message(
        this, tell(written ? ResourceListOutcome::Written : ResourceListOutcome::NotWritten));
}

}  // namespace quorvant
