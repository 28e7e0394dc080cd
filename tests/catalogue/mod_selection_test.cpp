// What the create and single-player panels show of the selected mod, and what the mod actions
// open for it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <tuple>

#include "launch/game_panels.h"
#include "support/map_files.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using namespace std::string_literals;

QStringList Entries(const QAbstractItemModel* list) {
    QStringList entries;
    for (int row = 0; row < list->rowCount(); ++row)
        entries << list->index(row, 0).data().toString();
    return entries;
}

class ModSelectionTest : public ::quorvant::testing::GamePanelsTest {
  protected:
    QStringList mapChoices() const {
        return {form->Label31->tag(), form->Label32->tag(),
                form->Label31->isHidden() ? "hidden" : "shown",
                form->Label32->isHidden() ? "hidden" : "shown"};
    }

    // Runs `open`; checks where the modal window it shows stands and how it looks, and gives
    // the text of its control `name` before closing it.
    QString opened(void (Form1::*open)(), const char* name) {
        QString text = "(nothing shown)";
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!window) return;
            EXPECT_EQ(window->windowHandle()->transientParent(), form->windowHandle());
            EXPECT_EQ(window->geometry().center(), form->geometry().center());
            // The main window's own look for its "Label4" must not reach the tool window's.
            auto* label = window->findChild<QLabel*>("Label4");
            ASSERT_NE(label, nullptr);
            label->ensurePolished();
            EXPECT_FALSE(label->font().bold());
            text = window->findChild<QWidget*>(name)->property("text").toString();
            window->reject();
        });
        (form->*open)();
        QApplication::processEvents();
        return text;
    }
};

// The single-player and create panels show the selected mod; its actions open its files, windows
// and links. (The bot list comes last: it rewrites the descriptors.)
TEST_F(ModSelectionTest, ThePanelsShowTheSelectedModAndItsActionsOpenItsFiles) {
    select(form->lst_mods_solo, "valve");
    EXPECT_FALSE(form->coche_skip_intro->isHidden() || form->lbl_skip_intro->isHidden());
    EXPECT_EQ(QStringList({form->lbl_solo_nom->text(), form->lbl_solo_version->text(),
                           form->lbl_solo_url->text()}),
              QStringList({"Half-Life", "1.1", "https://hl.example"}));
    EXPECT_EQ(mapChoices(), QStringList({"c0a0", "t0a0", "shown", "shown"}));
    EXPECT_EQ(Entries(form->lst_solo_save->model()),
              QStringList({"[Auto] valve ()", "broken", "INBOUND (01:16)", "[Quick] LAB (12:34)"}));
    EXPECT_FALSE(form->lbl_load->isHidden());
    form->lbl_load_Click();
    form->lbl_solo_url_Click();

    select(form->lst_mods_solo, "gearbox");
    EXPECT_TRUE(form->coche_skip_intro->isHidden() && form->lbl_skip_intro->isHidden());
    EXPECT_EQ(mapChoices(), QStringList({"of0a0", "ofboot0", "shown", "shown"}));
    EXPECT_EQ(form->lst_solo_save->count(), 0);
    EXPECT_TRUE(form->lbl_load->isHidden());
    EXPECT_TRUE(form->Shape_game->isFilled());
    EXPECT_FALSE(form->Shape_load->isFilled() || form->Shape_training->isFilled());

    select(form->lst_mods_solo, "nomaps");  // a new game on no map, and no training map
    EXPECT_EQ(mapChoices(), QStringList({"", "", "shown", "hidden"}));
    EXPECT_EQ(form->lbl_solo_nom->text(), QString());
    EXPECT_TRUE(form->Shape_game->isFilled());

    select(form->lst_mods, "cstrike");
    EXPECT_EQ(QStringList({form->lbl_info_nom->text(), form->lbl_info_version->text(),
                           form->lbl_info_URL->text()}),
              QStringList({"Counter-Strike", "1.6", "cs.example"}));
    EXPECT_EQ(Entries(form->lst_maps->model()),
              QStringList({"(None)", "arena.bsp", "as_oilrig.bsp", "Cs_office.bsp", "cs_unix.bsp",
                           "de_dust.bsp", "de_mac.bsp"}));
    EXPECT_EQ(form->lst_maps->currentIndex(), 0);
    // A title is the first line of the map's text file, ended by CR or LF.
    const std::pair<const char*, const char*> titles[] = {
        {"de_dust.bsp", "Dust"}, {"as_oilrig.bsp", ""},  {"cs_unix.bsp", "Unix"},
        {"Cs_office.bsp", ""},   {"de_mac.bsp", "Mac"},  {"de_dust.bsp", "Dust"},
        {"(None)", ""},          {"de_dust.bsp", "Dust"}};
    for (const auto& [map, title] : titles) {
        form->lst_maps->setCurrentIndex(form->lst_maps->findText(map));
        EXPECT_EQ(form->lbl_titre->text(), title) << map;
    }
    form->Label29_Click();
    EXPECT_EQ(desktop.editedFiles,
              std::vector<std::string>{form->WindowsFolder + " | " + (game / "cstrike/motd.txt")});
    EXPECT_FALSE(form->WindowsFolder.empty() || form->Shape15->isFilled());
    EXPECT_EQ(opened(&Form1::Label28_Click, "txt_timelimit"), "35");
    EXPECT_EQ(opened(&Form1::Label19_Click, "lbl_nbr_maps"), "3 maps");
    form->Label19_MouseDown();
    form->Label28_MouseDown();
    EXPECT_TRUE(form->Shape9->isFilled() && form->Shape14->isFilled());
    form->Label19_MouseUp();
    form->Label28_MouseUp();
    EXPECT_FALSE(form->Shape9->isFilled() || form->Shape14->isFilled());

    select(form->lst_mods, "tfc");
    EXPECT_EQ(Entries(form->lst_maps->model()), QStringList({"(None)"}));
    EXPECT_EQ(form->lbl_titre->text(), QString());
    EXPECT_EQ(form->lbl_info_version->text(), QString());

    // Each link opens its own caption, as an address (the keyboard test adds "http://").
    for (const char* caption : {"http://x.example", "HTTP://X.EXAMPLE", ""}) {
        form->lbl_info_URL->setText(caption);
        form->lbl_info_URL_Click();
    }
    EXPECT_EQ(desktop.openedAddresses,
              (std::vector<std::string>{"https://hl.example", "http://x.example",
                                        "http://HTTP://X.EXAMPLE"}));
    // What the desktop cannot open is said.
    desktop.openFailure = "Can't open it: no program is set to open it.";
    form->lbl_info_URL->setText("x.example");
    form->lbl_info_URL_Click();
    form->Label29_Click();
    EXPECT_EQ(dialogs.messages, QStringList(2, QString::fromStdString(*desktop.openFailure)));
    desktop.openFailure.reset();
    dialogs.messages.clear();

    // The bot list in name order, the descriptor's library selected (core tests: which entry).
    game.addMod("cstrike", "gamedll \"dlls\\mp2.dll\"\r\n");
    select(form->lst_mods, "cstrike");
    EXPECT_EQ(Entries(form->lst_bots->model()),
              QStringList({"(None)", "HPB Bot", "podbot.dll", "Rambot"}));
    EXPECT_EQ(form->lst_bots->currentRow(), 3);

    // Without a mod there is no folder to act on.
    form->lst_mods->clear();
    EXPECT_EQ(opened(&Form1::Label28_Click, "txt_timelimit"), "(nothing shown)");
    EXPECT_EQ(opened(&Form1::Label19_Click, "lbl_nbr_maps"), "(nothing shown)");
    form->Label29_Click();
    EXPECT_EQ(desktop.editedFiles.size(), 2u);
}

#ifndef _WIN32
// The desktop's own programs open files and addresses through xdg-open: one that ends at once with
// a failure means the desktop has no program for them, which is said; one that runs, or ends well,
// opened them. Here fakes of xdg-open in $PATH.
TEST_F(ModSelectionTest, WhatTheDesktopCannotOpenIsSaid) {
    const std::string file = game / "cstrike/motd.txt", address = "https://cs.example";
    const struct {
        const char* opener;
        StartFailure edited, opened;
    } rows[] = {
        {"exit 4", NoProgramFor(file, "text files"), NoProgramFor(address, "web addresses")},
        {"exit 0", std::nullopt, std::nullopt},
        {"exec /bin/sleep 5", std::nullopt, std::nullopt},
    };
    SystemDesktop system;
    for (const auto& row : rows) {
        ::quorvant::testing::WriteFile(temp / "bin/xdg-open",
                                       "#!/bin/sh\n" + std::string(row.opener) + "\n");
        std::filesystem::permissions(temp / "bin/xdg-open", std::filesystem::perms(0755));
        const ::quorvant::testing::ScopedEnvironment path("PATH", temp / "bin");
        EXPECT_EQ(system.editTextFile("", file), row.edited) << row.opener;
        EXPECT_EQ(system.openAddress(address), row.opened) << row.opener;
    }
    const ::quorvant::testing::ScopedEnvironment path("PATH", temp / "none");
    EXPECT_EQ(system.openAddress(address), NoProgramFor(address, "web addresses"));
}
#endif

// The selected map's line says what of its content the game would not find, in the window's
// language; a map with all of it says nothing.
TEST_F(ModSelectionTest, TheSelectedMapSaysWhatOfItsContentIsMissing) {
    const std::string entities =
        "{\n\"classname\" \"worldspawn\"\n\"wad\" \"\\\\valve\\\\halflife.wad;de_x.wad\"\n}\n"
        "{\n\"classname\" \"env_sprite\"\n\"model\" \"sprites/fire.spr\"\n}\n";
    using testing::BspFile;
    game.addFile("cstrike/maps/de_x.bsp", BspFile{entities, {{"CRATE1"}}, {}, {}}.bytes())
        .addFile("valve/halflife.wad", testing::WadFile({"CRATE1"}))
        .addFile("cstrike/maps/de_whole.bsp",
                 BspFile{"{\n\"classname\" \"worldspawn\"\n}\n", {}, {}, {}}.bytes());
    create("cstrike");
    form->lst_mods_Click();
    // The list marks each map with missing content, its note saying what, checked meanwhile.
    const auto note = [this](const char* map) {
        return form->lst_maps->itemData(form->lst_maps->findText(map), Qt::ToolTipRole).toString();
    };
    const auto marked = [this](const char* map) {
        const QIcon mark = form->lst_maps->itemIcon(form->lst_maps->findText(map));
        return mark.pixmap(16, 16).toImage().pixelColor(8, 8).alpha() > 0;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !note("arena.bsp").isEmpty(); }));
    EXPECT_EQ(note("de_x.bsp"),
              QString::fromUtf8("de_x: 2 files missing — de_x.wad, sprites/fire.spr"));
    EXPECT_EQ(note("arena.bsp"), "arena: the map file does not read");
    EXPECT_EQ(std::tuple(marked("de_x.bsp"), marked("de_whole.bsp"), marked("(None)")),
              std::tuple(true, false, false));
    EXPECT_EQ(note("de_whole.bsp"), "");
    const auto shown = [this](const char* map) {
        form->lst_maps->setCurrentIndex(form->lst_maps->findText(map));
        return form->lbl_map_check->toolTip().section(QLatin1Char('\n'), 0, 0);
    };
    EXPECT_EQ(shown("de_x.bsp"),
              QString::fromUtf8("de_x: 2 files missing — de_x.wad, sprites/fire.spr"));
    form->Image2_Click();
    EXPECT_EQ(form->lbl_map_check->toolTip(),
              QString::fromUtf8("de_x : 2 fichiers manquants — de_x.wad, sprites/fire.spr\n"
                                "Un clic écrit maps/de_x.res : ce que les clients téléchargent "
                                "de la carte."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return note("arena.bsp").startsWith("arena :"); }));
    form->Image1_Click();
    EXPECT_EQ(shown("arena.bsp"), "arena: the map file does not read");
    EXPECT_EQ(form->lbl_map_check->focusPolicy(), Qt::NoFocus);  // no list to write
    EXPECT_EQ(shown("de_whole.bsp"), "de_whole: all content found");
    game.addFile("cstrike_downloads/de_x.wad", testing::WadFile({"OTHER"}))
        .addFile("cstrike/sprites/FIRE.spr");
    EXPECT_EQ(shown("de_x.bsp"), "de_x: all content found");
    form->lst_mods_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !note("arena.bsp").isEmpty(); }));
    EXPECT_FALSE(marked("de_x.bsp"));
    shown("de_x.bsp");

    // A click writes what clients download, beside the map; an existing list is replaced only
    // when the host says so.
    form->show();
    const auto click = [this] { QTest::mouseClick(form->lbl_map_check, Qt::LeftButton); };
    click();
    const std::string list = game.str() + "/cstrike/maps/de_x.res";
    EXPECT_EQ(testing::ReadFile(list),
              "// de_x: the files clients download with this map\r\nde_x.wad\r\nsprites/" +
                  std::string(testing::kNamesAsOnDisk ? "FIRE" : "fire") + ".spr\r\n");
    EXPECT_EQ(dialogs.messages.takeLast(),
              "maps/de_x.res written: 2 files for clients to download.");
    game.addFile("cstrike/maps/de_x.res", "// the host's own\r\n");
    dialogs.confirmAnswers = {false};
    click();
    EXPECT_EQ(dialogs.confirmations.takeLast(), "maps/de_x.res exists. Replace it?");
    EXPECT_EQ(testing::ReadFile(list), "// the host's own\r\n");
    click();  // Yes
    EXPECT_EQ(testing::ReadFile(list).substr(0, 7), "// de_x");
    shown("de_whole.bsp");
    click();
    EXPECT_TRUE(dialogs.messages.takeLast().startsWith("The base game has all the map needs"));
    EXPECT_FALSE(std::filesystem::exists(game.str() + "/cstrike/maps/de_whole.res"));
    form->lst_maps->setCurrentIndex(0);
    EXPECT_EQ(form->lbl_map_check->text(), "");
    EXPECT_TRUE(form->img_map->pixmap().isNull());

    // The picture: the map's edges seen from above, or its overview image when the mod has one.
    const auto picture = [this](const char* map) {
        form->lst_maps->setCurrentIndex(form->lst_maps->findText(map));
        return form->img_map->pixmap().toImage();
    };
    game.addFile(
        "cstrike/maps/de_lines.bsp",
        BspFile{"", {}, {{0, 0, 0}, {100, 0, 0}, {100, 100, 0}}, {{0, 1}, {1, 2}}}.bytes());
    form->lst_mods_Click();
    const QImage drawn = picture("de_lines.bsp");
    ASSERT_FALSE(drawn.isNull());
    int accent = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) accent += qAlpha(drawn.pixel(x, y)) > 0 ? 1 : 0;
    EXPECT_GT(accent, drawn.width());  // two edges drawn across it
    QImage overview(8, 8, QImage::Format_RGB32);
    overview.fill(Qt::blue);
    std::filesystem::create_directories(game.str() + "/cstrike/Overviews");
    ASSERT_TRUE(
        overview.save(QString::fromStdString(game.str() + "/cstrike/Overviews/de_lines.bmp")));
    form->lst_maps->setCurrentIndex(0);
    EXPECT_EQ(picture("de_lines.bsp").pixelColor(20, 20), QColor(Qt::blue));
}

}  // namespace
}  // namespace quorvant
