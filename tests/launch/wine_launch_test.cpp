// GO! for real: the main window with the system's own starter launches a recorder program
// installed as the game's executables in a fresh Wine prefix, and the test reads what the
// program was started with.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/desktop.h"
#include "support/ui_fixture.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::ScopedEnvironment;

constexpr char kRecorder[] = QUORVANT_LAUNCH_RECORDER;

// The first lines the program wrote about its start: command line and current folder.
std::string AwaitRecord(const fs::path& record) {
    for (int tries = 0; tries < 3000 && !fs::exists(record); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!fs::exists(record)) return "(the program was not started)";
    const std::string text = ReadFile(record);
    fs::remove(record);
    return text.substr(0, text.find('\n', text.find('\n') + 1));
}

bool RunShell(const std::string& command) { return std::system(command.c_str()) == 0; }

class WineLaunchTest : public ::testing::Test {
  protected:
    ::quorvant::testing::TempFolder machine;
    fs::path prefix = machine.path() / "prefix";
    ::quorvant::testing::GameFolder game{prefix / "drive_c/Sierra/Half-Life"};
    ScopedEnvironment configHome{"XDG_CONFIG_HOME", machine / "config"};
    // The launcher's own prefix is another: the game's prefix comes from its folder.
    ScopedEnvironment ownPrefix{"WINEPREFIX", machine / "elsewhere"};
    ScopedEnvironment quiet{"WINEDEBUG", "-all"};
    ScopedEnvironment noInstallers{"WINEDLLOVERRIDES", "mscoree,mshtml="};
    ::quorvant::testing::FakeDialogs dialogs;
    SystemDesktop desktop;
    std::unique_ptr<Form1> form;

    ~WineLaunchTest() override { RunShell("WINEPREFIX='" + prefix.string() + "' wineserver -k"); }

    void loadMainWindow(const std::string& settings) {
        ::quorvant::testing::WriteFile(machine.path() / "config/Velmarsh Software/Quorvant.ini",
                                       "[General]\nhl_path=" + game.str() + "\n" + settings);
        form = std::make_unique<Form1>(dialogs, desktop);
        ASSERT_TRUE(form->Form_Load());
    }
    // GO! pressed with the mouse; what the started program recorded.
    std::string go(const char* program) {
        QTest::mouseClick(form->btn_go, Qt::LeftButton);
        EXPECT_EQ(dialogs.messages, QStringList());
        return AwaitRecord(fs::path(game / program).replace_extension(".record"));
    }
};

TEST_F(WineLaunchTest, GoStartsTheGameThroughWineForEveryWayOfPlaying) {
    ASSERT_NE(kRecorder[0], '\0') << "mingw-w64 is missing: the Wine launches did NOT run.";
    ASSERT_TRUE(RunShell("WINEPREFIX='" + prefix.string() + "' wine cmd /c exit 0 >/dev/null 2>&1"))
        << "Wine cannot start here: the Wine launches did NOT run.";
    for (const char* program : {"hl.exe", "hlds.exe"}) {
        fs::copy_file(kRecorder, game / program);
        fs::permissions(game / program, fs::perms(0755));  // as Wine's installers leave them
    }
    std::string save(4242, '\0');
    game.addMod("cstrike", "game \"Counter-Strike\"\r\ngamedll \"dlls\\mp.dll\"\r\n")
        .addFile("cstrike/dlls/mp.dll")
        .addFile("cstrike/maps/arena.bsp")
        .addMod("valve", "game \"Half-Life\"\r\nstartmap \"begin1\"\r\n")
        .addFile("valve/Save/quick.sav", save.append(65, 'L') + "01:00");
    loadMainWindow("");
    form->coche_console_Click();
    const std::string folder = "\nC:\\Sierra\\Half-Life";
    const std::string hl = "\"C:\\Sierra\\Half-Life\\hl.exe\" -console";

    form->Label23_Click();
    form->lst_mods->setCurrentItem(form->lst_mods->findItems("cstrike", Qt::MatchExactly)[0]);
    form->lst_maps->setCurrentIndex(form->lst_maps->findText("arena.bsp"));
    EXPECT_EQ(go("hl.exe"), hl + " -game cstrike -port 27015 +map arena +maxplayers 8" + folder);
    form->coche_dedicated_Click();
    EXPECT_EQ(go("hlds.exe"),
              "\"C:\\Sierra\\Half-Life\\hlds.exe\" -game cstrike -port 27015 "
              "+map arena +maxplayers 8" +
                  folder);
    form->coche_dedicated_Click();
    form->Label22_Click();
    form->txt_ip->setEditText("127.0.0.1");
    form->txt_port_join->setText("27016");
    form->txt_password->setText("secret");
    EXPECT_EQ(go("hl.exe"), hl + " +connect 127.0.0.1:27016 +password secret" + folder);
    form->Label17_Click();
    form->lst_mods_solo->setCurrentItem(
        form->lst_mods_solo->findItems("valve", Qt::MatchExactly)[0]);
    form->Label31_Click();
    EXPECT_EQ(go("hl.exe"), hl + " -game valve +map begin1 +skill 2" + folder);
    form->lbl_load_Click();
    form->lst_solo_save->setCurrentRow(0);
    EXPECT_EQ(go("hl.exe"), hl + " -game valve -toconsole +exec quorvant.cfg" + folder);
    EXPECT_EQ(ReadFile(game / "valve/quorvant.cfg"), "load quick.sav\r\n");
}

TEST_F(WineLaunchTest, AStartThatCannotHappenIsToldAndNothingStarts) {
    game.addExecutable().addMod("valve", "game \"Half-Life\"\r\n");
    loadMainWindow("hl_exe=missing.exe\n");
    QTest::mouseClick(form->btn_go, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages,
              QStringList("Can't start " + QString::fromStdString(game / "missing.exe") +
                          ": No such file or directory."));
    form->txt_hlexe->setText("hl.exe");
    const ScopedEnvironment noWine("PATH", machine.str());
    QTest::mouseClick(form->btn_go, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.value(1),
              "Can't start " + QString::fromStdString(game / "hl.exe") +
                  ": it is a Windows program, and wine is not installed.");
}

}  // namespace
}  // namespace quorvant
