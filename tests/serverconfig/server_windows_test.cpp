// The server options and map cycle windows, as the main window opens them for the selected mod.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <map>
#include <span>
#include <string_view>

#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_serveur.h"
#include "support/map_files.h"
#include "support/ui_fixture.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::ReadFile;
using ::quorvant::testing::WindowTest;
using namespace std::string_literals;

// Each switch with its caption and the setting it stands for in the files.
struct Switch {
    PictureBox* frm_serveur::*box;
    ClickLabel* frm_serveur::*caption;
    std::string_view setting;
};

const Switch kSwitches[] = {
    {&frm_serveur::coche_friendly_fire, &frm_serveur::lbl_friendly_fire, "mp_friendlyfire"},
    {&frm_serveur::coche_footsteps, &frm_serveur::lbl_footsteps, "mp_footsteps"},
    {&frm_serveur::coche_weapons_stay, &frm_serveur::lbl_weapons_stay, "mp_weaponstay"},
    {&frm_serveur::coche_force_respawn, &frm_serveur::lbl_force_respawn, "mp_forcerespawn"},
    {&frm_serveur::coche_flashlight, &frm_serveur::Label7, "mp_flashlight"},
    {&frm_serveur::coche_log, &frm_serveur::lbl_log, "log on"},
    {&frm_serveur::coche_upload, &frm_serveur::lbl_upload, "cl_allowupload"},
    {&frm_serveur::coche_download, &frm_serveur::Label34, "cl_allowdownload"},
    {&frm_serveur::coche_lan, &frm_serveur::lbl_lan, "sv_lan"},
};

std::string Bytes(int from, int to) {
    std::string bytes;
    for (int byte = from; byte <= to; ++byte) bytes += char(byte);
    return bytes;
}

// The five files in the single-byte code page, with bytes 0x80 to 0xFF in and around every
// value, as a save of what they show writes them: `on` is the only switch that is on.
std::map<std::string, std::string> CodePageFiles(std::string_view on, const std::string& host) {
    const std::string timeLimit = "2" + Bytes(0x80, 0x9f), fragLimit = Bytes(0xa0, 0xbf);
    auto state = [on](std::string_view setting) { return setting == on ? "1" : "0"; };
    std::string rules = "// r\xe8gles \x80\xff\r\n\"mp_timelimit\"\t\t\"" + timeLimit +
                        "\" // \xb5\xe0\r\n\"mp_fraglimit\"\t\t\"" + fragLimit + "\"\xa0\r\n";
    std::string commands = "hostname \"" + host + "\"\r\nmp_timelimit " + timeLimit +
                           "\r\nmp_fraglimit " + fragLimit + "\r\n";
    for (const Switch& item : std::span(kSwitches).first(5)) {  // the game rules
        const std::string name(item.setting);
        rules += "\"" + name + "\"\t\t\"" + state(name) + "\"\r\n";
        commands += name + " " + state(name) + "\r\n";
    }
    return {
        {"game.cfg", rules + "\"sv_contact\"\t\t\"\xa9 Caf\xe9\"\r\n"},
        {"listenserver.cfg", "// \xab serveur \xbb\r\n" + commands + "// \xff\r\n"},
        {"server.cfg", "exec \xe9t\xe9.cfg\r\n" + commands},
        {"autoexec.cfg",
         "bind \xe9 +attack\r\n" + std::string(on == "log on" ? "log on\r\n" : "") + "// \xf8\r\n"},
        {"config.cfg", "name \"Jos\xe9\"\r\ncl_allowupload \"" +
                           std::string(state("cl_allowupload")) + "\"\xe9\r\ncl_allowdownload \"" +
                           state("cl_allowdownload") + "\" \x80\r\nsv_lan \"" + state("sv_lan") +
                           "\"\r\n"},
    };
}

// A map cycle in the single-byte code page. A line of one NUL byte, as a popular mod's stock
// cycle ends, is no map.
const std::string kCycle = "// \xe9t\xe9\r\ncaf\xe9\r\n\r\n// night\r\nlast\r\n\0"s;

class ServerWindowsTest : public WindowTest {
  protected:
    Form1* form = nullptr;
    std::unique_ptr<frm_serveur> options;
    std::unique_ptr<frm_mapcycle> cycle;

    ServerWindowsTest() {
        game.addExecutable()
            .addMod("cstrike", "game \"Counter-Strike\"\r\n")
            .addMod("valve", "game \"Half-Life\"\r\n")
            .addMod("tfc", "game \"TFC\"\r\n")
            .addFile("cstrike/game.cfg", "\"mp_timelimit\"\t\t\"25\"\r\n")
            .addFile("cstrike/listenserver.cfg",
                     "exec listenip.cfg\r\nhostname \"Dust only\"\r\nmp_fraglimit 10\r\n")
            .addFile("cstrike/config.cfg", "cl_allowdownload \"0\"\r\n")
            .addFile("valve/game.cfg", "\"mp_timelimit\"\t\t\"99\"\r\n")
            .addFile("tfc/mapcycle.txt", kCycle);
        storeSetting("hl_path", game.str());
    }

    // The main window with `mod` selected for multiplayer.
    void load(std::string_view mod) {
        storeSetting("Last_Mod_Mplayer", mod);
        form = &loadMainWindow();
    }

    // A new window of its kind, opened as the main window opens it.
    template <class Window>
    Window& open(std::unique_ptr<Window>& window) {
        window = std::make_unique<Window>(*form, dialogs);
        window->show();
        window->Form_Load();
        return *window;
    }

    std::string modFile(const std::string& name) { return ReadFile(game / ("cstrike/" + name)); }

    void writeModFiles(const std::map<std::string, std::string>& files) {
        for (const auto& [name, bytes] : files) game.addFile("cstrike/" + name, bytes);
    }
    void expectModFiles(const std::map<std::string, std::string>& files) {
        for (const auto& [name, bytes] : files) EXPECT_EQ(modFile(name), bytes) << name;
    }
    // The settings of the checked switches; each box shows the picture of its state.
    std::string checkedSwitches() const {
        std::string settings;
        for (const Switch& item : kSwitches) {
            const PictureBox* box = options.get()->*item.box;
            const bool checked = box->tag() == QLatin1String("1");
            EXPECT_TRUE(box->showsPictureOf(checked ? *form->HLCoche1 : *form->HLCoche0));
            if (checked) settings += std::string(item.setting) + ";";
        }
        return settings;
    }

    QStringList maps() const {
        QStringList entries;
        for (int row = 0; row < cycle->lst_maps->count(); ++row)
            entries << cycle->lst_maps->item(row)->text();
        return entries;
    }

    int selectedRow() const {
        const auto selected = cycle->lst_maps->selectedItems();
        return selected.isEmpty() ? -1 : cycle->lst_maps->row(selected.first());
    }

    void add(const char* map) {
        cycle->txt_ajout->setText(QString::fromUtf8(map));
        cycle->Label1_Click();
    }
};

// A double click as the system delivers it: its first click toggles, then the double click does.
void DoubleClick(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
    QTest::mouseDClick(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::LeftButton);
}

// Esc and Close close without saving, Enter does nothing, Space on SAVE saves; SAVE at once
// changes no byte and makes no file. A file that cannot be written stops the save before anything
// is written, keeps the window with its values, and says which; a file another program changed
// since the window opened is replaced only when the user says so. Then the files of the mod
// selected in the main window, shown in their code page: a changed host name changes only its
// bytes, in both server files, what the code page lacks is "?", and a password goes in beside it,
// masked on the screen. And each switch in turn: loaded on from its own setting, turned off by its
// box while the next one is turned on by its caption, saved to exactly those two settings and read
// back. Double clicks leave a switch as it was.
TEST_F(ServerWindowsTest, OptionsCloseOrSaveAndKeepTheFilesBytesAndEachSwitchItsOwnSetting) {
    load("cstrike");
    open(options);
    options->txt_hostname->setFocus();
    QTest::keyClicks(options->txt_hostname, QStringLiteral(" 2"));
    QTest::keyClick(options->txt_hostname, Qt::Key_Return);
    EXPECT_TRUE(options->isVisible());
    QTest::keyClick(options->txt_hostname, Qt::Key_Escape);
    EXPECT_FALSE(options->isVisible());

    // Esc saved nothing: the next opening shows the files again, not what was typed.
    EXPECT_EQ(open(options).txt_hostname->text(), QStringLiteral("Dust only"));
    QTest::mousePress(options->Label5, Qt::LeftButton);
    EXPECT_TRUE(options->Shape7->isFilled());
    QTest::mouseRelease(options->Label5, Qt::LeftButton);
    EXPECT_FALSE(options->Shape7->isFilled() || options->isVisible());
    EXPECT_FALSE(std::filesystem::exists(game / "cstrike/server.cfg"));

    // SAVE reached with Tab: Enter leaves it, Space presses it.
    open(options).Label4->setFocus(Qt::TabFocusReason);
    QTest::keyClick(options->Label4, Qt::Key_Return);
    EXPECT_TRUE(options->isVisible());
    QTest::keyClick(options->Label4, Qt::Key_Space);
    EXPECT_FALSE(options->isVisible());
    const std::string listen = "exec listenip.cfg\r\nhostname \"Dust only\"\r\nmp_fraglimit 10\r\n";
    EXPECT_EQ(modFile("game.cfg") + modFile("config.cfg") + modFile("listenserver.cfg"),
              "\"mp_timelimit\"\t\t\"25\"\r\ncl_allowdownload \"0\"\r\n" + listen);
    EXPECT_FALSE(std::filesystem::exists(game / "cstrike/autoexec.cfg"));

    game.addFolder("cstrike/server.cfg");
    open(options).txt_timelimit->setText(QStringLiteral("40"));
    options->Label4_Click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Can't write server.cfg!")});
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(options->txt_timelimit->text(), QStringLiteral("40"));
    EXPECT_EQ(modFile("game.cfg"), "\"mp_timelimit\"\t\t\"25\"\r\n");
    std::filesystem::remove(game / "cstrike/server.cfg");
    dialogs.messages.clear();

    // Another program's change since the window opened: No keeps the window and the file.
    open(options).txt_timelimit->setText(QStringLiteral("40"));
    game.addFile("cstrike/listenserver.cfg", listen + "sv_cheats 0\r\n");
    dialogs.confirmAnswers = {false};
    options->Label4_Click();
    EXPECT_EQ(dialogs.confirmations,
              QStringList{QStringLiteral("listenserver.cfg changed since this window opened. "
                                         "Replace it?")});
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(modFile("listenserver.cfg"), listen + "sv_cheats 0\r\n");
    EXPECT_EQ(modFile("game.cfg"), "\"mp_timelimit\"\t\t\"25\"\r\n");
    options->Label4_Click();  // Yes: the change goes into the file as it is now
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(modFile("listenserver.cfg"), listen + "sv_cheats 0\r\n\r\nmp_timelimit 40\r\n");
    EXPECT_EQ(modFile("game.cfg"), "\"mp_timelimit\"\t\t\"40\"\r\n");
    EXPECT_EQ(modFile("server.cfg"), "\r\nmp_timelimit 40\r\n");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    const std::string host = "Caf\xe9 " + Bytes(0xc0, 0xff);
    writeModFiles(CodePageFiles("", host));
    frm_serveur& shown = open(options);
    EXPECT_EQ(shown.windowTitle(), QStringLiteral("Advanced Options \u2014 cstrike"));
    EXPECT_EQ(shown.txt_hostname->text(), QString::fromLatin1(host));
    EXPECT_TRUE(shown.txt_timelimit->text().startsWith(QStringLiteral("2€")));
    EXPECT_TRUE(shown.txt_timelimit->text().endsWith(QStringLiteral("žŸ")));
    EXPECT_EQ(shown.Text1->text(), QString());
    shown.Text1->setText(QStringLiteral("pw"));
    EXPECT_EQ(shown.Text1->displayText(), QStringLiteral("**"));
    shown.txt_hostname->setText(QStringLiteral("Bistro ÿ™ 😀"));
    shown.Label4_Click();
    auto saved = CodePageFiles("", "Bistro \xff\x99 ?");
    for (const char* file : {"server.cfg", "listenserver.cfg"})
        saved[file] += "\r\nsv_password \"pw\"\r\n";
    expectModFiles(saved);
    EXPECT_EQ(ReadFile(game / "valve/game.cfg"), "\"mp_timelimit\"\t\t\"99\"\r\n");
    EXPECT_EQ(open(options).Text1->displayText(), QStringLiteral("**"));
    EXPECT_EQ(options->Text1->text(), QStringLiteral("pw"));

    for (std::size_t at = 0; at < std::size(kSwitches); ++at) {
        const Switch& item = kSwitches[at];
        const Switch& next = kSwitches[(at + 1) % std::size(kSwitches)];
        SCOPED_TRACE(std::string(item.setting));
        writeModFiles(CodePageFiles(item.setting, host));
        frm_serveur& window = open(options);
        EXPECT_EQ(checkedSwitches(), std::string(item.setting) + ";");
        DoubleClick(window.*item.box);
        DoubleClick(window.*item.caption);
        QTest::mouseClick(window.*item.box, Qt::LeftButton);
        QTest::mouseClick(window.*next.caption, Qt::LeftButton);
        EXPECT_EQ(checkedSwitches(), std::string(next.setting) + ";");
        QTest::mouseClick(window.Label4, Qt::RightButton);
        EXPECT_TRUE(window.isVisible());
        QTest::mouseClick(window.Label4, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        auto files = CodePageFiles(next.setting, host);
        if (next.setting == "log on")
            files["autoexec.cfg"] = CodePageFiles("", host)["autoexec.cfg"] + "\r\nlog on\r\n";
        expectModFiles(files);
        open(options);
        EXPECT_EQ(checkedSwitches(), std::string(next.setting) + ";");
        options->Label5_Click();
    }
}

// The mod's maps in the game's code page, each name's bytes as they were. With the mouse, then with
// keys: Enter adds (also on a button reached with Tab), Space presses a button, Delete removes, Esc
// closes without saving. SAVE puts the maps into the file in place: comments, blank lines and line
// ends stay, and a cycle saved as it was changes no byte. A file another program changed since the
// window opened is replaced only when the user says so. A missing file is an empty cycle that a
// save with maps creates; a save that fails says so and keeps the window with its maps.
TEST_F(ServerWindowsTest, MapCycleShowsAddsRemovesMovesSavesAndCreatesTheCycle) {
    load("tfc");
    frm_mapcycle& window = open(cycle);
    const QString cafe = QStringLiteral("café");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Mapcycle \u2014 tfc"));
    EXPECT_EQ(maps(), (QStringList{cafe, "last"}));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(window.lbl_nbr_maps->text(), QStringLiteral("2 maps"));
    add("2fort");
    add("2fort");
    add("");  // no map
    EXPECT_EQ(maps(), (QStringList{cafe, "last", "2fort", "2fort"}));
    EXPECT_EQ(window.lbl_nbr_maps->text(), QStringLiteral("4 maps"));
    EXPECT_EQ(selectedRow(), 0);

    window.Image2_Click();
    EXPECT_EQ(maps(), (QStringList{"last", cafe, "2fort", "2fort"}));
    EXPECT_EQ(selectedRow(), 1);
    // A double click moves twice: its click, then the double click itself.
    window.lst_maps->setCurrentRow(3);
    DoubleClick(window.Image1);
    EXPECT_EQ(maps(), (QStringList{"last", "2fort", cafe, "2fort"}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_FALSE(window.Shape3->isFilled());

    window.lst_maps->setCurrentRow(3);
    window.Label2_Click();
    EXPECT_EQ(selectedRow(), -1);  // the last map went: then nothing moves or goes
    window.Image1_Click();
    window.Image2_Click();
    window.Label2_Click();
    EXPECT_EQ(maps(), (QStringList{"last", "2fort", cafe}));

    window.lst_maps->setCurrentRow(0);
    window.Label2_Click();
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(maps(), (QStringList{"2fort", cafe}));
    EXPECT_EQ(window.lbl_nbr_maps->text(), QStringLiteral("2 maps"));

    window.txt_ajout->setFocus();
    QTest::keyClicks(window.txt_ajout, QStringLiteral("well"));
    QTest::keyClick(window.txt_ajout, Qt::Key_Return);
    QTest::keyClick(window.txt_ajout, Qt::Key_Return);
    EXPECT_EQ(maps(), (QStringList{"2fort", cafe, "well"}));
    window.lst_maps->setFocus();
    window.lst_maps->setCurrentRow(1);
    QTest::keyClick(window.lst_maps, Qt::Key_Delete);
    EXPECT_EQ(maps(), (QStringList{"2fort", "well"}));
    EXPECT_EQ(window.txt_ajout->text(), QString());  // no stray blank typed after a removal
    QTest::keyClick(window.lst_maps, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"), kCycle);

    // A map added and removed again: the file stays as it was.
    add("2fort");
    QTest::keyClick(open(cycle).lst_maps, Qt::Key_Up);
    add("2fort");
    cycle->lst_maps->setCurrentRow(2);
    cycle->Label2_Click();
    cycle->Label3->setFocus(Qt::TabFocusReason);
    cycle->txt_ajout->setText(QStringLiteral("dustbowl"));
    QTest::keyClick(cycle->Label3, Qt::Key_Return);  // adds the typed map, does not save
    EXPECT_TRUE(cycle->isVisible());
    cycle->lst_maps->setCurrentRow(2);
    cycle->Label2_Click();
    QTest::keyClick(cycle->Label3, Qt::Key_Space);
    EXPECT_FALSE(cycle->isVisible());
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"), kCycle);

    // Moved: the maps change places, every other line stays where it was.
    open(cycle).lst_maps->setCurrentRow(1);
    cycle->Image1_Click();
    add("de_gr\xc3\xa8ve");
    game.addFile("tfc/mapcycle.txt", kCycle + "another\r\n");
    dialogs.confirmAnswers = {false};
    cycle->Label3_Click();
    EXPECT_EQ(dialogs.confirmations,
              QStringList{QStringLiteral("mapcycle.txt changed since this window opened. Replace "
                                         "it?")});
    EXPECT_TRUE(cycle->isVisible());
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"), kCycle + "another\r\n");
    cycle->Label3_Click();
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"),
              "// \xe9t\xe9\r\nlast\r\n\r\n// night\r\ncaf\xe9\r\nde_gr\xe8ve\r\n\0"s);

    std::filesystem::remove(game / "tfc/mapcycle.txt");
    form->Image2_Click();
    open(cycle).Label3_Click();
    EXPECT_FALSE(std::filesystem::exists(game / "tfc/mapcycle.txt"));
    open(cycle);
    add("caf\xc3\xa9");
    EXPECT_EQ(cycle->lbl_nbr_maps->text(), QStringLiteral("1 cartes"));
    cycle->Label3_Click();
    EXPECT_EQ(ReadFile(game / "tfc/mapcycle.txt"), "caf\xe9\r\n");

    std::filesystem::remove(game / "tfc/mapcycle.txt");
    game.addFolder("tfc/mapcycle.txt");
    open(cycle);
    add("dustbowl");
    QTest::mousePress(cycle->Label3, Qt::LeftButton);
    EXPECT_TRUE(cycle->Shape6->isFilled());
    QTest::mouseRelease(cycle->Label3, Qt::LeftButton);
    EXPECT_FALSE(cycle->Shape6->isFilled());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Can't write mapcycle!")});
    EXPECT_TRUE(cycle->isVisible());
    EXPECT_EQ(maps(), QStringList{"dustbowl"});
}

// CHECK tells, for each map of the cycle in its order, what of its content the game would not
// find; the selected map shows from above.
TEST_F(ServerWindowsTest, MapCycleChecksEachMapAndShowsTheSelectedOne) {
    using testing::BspFile;
    game.addFile("tfc/maps/last.bsp",
                 BspFile{"{\n\"classname\" \"env_sprite\"\n\"model\" \"sprites/fire.spr\"\n}\n",
                         {},
                         {{0, 0, 0}, {100, 0, 0}, {100, 100, 0}},
                         {{0, 1}, {1, 2}}}
                     .bytes());
    load("tfc");
    open(cycle);
    EXPECT_TRUE(cycle->img_map->pixmap().isNull());  // café has no map file
    cycle->lst_maps->setCurrentRow(1);
    EXPECT_FALSE(cycle->img_map->pixmap().isNull());
    QTest::mouseClick(cycle->Label5, Qt::LeftButton);
    const auto lines = [this] {
        QStringList texts;
        for (int row = 0; row < cycle->lst_check->count(); ++row)
            texts << cycle->lst_check->item(row)->text();
        return texts;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lines().join("").contains(u'…'); }));
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("café: the map file is missing"),
                                    QStringLiteral("last: 1 file missing — sprites/fire.spr")}));
    game.addFile("tfc/sprites/fire.spr");
    form->Image2_Click();
    open(cycle);
    EXPECT_EQ(cycle->Label5->text(), QStringLiteral("VÉRIFIER"));
    cycle->Label5_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lines().join("").contains(u'…'); }));
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("café : le fichier de la carte est absent"),
                                    QStringLiteral("last : tout son contenu est là")}));
}

}  // namespace
}  // namespace quorvant
