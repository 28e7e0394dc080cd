#include "catalogue/bot_tables.h"

#include <gtest/gtest.h>

namespace quorvant {
namespace {

TEST(BotEntryFor, NamesKnownLibrariesPerModAndListsOthersByFileName) {
    EXPECT_EQ(BotEntryFor("cstrike", "mp.dll"), "(None)");
    EXPECT_EQ(BotEntryFor("tfc", "mp.dll"), "mp.dll");
    EXPECT_EQ(BotEntryFor("cstrike", "tfc.dll"), "tfc.dll");
    EXPECT_EQ(BotEntryFor("tfc", "tfc.dll"), "(None)");
    EXPECT_EQ(BotEntryFor("cstrike", "android.dll"), "Android Bot");
    EXPECT_EQ(BotEntryFor("cstrike", "mp2.dll"), "Rambot");
    EXPECT_EQ(BotEntryFor("cstrike", "swat.dll"), "S.W.A.T. Bot");
    EXPECT_EQ(BotEntryFor("cstrike", "hypd.dll"), "HYPD Bot");
    EXPECT_EQ(BotEntryFor("cstrike", "realbot.dll"), "RealBot");
    EXPECT_EQ(BotEntryFor("tfc", "realbot.dll"), "realbot.dll");
    EXPECT_EQ(BotEntryFor("cstrike", "HPB_bot.dll"), "HPB Bot");
    EXPECT_EQ(BotEntryFor("tfc", "HPB_bot.dll"), "HPB Bot");
    // Files are compared exactly: another spelling is just a file.
    EXPECT_EQ(BotEntryFor("cstrike", "hpb_bot.dll"), "hpb_bot.dll");
    EXPECT_EQ(BotEntryFor("cstrike", "MP.DLL"), "MP.DLL");
    EXPECT_EQ(BotEntryFor("cstrike", "podbot.dll"), "podbot.dll");
}

TEST(BotTargetFor, FindsTheEntryOfTheCurrentLibrary) {
    EXPECT_EQ(BotTargetFor("cstrike", "mp.dll"), std::nullopt);
    EXPECT_EQ(BotTargetFor("tfc", "tfc.dll"), std::nullopt);
    EXPECT_EQ(BotTargetFor("cstrike", "mp2.dll"), "Rambot");
    EXPECT_EQ(BotTargetFor("cstrike", "android.dll"), "Android Bot");
    EXPECT_EQ(BotTargetFor("cstrike", "swat.dll"), "S.W.A.T. Bot");
    EXPECT_EQ(BotTargetFor("cstrike", "hypd.dll"), "HYPD Bot");
    EXPECT_EQ(BotTargetFor("cstrike", "hpb_bot.DLL"), "HPB Bot");
    EXPECT_EQ(BotTargetFor("tfc", "HPB_BOT.dll"), "HPB Bot");
    EXPECT_EQ(BotTargetFor("cstrike", "RealBot.dll"), "RealBot");
    EXPECT_EQ(BotTargetFor("tfc", "RealBot.dll"), "RealBot.dll");
    EXPECT_EQ(BotTargetFor("cstrike", "MP.DLL"), "MP.DLL");
    EXPECT_EQ(BotTargetFor("cstrike", "MP2.dll"), "MP2.dll");
    EXPECT_EQ(BotTargetFor("tfc", "mp.dll"), "mp.dll");
    EXPECT_EQ(BotTargetFor("cstrike", "podbot.dll"), "podbot.dll");
}

TEST(LibraryForBotEntry, WritesBackTheLibraryAnEntryStandsFor) {
    EXPECT_EQ(LibraryForBotEntry("cstrike", "(None)"), "mp.dll");
    EXPECT_EQ(LibraryForBotEntry("tfc", "(None)"), "tfc.dll");
    EXPECT_EQ(LibraryForBotEntry("cstrike", "Android Bot"), "android.dll");
    EXPECT_EQ(LibraryForBotEntry("cstrike", "Rambot"), "mp2.dll");
    EXPECT_EQ(LibraryForBotEntry("cstrike", "S.W.A.T. Bot"), "swat.dll");
    EXPECT_EQ(LibraryForBotEntry("cstrike", "HYPD Bot"), "hypd.dll");
    EXPECT_EQ(LibraryForBotEntry("tfc", "HPB Bot"), "HPB_bot.dll");
    EXPECT_EQ(LibraryForBotEntry("cstrike", "RealBot"), "realbot.dll");
    EXPECT_EQ(LibraryForBotEntry("tfc", "mp.dll"), "mp.dll");
    EXPECT_EQ(LibraryForBotEntry("cstrike", "hpb_bot.dll"), "hpb_bot.dll");
    EXPECT_EQ(LibraryForBotEntry("valve", "(None)"), std::nullopt);
    EXPECT_EQ(LibraryForBotEntry("cstrike", ""), std::nullopt);
}

TEST(BotTables, EveryListedLibraryIsWrittenBackAsTheFileItCameFrom) {
    for (const std::string mod : {"cstrike", "tfc"}) {
        const std::string ownLibrary = mod == "tfc" ? "tfc.dll" : "mp.dll";
        for (const char* file : {"mp.dll", "tfc.dll", "android.dll", "mp2.dll", "swat.dll",
                                 "hypd.dll", "HPB_bot.dll", "realbot.dll", "other.dll"}) {
            const std::string entry = BotEntryFor(mod, file);
            const std::string expected = entry == "(None)" ? ownLibrary : std::string(file);
            EXPECT_EQ(LibraryForBotEntry(mod, entry), expected) << mod << " " << file;
        }
    }
}

}  // namespace
}  // namespace quorvant
