// Writing the bot chosen in lst_bots into the selected mod's descriptor, at launch time only.
#include <QListWidget>

#include "catalogue/bot_tables.h"
#include "ui/form1.h"
#include "ui/selection.h"
#include "ui/text_conversion.h"

namespace quorvant {

void Form1::ApplyBotChoice() {
    const std::string mod = SelectedBytes(lst_mods);
    const auto library = LibraryForBotEntry(mod, ToBytes(SelectedText(lst_bots)));
    if (library) SetGameDll(mod, *library);
}

void Form1::lst_bots_Click() { botChosenByUser_ = true; }

}  // namespace quorvant
