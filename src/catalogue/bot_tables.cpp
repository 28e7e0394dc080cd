#include "catalogue/bot_tables.h"

#include "app/file_system.h"

namespace quorvant {
namespace {

constexpr std::string_view kCstrike = "cstrike";
constexpr std::string_view kTfc = "tfc";

// One mod's view of a library: its entry ("" lists the file name) and whether the current
// library is recognised in any case.
struct ModEntry {
    std::string_view entry;
    bool anyCase = false;
};

struct BotLibrary {
    std::string_view file;
    ModEntry cstrike;
    ModEntry tfc;
};

// The one table behind listing, selecting and writing back.
constexpr BotLibrary kBotLibraries[] = {
    {"mp.dll", {kNoBotEntry}, {}},
    {"tfc.dll", {}, {kNoBotEntry}},
    {"android.dll", {"Android Bot"}, {}},
    {"mp2.dll", {"Rambot"}, {}},
    {"swat.dll", {"S.W.A.T. Bot"}, {}},
    {"hypd.dll", {"HYPD Bot"}, {}},
    {"HPB_bot.dll", {"HPB Bot", true}, {"HPB Bot", true}},
    {"realbot.dll", {"RealBot", true}, {}},
};

const ModEntry& EntryOf(const BotLibrary& library, std::string_view mod) {
    return mod == kCstrike ? library.cstrike : library.tfc;
}

}  // namespace

bool ModHasBots(std::string_view mod) { return mod == kCstrike || mod == kTfc; }

std::string BotEntryFor(std::string_view mod, std::string_view libraryFile) {
    for (const BotLibrary& library : kBotLibraries) {
        if (library.file != libraryFile) continue;
        const std::string_view entry = EntryOf(library, mod).entry;
        return std::string(entry.empty() ? libraryFile : entry);
    }
    return std::string(libraryFile);
}

std::optional<std::string> BotTargetFor(std::string_view mod, std::string_view currentLibrary) {
    for (const BotLibrary& library : kBotLibraries) {
        const ModEntry& modEntry = EntryOf(library, mod);
        const bool recognised = modEntry.anyCase ? EqualIgnoringCase(library.file, currentLibrary)
                                                 : library.file == currentLibrary;
        if (!recognised || modEntry.entry.empty()) continue;
        if (modEntry.entry == kNoBotEntry) return std::nullopt;
        return std::string(modEntry.entry);
    }
    return std::string(currentLibrary);
}

std::optional<std::string> LibraryForBotEntry(std::string_view mod, std::string_view entry) {
    if (entry.empty() || (entry == kNoBotEntry && !ModHasBots(mod))) return std::nullopt;
    for (const BotLibrary& library : kBotLibraries) {
        // "(None)" is the mod's own library; a bot name stands for the same library in both mods.
        const bool standsFor = entry == kNoBotEntry
                                   ? EntryOf(library, mod).entry == kNoBotEntry
                                   : library.cstrike.entry == entry || library.tfc.entry == entry;
        if (standsFor) return std::string(library.file);
    }
    return std::string(entry);
}

}  // namespace quorvant
