// Loading, editing and saving the map cycle shown in its window.
#include <QLineEdit>
#include <QListWidget>

#include "app/file_io.h"
#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_mapcycle_texts.h"
#include "serverconfig/map_cycle.h"
#include "ui/code_page.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/selection.h"

namespace quorvant {
namespace {

// The game reads the cycle in its code page. Entries show the name in it and keep the name's
// bytes where the text would not give them back, so every map is saved as it was.
void AppendMap(QListWidget* list, const std::string& map) {
    auto* item = new QListWidgetItem(FromCodePage(map), list);
    if (ToCodePage(item->text()) != map)
        item->setData(Qt::UserRole, QByteArray(map.data(), qsizetype(map.size())));
}

std::string MapOf(const QListWidgetItem* item) {
    const QVariant kept = item->data(Qt::UserRole);
    return kept.isValid() ? kept.toByteArray().toStdString() : ToCodePage(item->text());
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void SelectRow(QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
    } else {
        list->setCurrentItem(nullptr);
        list->clearSelection();
    }
}

}  // namespace

std::string frm_mapcycle::mapCyclePath() const {
    return MapCyclePath(mainWindow_.Dir1.path(), SelectedBytes(mainWindow_.lst_mods));
}

void frm_mapcycle::Form_Load() {
    ApplyLanguageRows(*this, MapCycleTexts(), mainWindow_.language());
    lbl_nbr_maps->setTag(TextIn(kMapUnits, mainWindow_.language()));
    showModInTitle(SelectedText(mainWindow_.lst_mods));
    // A missing file is an empty cycle, which saving creates; one that cannot be read shows
    // empty too, but is never saved over.
    opened_ = ReadFileForEdit(mapCyclePath(), kTextFileLimit);
    const MapCycle cycle = ParseMapCycle(opened_.value_or(std::string()));
    txt_commentaires = cycle.comments;
    for (const std::string& map : cycle.maps) AppendMap(lst_maps, map);
    SelectRow(lst_maps, 0);
    showCount();
}

void frm_mapcycle::showCount() {
    lbl_nbr_maps->setText(QString::number(lst_maps->count()) + lbl_nbr_maps->tag());
}

void frm_mapcycle::Label1_Click() {
    if (txt_ajout->text().isEmpty()) return;
    AppendMap(lst_maps, ToCodePage(txt_ajout->text()));
    txt_ajout->clear();
    showCount();
}

void frm_mapcycle::Label2_Click() {
    const int row = SelectedRow(lst_maps);
    if (row >= 0) {
        delete lst_maps->takeItem(row);
        SelectRow(lst_maps, row);
    }
    showCount();
}

void frm_mapcycle::moveSelected(int step) {
    const int row = SelectedRow(lst_maps);
    const int target = row + step;
    if (row < 0 || target < 0 || target >= lst_maps->count()) return;
    lst_maps->insertItem(target, lst_maps->takeItem(row));
    SelectRow(lst_maps, target);
}

void frm_mapcycle::Image1_Click() { moveSelected(-1); }
void frm_mapcycle::Image2_Click() { moveSelected(+1); }
// The click of a double click has moved the map once already; the double click moves it again.
void frm_mapcycle::Image1_DblClick() { Image1_Click(); }
void frm_mapcycle::Image2_DblClick() { Image2_Click(); }

std::string frm_mapcycle::mapAt(int row) const { return MapOf(lst_maps->item(row)); }

std::vector<std::string> frm_mapcycle::cycleMaps() const {
    std::vector<std::string> maps;
    maps.reserve(std::size_t(lst_maps->count()));
    for (int row = 0; row < lst_maps->count(); ++row) maps.push_back(mapAt(row));
    return maps;
}

void frm_mapcycle::Label3_Click() {
    const std::vector<std::string> maps = cycleMaps();
    if (!opened_) {
        dialogs_.message(this, QStringLiteral("Can't write mapcycle!"));
        return;
    }
    // The maps go into the file as the window read it; comments, blank lines and line ends stay.
    const std::string text = WithMaps(*opened_, maps);
    if (text != *opened_) {
        const std::string path = mapCyclePath();
        if (ReadFileForEdit(path, kTextFileLimit) != opened_ &&
            !mayReplaceChangedFile(dialogs_, QStringLiteral("mapcycle.txt"),
                                   mainWindow_.language()))
            return;
        if (!WriteFileAtomically(path, text)) {
            dialogs_.message(this, QStringLiteral("Can't write mapcycle!"));
            return;
        }
    }
    accept();
}

}  // namespace quorvant
