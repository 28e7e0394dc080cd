// Rewriting a mod's game library name, with the one failure told to the user.
#include <QListWidget>

#include "catalogue/bot_tables.h"
#include "catalogue/descriptor.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/text_conversion.h"

namespace quorvant {

void Form1::SetGameDll(const std::string& mod, const std::string& fileName) {
    // Whether lst_bots shows the library the descriptor loads is decided from the descriptor as
    // the launch reads it, not as the mod selection found it.
    const auto listShows = [this, &mod](std::string_view library) {
        const auto entry = BotTargetFor(mod, library).value_or(std::string(kNoBotEntry));
        return !lst_bots->findItems(FromBytes(entry), Qt::MatchExactly).isEmpty();
    };
    const BotListState list{true, botChosenByUser_};
    if (quorvant::SetGameDll(Dir1.path(), mod, fileName, list, listShows) !=
        GameDllWrite::Written) {
        dialogs_.message(this, QStringLiteral("Can't write DLL!"));
    }
}

}  // namespace quorvant
