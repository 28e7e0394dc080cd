#include <gtest/gtest.h>

#include <QListWidget>

#include "support/ui_fixture.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::WindowTest;

std::string SaveFile(const std::string& description, const std::string& time) {
    std::string field = description;
    field.resize(65, ' ');
    return std::string(4242, '\x01') + field + time + std::string(100, '\0');
}

class SinglePlayerSelectionTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    SinglePlayerSelectionTest() {
        game.addExecutable()
            .addMod("valve",
                    "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\ntrainmap \"t0a0\"\r\n"
                    "version \"1.1\"\r\nurl_info \"http://hl.example\"\r\n")
            .addFile("valve/SAVE/quick.sav", SaveFile("Chapter One", "12:34"))
            .addFile("valve/SAVE/autosave.sav", SaveFile("", "00:42"))
            .addFile("valve/SAVE/broken.sav", "too short")
            .addFile("valve/SAVE/Half-Life-001.sav", SaveFile("#C0A0TITLE", "01:16"))
            .addFile("valve/titles.txt", "// titles\n$effect 2\nC0A0TITLE\n{\nINBOUND\n}\n")
            .addFile("valve/SAVE/notes.txt")
            .addMod("gearbox",
                    "game \"Opposing Force\"\r\nstartmap \"of0a0\"\r\n"
                    "trainingmap \"ofboot0\"\r\ntrainmap \"unused\"\r\n")
            .addMod("trainer", "trainmap \"t0\"\r\n// startmap to come\r\n");
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
    }

    void select(const char* mod) {
        form->lst_mods_solo->setCurrentItem(
            form->lst_mods_solo->findItems(QLatin1String(mod), Qt::MatchExactly).value(0));
    }
};

TEST_F(SinglePlayerSelectionTest, ShowsValvesInformationMapsAndSavedGames) {
    select("valve");
    EXPECT_FALSE(form->coche_skip_intro->isHidden());
    EXPECT_FALSE(form->lbl_skip_intro->isHidden());
    EXPECT_EQ(form->lbl_solo_nom->text(), QStringLiteral("Half-Life"));
    EXPECT_EQ(form->lbl_solo_version->text(), QStringLiteral("1.1"));
    EXPECT_EQ(form->lbl_solo_url->text(), QStringLiteral("http://hl.example"));
    EXPECT_EQ(form->Label31->tag(), QStringLiteral("c0a0"));
    EXPECT_EQ(form->Label32->tag(), QStringLiteral("t0a0"));
    EXPECT_FALSE(form->Label31->isHidden() || form->Label32->isHidden());
    ASSERT_EQ(form->lst_solo_save->count(), 4);
    EXPECT_EQ(form->lst_solo_save->item(0)->text(), QStringLiteral("[Auto] valve ()"));
    EXPECT_EQ(form->lst_solo_save->item(1)->text(), QStringLiteral("broken"));
    EXPECT_EQ(form->lst_solo_save->item(2)->text(), QStringLiteral("INBOUND (01:16)"));
    EXPECT_EQ(form->lst_solo_save->item(3)->text(), QStringLiteral("[Quick] Chapter One (12:34)"));
    EXPECT_FALSE(form->lbl_load->isHidden());
    EXPECT_TRUE(form->Shape_game->isFilled());
}

TEST_F(SinglePlayerSelectionTest, OtherModsHideTheIntroBoxAndPreferTheTrainingMapKey) {
    select("valve");
    form->lbl_load_Click();
    select("gearbox");
    EXPECT_TRUE(form->coche_skip_intro->isHidden());
    EXPECT_EQ(form->Label31->tag(), QStringLiteral("of0a0"));
    EXPECT_EQ(form->Label32->tag(), QStringLiteral("ofboot0"));
    EXPECT_EQ(form->lst_solo_save->count(), 0);
    EXPECT_TRUE(form->lbl_load->isHidden());
    EXPECT_TRUE(form->Shape_game->isFilled());
    EXPECT_FALSE(form->Shape_load->isFilled() || form->Shape_training->isFilled());
}

TEST_F(SinglePlayerSelectionTest, AStartMapWithoutValueOffersANewGameOnNoMap) {
    select("trainer");
    EXPECT_EQ(form->Label31->tag(), QStringLiteral(""));
    EXPECT_FALSE(form->Label31->isHidden());
    EXPECT_EQ(form->Label32->tag(), QStringLiteral("t0"));
    EXPECT_FALSE(form->Label32->isHidden());
    EXPECT_TRUE(form->Shape_game->isFilled());
    EXPECT_EQ(form->lbl_solo_nom->text(), QString());
}

}  // namespace
}  // namespace quorvant
