// GO! on each panel: the settings it stores, the bot library it writes, the command line it
// starts, and every launch it refuses.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <filesystem>

#include "launch/game_panels.h"
#include "serverconfig/frm_mapcycle.h"
#include "support/ordinary_user.h"
#include "ui/launch_feedback.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;
using LaunchTest = GamePanelsTest;

constexpr char kWithBot[] =
    "game \"Counter-Strike\"\r\nversion \"1.6\"\r\nurl_info \"cs.example\"\r\n"
    "gamedll \"dlls\\HPB_bot.dll\"\r\n";

// One launch after the other, as a user would: each changes only what it names.
TEST_F(LaunchTest, EachPanelStartsTheGameOnItsCommandLine) {
    form->coche_dev_Click();
    form->coche_memoire_Click();
    form->txt_memoire->setText("64");
    create("cstrike", "HPB Bot", 1);
    go("hl.exe -dev -console -noipx -nojoy -heapsize 64 -game cstrike -port 27015 +map arena "
       "+maxplayers 8");
    expectStored({{"Last_Mod_Mplayer", "cstrike"}});
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), kWithBot);
    form->coche_dev_Click();
    form->coche_memoire_Click();
    form->txt_memoire->clear();
    form->txt_max_players->clear();
    form->txt_port_server->clear();
    create("valve");  // a mod without bots keeps its descriptor
    go("hl.exe -console -game valve +maxplayers 1");
    create(kLatin1Mod, nullptr, 1);
    go("hl.exe -console -game caf\xe9 +map d\xe9p\xf4t +maxplayers 1");
    EXPECT_EQ(ReadFile(game / "valve/liblist.gam"), kValve);
    EXPECT_EQ(ReadFile(game / (kLatin1Mod + "/liblist.gam")), junk);

    // A new address goes first, into a free first slot or pushing the oldest out; a known one
    // keeps its place.
    form->addressHistory = {"", "e2", "e3", "e4", "e5"};
    join("10.0.0.5", "27016", "secret");
    go("hl.exe -console +connect 10.0.0.5:27016 +password secret");
    // The password stays off the screen.
    EXPECT_TRUE(form->launchFeedback->line()->toolTip().endsWith("+password ******"));
    EXPECT_FALSE(form->launchFeedback->line()->toolTip().contains("secret"));
    join("e1");
    go("hl.exe -console +connect e1");
    expectStored({{"IP1", "e1"}, {"IP2", "10.0.0.5"}, {"IP3", "e2"}, {"IP5", "e4"}});
    join("e3");
    go("hl.exe -console +connect e3");
    expectStored({{"Last_IP", "e3"}, {"IP1", "e1"}, {"IP4", "e3"}});

    alone("valve", &Form1::coche_skip_intro_Click);
    go("hl.exe -console -game valve +map c1a0 +skill 2");
    alone("valve", &Form1::Label32_Click);
    go("hl.exe -console -game valve +map t0a0");
    form->coche_dedicated_Click();                 // no client options, but the game's own program
    alone("gearbox", &Form1::coche_skill3_Click);  // which offers no intro box to skip
    go("hl.exe -game gearbox +map of0a0 +skill 3");
    expectStored({{"Last_Mod_Single", "gearbox"}});
    form->coche_dedicated_Click();
    alone("valve", &Form1::lbl_load_Click, 3);
    go("hl.exe -console -game valve -toconsole +exec quorvant.cfg");
    EXPECT_EQ(ReadFile(game / "valve/quorvant.cfg"), "load \"quick.sav\"\r\n");
    // A saved game's name is one argument of the console's, whatever it holds.
    game.addFile("valve/SAVE/a;connect 10.0.0.9;echo .sav", SaveFile("x", "00:01"));
    alone("valve", &Form1::lbl_load_Click);
    select(form->lst_solo_save, "a;connect 10.0.0.9;echo .sav");
    go("hl.exe -console -game valve -toconsole +exec quorvant.cfg");
    EXPECT_EQ(ReadFile(game / "valve/quorvant.cfg"), "load \"a;connect 10.0.0.9;echo .sav\"\r\n");
}

// A name the game would split into more words of its command line is refused before any file is
// written; a saved game whose name the console cannot read as one argument is refused too.
TEST_F(LaunchTest, NamesTheGameCannotLoadAreRefusedBeforeAnythingIsWritten) {
    game.addFile("cstrike/maps/de x +rcon_password owned.bsp").addMod("my mod", "game \"M\"\r\n");
#ifndef _WIN32  // Windows takes no double quote in a file name
    game.addFile("valve/SAVE/say \"hi\".sav", SaveFile("x", "00:01"));
#endif
    form->ModScan();
    create("cstrike", "HPB Bot");
    form->lst_maps->setCurrentIndex(form->lst_maps->findText("de x +rcon_password owned.bsp"));
    form->btn_go_Click();
    create("my mod");
    form->btn_go_Click();
    QStringList messages{
        "The game can't load \"de x +rcon_password owned.bsp\": its name holds a blank.",
        "The game can't load \"my mod\": its name holds a blank."};
#ifndef _WIN32
    alone("valve", &Form1::lbl_load_Click);
    select(form->lst_solo_save, "say \"hi\".sav");
    form->btn_go_Click();
    messages << "Can't load say \"hi\".sav: the game's console reads no double quote or control "
                "character in a name.";
#endif
    EXPECT_EQ(dialogs.messages, messages);
    EXPECT_TRUE(desktop.starts.empty());
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), kCstrike);
    EXPECT_FALSE(fs::exists(game / "valve/quorvant.cfg"));
}

// Every refusal comes after the settings are stored and the bot library is switched, whatever
// the panel; lists that only have the focus count as having nothing selected.
TEST_F(LaunchTest, RefusedLaunchesStoreTheSettingsAndSwitchTheBotFirst) {
    const std::pair<const char*, QLineEdit*> typed[] = {{"Heap", form->txt_memoire},
                                                        {"Max_Players", form->txt_max_players},
                                                        {"Port_server", form->txt_port_server},
                                                        {"Port_client", form->txt_port_join},
                                                        {"hl_exe", form->txt_hlexe},
                                                        {"hl_path", form->txt_hl}};
    int launch = 0;
    const auto prepare = [&] {
        game.addMod("cstrike", kCstrike);
        create("cstrike", "HPB Bot");
        for (const auto& [name, box] : typed) box->setText(QString::number(++launch));
        dialogs.messages.clear();
    };
    const auto refused = [&](const QStringList& messages) {
        form->btn_go_Click();
        EXPECT_EQ(dialogs.messages, messages);
        EXPECT_TRUE(desktop.starts.empty());
        for (const auto& [name, box] : typed)
            EXPECT_EQ(storedSetting(name), box->text().toStdString());
        expectStored({{"Dev", "1"}, {"Console", "1"}, {"Numeric_Ping", "1"}, {"Low_Memory", "0"}});
        expectStored({{"Dedicated", "0"}, {"Last_Mod_Mplayer", ""}, {"Last_Mod_Single", ""}});
        expectStored({{"IP1", ""}});
        EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"),
                  form->lst_mods->selectedItems().isEmpty() ? kCstrike : kWithBot);
        EXPECT_FALSE(fs::is_regular_file(game / "valve/quorvant.cfg"));
        prepare();
    };
    form->coche_dev_Click();
    form->coche_ping_Click();
    prepare();
    join("");
    refused({"Enter an IP adresse"});
    create("");
    FocusByTab(form->lst_mods);
    refused({"Please select a mod"});
    form->Label17_Click();
    FocusByTab(form->lst_mods_solo);
    refused({"Please select a mod"});
    form->Label16_Click();
    refused({});
    alone("valve", &Form1::lbl_load_Click);
    FocusByTab(form->lst_solo_save);
    refused({"Please select a saved game"});
    game.addFolder("valve/quorvant.cfg");
    alone("valve", &Form1::lbl_load_Click, 0);
    refused({"Can't write quorvant.cfg!"});
    // The saved game must still be the file shown at its place, or another one would load.
    alone("valve", &Form1::lbl_load_Click, 0);
    fs::remove(game / "valve/SAVE/autosave.sav");
    refused({"The saved games have changed. Please select the saved game again."});
    EXPECT_EQ(form->lst_solo_save->count(), 3);  // the list shows the folder as it is now
    EXPECT_TRUE(form->Shape_load->isFilled());
}

// Real servers load a plugin loader in place of the mod's library: a launch leaves it until the
// user chooses an entry, which then names a library of the mod's own folder.
TEST_F(LaunchTest, APluginLoaderStaysUntilTheUserChoosesABot) {
    const std::string loader = "game \"CS\"\r\ngamedll \"addons\\metamod\\dlls\\metamod.dll\"\r\n";
    game.addMod("cstrike", loader);
    create("cstrike");
    ASSERT_EQ(form->lst_bots->currentItem()->text(), QStringLiteral("(None)"));
    QTest::mouseClick(form->btn_go, Qt::LeftButton);  // a double click launches once
    QTest::mouseDClick(form->btn_go, Qt::LeftButton);
    QTest::mouseRelease(form->btn_go, Qt::LeftButton);
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), loader);
    // A click on the entry the mod selection made is a choice as well.
    const QRect none = form->lst_bots->visualItemRect(form->lst_bots->item(0));
    QTest::mouseClick(form->lst_bots->viewport(), Qt::LeftButton, {}, none.center());
    form->btn_go_Click();
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"),
              "game \"CS\"\r\ngamedll \"dlls\\mp.dll\"\r\n");
    EXPECT_EQ(desktop.starts.size(), 2u);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // A loader installed while the window is open is taken for what it is at the launch.
    game.addMod("cstrike", kCstrike);
    create("cstrike");
    game.addMod("cstrike", loader);
    form->btn_go_Click();
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), loader);
}

// An ordinary user and mod folders of another: what cannot be written says so and stays as it
// was; what cannot be read shows as empty and is never saved over.
TEST_F(LaunchTest, ModFilesAnOrdinaryUserCannotWriteOrRead) {
    if (!::quorvant::testing::CanTryPermissions()) GTEST_SKIP() << "no permission modes here";
    using enum fs::perms;
    fs::permissions(temp.path(), all);  // anyone may store the settings
    fs::permissions(temp.path() / "config", all);
    const std::pair<const char*, fs::perms> modes[] = {
        {"cstrike", owner_read | owner_exec | others_read | others_exec},
        {"cstrike/maps", none},
        {"tfc", all},
        {"tfc/mapcycle.txt", others_write},
        {"valve/liblist.gam", none},
        {"valve/SAVE/quick.sav", none}};
    for (const auto& [file, mode] : modes) fs::permissions(game / file, mode);
    // A forked child has none of its parent's threads: no map check may be under way at the fork.
    form->lst_mods->clearSelection();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->markingMaps(); }));
    EXPECT_TRUE(::quorvant::testing::AsOrdinaryUser([&] {
        create("cstrike", "HPB Bot");
        const bool noMaps = form->lst_maps->count() == 1;
        form->btn_go_Click();
        select(form->lst_mods, "tfc");
        frm_mapcycle mapCycle(*form, dialogs);
        mapCycle.show();
        mapCycle.Form_Load();
        mapCycle.Label3_Click();
        alone("valve", &Form1::Label31_Click);
        return noMaps && desktop.starts.size() == 1 && mapCycle.lst_maps->count() == 0 &&
               mapCycle.isVisible() &&
               dialogs.messages ==
                   QStringList({"Can't write DLL!", "Can't write DLL!", "Can't write mapcycle!"}) &&
               form->Label31->tag().isEmpty() &&
               form->lst_solo_save->item(3)->text() == QStringLiteral("[Quick] quick");
    }));
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), kCstrike);
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"), "de_dust\r\n");
}

}  // namespace
}  // namespace quorvant
