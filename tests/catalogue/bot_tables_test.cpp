#include "catalogue/bot_tables.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quorvant {
namespace {

constexpr const char* kMods[] = {"cstrike", "tfc"};
// The table's libraries, other spellings of them, and a library it does not know.
constexpr const char* kFiles[] = {"mp.dll",   "tfc.dll",     "android.dll", "mp2.dll",
                                  "swat.dll", "hypd.dll",    "HPB_bot.dll", "realbot.dll",
                                  "MP.DLL",   "hpb_bot.dll", "RealBot.DLL", "podbot.dll"};

std::uint64_t Fnv1a(std::string_view text, std::uint64_t hash = 0xcbf29ce484222325u) {
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    return hash;
}

// Every entry the list shows writes back the library it stands for.
TEST(BotTables, EveryListedLibraryIsWrittenBackAsTheFileItCameFrom) {
    for (const std::string mod : kMods) {
        const std::string ownLibrary = mod == "tfc" ? "tfc.dll" : "mp.dll";
        for (const std::string file : kFiles) {
            const std::string entry = BotEntryFor(mod, file);
            EXPECT_EQ(LibraryForBotEntry(mod, entry), entry == "(None)" ? ownLibrary : file)
                << mod << " " << file;
        }
    }
}

// Copying the table's rows here would only repeat them. The digest of every answer for the
// files above fails on any changed text, swapped row or comparison rule; it changes only with
// the table. The examples below are the rules' own cases.
TEST(BotTables, ListSelectAndWriteBackAsTheTableSays) {
    std::uint64_t digest = Fnv1a("");
    for (const std::string mod : kMods) {
        for (const std::string file : kFiles) {
            const std::string entry = BotEntryFor(mod, file);
            digest = Fnv1a(entry + '|' + BotTargetFor(mod, file).value_or("(first)") + '|' +
                               LibraryForBotEntry(mod, entry).value_or("(none)") + '\n',
                           digest);
        }
    }
    EXPECT_EQ(digest, 0x7a371aa7b83d7ccdu);
    EXPECT_EQ(BotEntryFor("cstrike", "mp2.dll"), "Rambot");
    EXPECT_EQ(BotEntryFor("cstrike", "hpb_bot.dll"), "hpb_bot.dll");
    EXPECT_EQ(BotTargetFor("cstrike", "hpb_bot.DLL"), "HPB Bot");
    EXPECT_EQ(BotTargetFor("tfc", "tfc.dll"), std::nullopt);
    EXPECT_EQ(BotTargetFor("cstrike", "MP.DLL"), "MP.DLL");
    EXPECT_EQ(LibraryForBotEntry("tfc", "HPB Bot"), "HPB_bot.dll");
    EXPECT_EQ(LibraryForBotEntry("valve", "(None)"), std::nullopt);
    EXPECT_EQ(LibraryForBotEntry("cstrike", ""), std::nullopt);
}

}  // namespace
}  // namespace quorvant
