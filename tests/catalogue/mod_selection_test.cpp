#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "support/ui_fixture.h"

namespace quorvant {
namespace {

using ::quorvant::testing::WindowTest;

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row) entries << list->item(row)->text();
    return entries;
}

QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row) entries << list->itemText(row);
    return entries;
}

class ModSelectionTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    ModSelectionTest() {
        game.addExecutable()
            .addMod("cstrike",
                    "game \"Counter-Strike\"\r\nversion \"1.6\"\r\nurl_info \"cs.example\"\r\n"
                    "gamedll \"dlls\\mp2.dll\"\r\n")
            .addFile("cstrike/dlls/mp.dll")
            .addFile("cstrike/dlls/HPB_bot.dll")
            .addFile("cstrike/dlls/mp2.dll")
            .addFile("cstrike/maps/de_dust.bsp")
            .addFile("cstrike/maps/de_dust.txt", "Dust\r\nSand everywhere\r\n")
            .addFile("cstrike/maps/Cs_office.bsp")
            .addFile("cstrike/maps/as_oilrig.bsp")
            .addFile("cstrike/maps/as_oilrig.txt", "no line end")
            .addMod("tfc", "game \"TFC\"\r\ngamedll \"dlls\\tfc.dll\"\r\n")
            .addFile("tfc/dlls/tfc.dll")
            .addFile("tfc/dlls/hpb_bot.dll")
            .addFile("tfc/dlls/readme.txt")
            .addMod("valve", "game \"Half-Life\"\r\ngamedll \"dlls\\hl.dll\"\r\n")
            .addFile("valve/dlls/HPB_bot.dll");
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
    }

    void select(const char* mod) {
        form->lst_mods->setCurrentItem(
            form->lst_mods->findItems(QLatin1String(mod), Qt::MatchExactly).value(0));
    }
};

TEST_F(ModSelectionTest, ShowsTheModsInformationBotsAndMaps) {
    select("cstrike");
    EXPECT_EQ(form->lbl_info_nom->text(), QStringLiteral("Counter-Strike"));
    EXPECT_EQ(form->lbl_info_version->text(), QStringLiteral("1.6"));
    EXPECT_EQ(form->lbl_info_URL->text(), QStringLiteral("cs.example"));
    EXPECT_EQ(Entries(form->lst_bots), QStringList({"(None)", "HPB Bot", "Rambot"}));
    EXPECT_EQ(form->lst_bots->currentItem()->text(), QStringLiteral("Rambot"));
    EXPECT_EQ(Entries(form->lst_maps),
              QStringList({"(None)", "as_oilrig.bsp", "Cs_office.bsp", "de_dust.bsp"}));
    EXPECT_EQ(form->lst_maps->currentIndex(), 0);
    EXPECT_EQ(form->lbl_titre->text(), QString());
}

TEST_F(ModSelectionTest, ShowsTheSelectedMapsTitleFromItsFirstLine) {
    select("cstrike");
    form->lst_maps->setCurrentIndex(3);
    EXPECT_EQ(form->lbl_titre->text(), QStringLiteral("Dust"));
    form->lst_maps->setCurrentIndex(1);
    EXPECT_EQ(form->lbl_titre->text(), QString());  // a title file without line end
    form->lst_maps->setCurrentIndex(3);
    form->lst_maps->setCurrentIndex(2);
    EXPECT_EQ(form->lbl_titre->text(), QString());  // no title file
    form->lst_maps->setCurrentIndex(3);
    select("tfc");
    EXPECT_EQ(Entries(form->lst_maps), QStringList({"(None)"}));
    EXPECT_EQ(form->lbl_titre->text(), QString());
}

TEST_F(ModSelectionTest, ListsLibrariesExactlyAndFallsBackToTheFirstEntry) {
    select("tfc");
    EXPECT_EQ(Entries(form->lst_bots), QStringList({"(None)", "hpb_bot.dll"}));
    EXPECT_EQ(form->lst_bots->currentRow(), 0);

    game.addMod("tfc", "gamedll \"dlls\\hpb_bot.dll\"\r\n");  // HPB Bot is not listed as such
    select("cstrike");
    select("tfc");
    EXPECT_EQ(form->lst_bots->currentRow(), 0);

    game.addMod("cstrike", "gamedll \"dlls\\MP.DLL\"\r\n");
    select("tfc");
    select("cstrike");
    EXPECT_EQ(form->lst_bots->currentRow(), 0);
    EXPECT_EQ(form->lst_maps->count(), 4);

    game.addFile("cstrike/dlls/podbot.dll").addMod("cstrike", "gamedll \"dlls/podbot.dll\"");
    select("tfc");
    select("cstrike");
    EXPECT_EQ(form->lst_bots->currentItem()->text(), QStringLiteral("podbot.dll"));
}

TEST_F(ModSelectionTest, OtherModsGetNoBotList) {
    select("cstrike");
    select("valve");
    EXPECT_EQ(form->lst_bots->count(), 0);
    EXPECT_EQ(form->lbl_info_nom->text(), QStringLiteral("Half-Life"));
    EXPECT_EQ(form->lbl_info_version->text(), QString());
    EXPECT_EQ(Entries(form->lst_maps), QStringList({"(None)"}));
}

}  // namespace
}  // namespace quorvant
