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

#include "support/ui_fixture.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::ScopedEnvironment;

constexpr char kRecorder[] = QUORVANT_LAUNCH_RECORDER;

bool RunShell(const std::string& command) { return std::system(command.c_str()) == 0; }

// The launcher's own prefix is the test machine's; the game's comes from the game's folder.
class WineLaunchTest : public ::quorvant::testing::WindowTest {
  protected:
    fs::path prefix = temp.path() / "prefix";
    ::quorvant::testing::GameFolder wineGame{prefix / "drive_c/Sierra/Half-Life"};
    ScopedEnvironment quiet{"WINEDEBUG", "-all"};
    ScopedEnvironment noInstallers{"WINEDLLOVERRIDES", "mscoree,mshtml="};
    SystemDesktop system;
    std::unique_ptr<Form1> form;

    ~WineLaunchTest() override { RunShell("WINEPREFIX='" + prefix.string() + "' wineserver -k"); }

    void load() {
        storeSetting("hl_path", wineGame.str());
        form = std::make_unique<Form1>(dialogs, system, ::quorvant::testing::kTestStatusOptions);
        ASSERT_TRUE(form->Form_Load());
    }
    // GO! pressed with the mouse; the command line, current folder and window flag the program
    // recorded.
    std::string go(const char* program) {
        QTest::mouseClick(form->btn_go, Qt::LeftButton);
        EXPECT_EQ(dialogs.messages, QStringList());
        const fs::path record = fs::path(wineGame / program).replace_extension(".record");
        for (int tries = 0; tries < 3000 && !fs::exists(record); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::string text = fs::exists(record) ? ReadFile(record) : "(not started)\n\n\n";
        fs::remove(record);
        return text.substr(0, text.size() - 1);
    }
};

// Both of the game's programs, and a launch whose script is written into the Wine game's folder.
TEST_F(WineLaunchTest, GoStartsTheGamesProgramsThroughWine) {
    ASSERT_NE(kRecorder[0], '\0') << "mingw-w64 is missing: the Wine launches did NOT run.";
    ASSERT_TRUE(RunShell("WINEPREFIX='" + prefix.string() + "' wine cmd /c exit 0 >/dev/null 2>&1"))
        << "Wine cannot start here: the Wine launches did NOT run.";
    for (const char* program : {"hl.exe", "hlds.exe"}) {
        fs::copy_file(kRecorder, wineGame / program);
        fs::permissions(wineGame / program, fs::perms(0755));  // as Wine's installers leave them
    }
    wineGame.addMod("cstrike", "gamedll \"dlls\\mp.dll\"\r\n")
        .addFile("cstrike/maps/arena.bsp")
        .addMod("valve", "startmap \"begin1\"\r\n")
        .addFile("valve/Save/quick.sav", std::string(4242, '\0') + std::string(65, 'L') + "1:00");
    load();
    form->coche_console_Click();
    const std::string hl = "\"C:\\Sierra\\Half-Life\\hl.exe\" -console";
    const std::string folder = "\nC:\\Sierra\\Half-Life\n2";  // in the game's folder, minimised

    form->lst_mods->setCurrentItem(form->lst_mods->findItems("cstrike", Qt::MatchExactly)[0]);
    form->lst_maps->setCurrentIndex(1);
    EXPECT_EQ(go("hl.exe"), hl + " -game cstrike -port 27015 +map arena +maxplayers 8" + folder);
    form->coche_dedicated_Click();
    EXPECT_EQ(go("hlds.exe"),
              "\"C:\\Sierra\\Half-Life\\hlds.exe\" -game cstrike -port 27015 "
              "+map arena +maxplayers 8" +
                  folder);
    form->coche_dedicated_Click();
    form->Label17_Click();
    form->lst_mods_solo->setCurrentRow(0);
    form->lbl_load_Click();
    form->lst_solo_save->setCurrentRow(0);
    EXPECT_EQ(go("hl.exe"), hl + " -game valve -toconsole +exec quorvant.cfg" + folder);
    EXPECT_EQ(ReadFile(wineGame / "valve/quorvant.cfg"), "load \"quick.sav\"\r\n");

    // What the user typed reaches the game as on Windows: no escape added to it.
    form->Label18_Click();
    form->Label22_Click();
    form->txt_ip->setEditText("127.0.0.1");
    form->txt_port_join->setText("27016");
    form->txt_password->setText("my pass\"word");
    EXPECT_EQ(go("hl.exe"), hl + " +connect 127.0.0.1:27016 +password my pass\"word" + folder);

    // A start that cannot happen is told, and nothing starts.
    form->txt_hlexe->setText("missing.exe");
    QTest::mouseClick(form->btn_go, Qt::LeftButton);
    form->txt_hlexe->setText("hl.exe");
    const ScopedEnvironment noWine("PATH", temp.str());
    QTest::mouseClick(form->btn_go, Qt::LeftButton);
    const auto cannot = [this](const char* program, const char* why) {
        return "Can't start " + QString::fromStdString(wineGame / program) + why;
    };
    EXPECT_EQ(
        dialogs.messages,
        QStringList({cannot("missing.exe", ": No such file or directory."),
                     cannot("hl.exe", ": it is a Windows program, and wine is not installed.")}));
}

}  // namespace
}  // namespace quorvant
