#include "catalogue/bot_tables.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quorvant {
namespace {

// Copying the table's rows here would only repeat them, and a round trip alone does not see two
// rows swapped. So every entry listed for the table's files, in several spellings, must write
// back its file, and a digest (FNV-1a 64-bit) of all the answers must hold: it fails on any
// changed text, row or comparison, and changes only with the table itself.
TEST(BotTables, ListSelectAndWriteBackAsTheTableSays) {
    std::uint64_t digest = 0xcbf29ce484222325u;
    for (const std::string mod : {"cstrike", "tfc"}) {
        for (const std::string file :
             {"mp.dll", "tfc.dll", "android.dll", "mp2.dll", "swat.dll", "hypd.dll", "HPB_bot.dll",
              "realbot.dll", "MP.DLL", "hpb_bot.dll", "RealBot.DLL", "podbot.dll"}) {
            const std::string entry = BotEntryFor(mod, file);
            const std::optional<std::string> library = LibraryForBotEntry(mod, entry);
            const std::string own = mod == "tfc" ? "tfc.dll" : "mp.dll";
            EXPECT_EQ(library, entry == "(None)" ? own : file) << mod << " " << file;
            const std::string answers = entry + '|' + BotTargetFor(mod, file).value_or("(first)") +
                                        '|' + library.value_or("(none)") + '\n';
            for (const char c : answers)
                digest = (digest ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
        }
    }
    EXPECT_EQ(digest, 0x7a371aa7b83d7ccdu);
    EXPECT_EQ(LibraryForBotEntry("valve", "(None)"), std::nullopt);
    EXPECT_EQ(LibraryForBotEntry("cstrike", ""), std::nullopt);
}

}  // namespace
}  // namespace quorvant
