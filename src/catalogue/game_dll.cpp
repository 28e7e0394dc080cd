// Rewriting a mod's game library name, with the one failure told to the user.
#include "catalogue/descriptor.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/text_conversion.h"

namespace quorvant {

void Form1::SetGameDll(const std::string& mod, const std::string& fileName, BotListState list) {
    if (quorvant::SetGameDll(Dir1.path(), mod, fileName, list) != GameDllWrite::Written) {
        dialogs_.message(this, QStringLiteral("Can't write DLL!"));
    }
}

}  // namespace quorvant
