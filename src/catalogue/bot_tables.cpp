#include "catalogue/bot_tables.h"

#include <algorithm>
#include <iterator>

#include "app/file_system.h"

namespace quorvant {
namespace {

// How a mod lists one library of its dlls folder: under a bot's name ("" lists the file's own
// name), and whether the descriptor's library is recognised in any case.
struct BotRow {
    std::string_view mod;
    std::string_view file;
    std::string_view entry;
    bool anyCase = false;
};

// The one table behind listing, selecting and writing back; a bot for another mod is a row more.
constexpr BotRow kBotRows[] = {
    {"cstrike", "mp.dll", kNoBotEntry},          {"tfc", "tfc.dll", kNoBotEntry},
    {"cstrike", "android.dll", "Android Bot"},   {"cstrike", "mp2.dll", "Rambot"},
    {"cstrike", "swat.dll", "S.W.A.T. Bot"},     {"cstrike", "hypd.dll", "HYPD Bot"},
    {"cstrike", "HPB_bot.dll", "HPB Bot", true}, {"tfc", "HPB_bot.dll", "HPB Bot", true},
    {"cstrike", "realbot.dll", "RealBot", true},
};

}  // namespace

bool ModHasBots(std::string_view mod) {
    return std::any_of(std::begin(kBotRows), std::end(kBotRows),
                       [mod](const BotRow& row) { return row.mod == mod; });
}

std::string BotEntryFor(std::string_view mod, std::string_view libraryFile) {
    for (const BotRow& row : kBotRows) {
        if (row.mod == mod && row.file == libraryFile) return std::string(row.entry);
    }
    return std::string(libraryFile);
}

std::optional<std::string> BotTargetFor(std::string_view mod, std::string_view currentLibrary) {
    for (const BotRow& row : kBotRows) {
        if (row.mod != mod) continue;
        const bool recognised =
            row.anyCase ? EqualIgnoringCase(row.file, currentLibrary) : row.file == currentLibrary;
        if (!recognised) continue;
        if (row.entry == kNoBotEntry) return std::nullopt;
        return std::string(row.entry);
    }
    return std::string(currentLibrary);
}

std::optional<std::string> LibraryForBotEntry(std::string_view mod, std::string_view entry) {
    if (entry.empty() || (entry == kNoBotEntry && !ModHasBots(mod))) return std::nullopt;
    // "(None)" is the mod's own library; a bot's name stands for its library in any mod.
    for (const BotRow& row : kBotRows) {
        const bool standsFor =
            entry == kNoBotEntry ? row.mod == mod && row.entry == kNoBotEntry : row.entry == entry;
        if (standsFor) return std::string(row.file);
    }
    return std::string(entry);
}

}  // namespace quorvant
