// Start-up of the main window: finding the game, listing its mods, restoring the stored choices
// (selecting list entries by their text), and storing the tab and the language at the end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/frm_main.h"
#include "app/system_folders.h"
#include "support/ui_fixture.h"
#include "ui/controls.h"
#include "ui/folder_question.h"
#include "ui/selection.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

// What the main window shows after start-up, in one line: the executable, the two mods selected,
// the check boxes and difficulty options, heap, players, ports, the address box
// (entries:current:text), the address history, the panels shown, the language, two texts of the
// language tables, and the name of the multiplayer mod shown.
QString Shows(const Form1& form) {
    QString boxes;
    for (const PictureBox* box : {form.coche_dev, form.coche_console, form.coche_ping,
                                  form.coche_memoire, form.coche_dedicated, form.coche_skip_intro,
                                  form.coche_skill1, form.coche_skill2, form.coche_skill3})
        boxes += box->tag();
    QStringList shows{form.txt_hlexe->text(), SelectedText(form.lst_mods),
                      SelectedText(form.lst_mods_solo), boxes};
    shows << form.txt_memoire->text() << form.txt_max_players->text()
          << form.txt_port_server->text() << form.txt_port_join->text();
    const QComboBox* ip = form.txt_ip;
    shows << QString("%1:%2:%3").arg(ip->count()).arg(ip->currentIndex()).arg(ip->currentText());
    shows << QStringList(form.addressHistory.begin(), form.addressHistory.end()).join(',');
    QStringList panels;
    for (const QWidget* panel : {form.Frame_mplayer, form.Frame_server, form.Frame_Join,
                                 form.Frame_single, form.frame_config}) {
        if (panel->isVisibleTo(&form)) panels << panel->objectName();
    }
    shows << panels.join('+') << form.Image1->tag() << form.Label17->text() << form.btn_go->text()
          << form.lbl_info_nom->text();
    return shows.join(" | ");
}

#ifdef _WIN32
// Windows' own records of where Steam and the game are; each test begins and ends without them.
class WindowsRecords {
  public:
    WindowsRecords() { clear(); }
    ~WindowsRecords() { clear(); }
    void set(HKEY root, const char* key, const char* name, const std::string& value) {
        RegSetKeyValueA(root, key, name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
    }

  private:
    static void clear() {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Valve");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAppPaths);
    }

  public:
    static constexpr char kAppPaths[] =
        "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\hl.Exe";
};
#endif

class StartupTest : public testing::WindowTest {
  protected:
    // The default folder: on the current folder's drive on Windows, else in the Wine prefix.
    QString askLine = "Please, enter Half-Life forder. | I can't find the path! | " +
#ifdef _WIN32
                      FromBytes(SystemDrive() + "\\Sierra\\Half-Life");
    WindowsRecords records;
#else
                      FromBytes(temp / "wine/drive_c/Sierra/Half-Life");
#endif

    StartupTest() {
        game.addExecutable()
            .addMod("cstrike", "game \"Counter-Strike\"\r\n")
            .addMod("tfc", "game \"TFC\"\r\n")
            .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\n")
            .addMod("gearbox", "game \"Opposing Force\"\r\nstartmap \"of0a0\"\r\n");
    }
};

// A first run takes the game's folder from Steam's library, and the installer's registration over
// it, and shows the design defaults. On Windows Steam and the installer say where they are in the
// registry; elsewhere Steam is in the home folder, with the game's native build, and the installer
// registered the game in the Wine prefix's registry.
TEST_F(StartupTest, AFirstRunFindsTheGameInSteamOrWhereTheInstallerRegisteredIt) {
#ifdef _WIN32
    const std::string steam = temp / "Steam/steamapps/common/Half-Life";
    testing::GameFolder(steam).addExecutable().addMod("valve", "startmap");
    records.set(HKEY_CURRENT_USER, "Software\\Valve\\Steam", "SteamPath", temp / "Steam");
#else
    const std::string steam = temp / "home/.local/share/Steam/steamapps/common/Half-Life";
    testing::GameFolder(steam).addFile("hl_linux").addFile("hl.sh").addMod("valve", "startmap");
#endif
    Form1& form = loadMainWindow();
    EXPECT_TRUE(dialogs.messages.isEmpty() && dialogs.questions.isEmpty() && form.isVisible());
    EXPECT_EQ(form.txt_hl->text(), FromBytes(steam));
    EXPECT_EQ(storedSetting("hl_path") + " " + storedSetting("hl_exe"), steam + " hl.exe");
    EXPECT_EQ(Shows(form),
              "hl.exe | valve |  | 000000010 |  | 8 | 27015 |  | 0:-1: | ,,,, | "
              "Frame_mplayer+Frame_server | 1 | SINGLE PLAYER | GO! | ");
    form.Label16_Click();  // the configuration panel is no tab: closing on it stores none
    form.close();
    EXPECT_EQ(storedSetting("Last_onglet"), "");
#ifdef _WIN32
    const std::string registered =
        testing::GameFolder(temp.path() / "Games/HL").addExecutable().str();
    records.set(HKEY_LOCAL_MACHINE, WindowsRecords::kAppPaths, "Path", registered);
    storeSetting("hl_path", "");
    EXPECT_EQ(loadMainWindow().Dir1.path(), registered);
#else
    testing::GameFolder(temp.path() / "wine")
        .addFolder("dosdevices")
        .addExecutable("drive_c/Games/HL/hl.exe")
        .addFile("system.reg",
                 "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\hl.exe]\n"
                 "\"Path\"=\"C:\\\\Games\\\\HL\"\n");
    std::filesystem::create_directory_symlink("../drive_c", temp.path() / "wine/dosdevices/c:");
    storeSetting("hl_path", "");
    EXPECT_EQ(loadMainWindow().Dir1.path(), temp / "wine/drive_c/Games/HL");
#endif
}

// Each row stores its values, by the names earlier versions stored them under, over the earlier
// rows'. Names match case for case, the first match from the top; a removed mod gives the next
// one after it, if any, and else the selection stays; an address not in the history still shows;
// only "1" turns a box on, and the dedicated server's is not restored; any language but "0" is
// English; any other tab is no tab. Closing stores the tab and the language shown.
TEST_F(StartupTest, RestoresTheStoredChoicesOrFallsBackWithoutLooping) {
    game.addFile("cstrike/maps/de_dust.bsp").addFile("tfc/maps/2fort.bsp");
    storeSetting("hl_path", game.str());
    const std::pair<const char*, const char*> rows[] = {
        {"hl_exe=hl_custom.exe Mod=cstrike Last_Mod_Mplayer=tfc Dev=1 Console=0 Numeric_Ping=yes "
         "Low_Memory=1 Heap=64000 Max_Players= Port_server=27020 Port_client=27016 IP1=10.0.0.5 "
         "IP2= IP3=192.0.2.7 Last_IP=192.0.2.7 Last_onglet=2 Last_Mod_Single=valve Language=0 "
         "Dedicated=1",
         "hl_custom.exe | tfc | valve | 100100010 | 64000 | 8 | 27020 | 27016 | 2:1:192.0.2.7 | "
         "10.0.0.5,,192.0.2.7,, | Frame_mplayer+Frame_Join | 0 | JEU SOLO | GO! | TFC | 20"},
        {"Mod=ricochet Last_Mod_Mplayer=dmc Dev= Low_Memory= Last_Mod_Single=zzz Last_IP=unknown "
         "Last_onglet=3 Language=",
         "hl_custom.exe | gearbox |  | 000000010 | 64000 | 8 | 27020 | 27016 | 2:-1:unknown | "
         "10.0.0.5,,192.0.2.7,, | Frame_single | 1 | SINGLE PLAYER | GO! | Opposing Force | 31"},
        {"Mod=TFC Last_Mod_Mplayer= IP3= Last_Mod_Single=Valve Last_IP= Last_onglet=something "
         "Language=00",
         "hl_custom.exe |  | gearbox | 000000010 | 64000 | 8 | 27020 | 27016 | "
         "1:-1: | 10.0.0.5,,,, | Frame_mplayer+Frame_server | 1 | SINGLE PLAYER | GO! | nom | 11"},
        {"Mod=tfc Last_Mod_Mplayer=zzz Last_Mod_Single=hldm",
         "hl_custom.exe | tfc | valve | 000000010 | 64000 | 8 | 27020 | 27016 | "
         "1:-1: | 10.0.0.5,,,, | Frame_mplayer+Frame_server | 1 | SINGLE PLAYER | GO! | TFC | 11"}};
    for (const auto& [stored, shown] : rows) {
        std::istringstream pairs(stored);
        for (std::string pair; pairs >> pair;) {
            const std::size_t equals = pair.find('=');
            storeSetting(pair.substr(0, equals), pair.substr(equals + 1));
        }
        // Each list's handler runs once, for the entry that stays selected.
        window = std::make_unique<Form1>(dialogs, desktop, testing::kTestStatusOptions);
        QSignalSpy mapsRemoved(window->lst_maps->model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy singleSelections(window->lst_mods_solo, &QListWidget::currentRowChanged);
        ASSERT_TRUE(window->Form_Load());
        window->close();  // which stores the tab and the language shown
        EXPECT_EQ(Shows(*window) +
                      FromBytes(" | " + storedSetting("Last_onglet") + storedSetting("Language")),
                  shown);
        EXPECT_EQ(mapsRemoved.count(), 0)
            << "the maps of the stored mod were listed and thrown away";
        EXPECT_LE(singleSelections.count(), 1) << stored;
    }
}

// A wrong stored folder is reproached and forgotten; an empty answer then ends the program, and
// nothing more is stored. Asked again, the splash loads the main window once while its question
// is open.
TEST_F(StartupTest, TheSplashEndsOnAnEmptyAnswerOrLoadsTheMainWindowOnce) {
    storeSetting("hl_path", temp / "moved");
    {
        bool ended = false;
        frm_main splash(dialogs, desktop, testing::kTestStatusOptions, [&ended] { ended = true; });
        splash.Timer1_Timer();
        EXPECT_TRUE(ended);
        EXPECT_EQ(dialogs.messages, QStringList({"Incorrect forder!"}));
        EXPECT_EQ(dialogs.questions, QStringList({askLine}));
        EXPECT_FALSE(splash.Timer1.isActive() || splash.mainWindow()->isVisible());
        splash.mainWindow()->close();  // whatever happens to the window, nothing more is stored
        EXPECT_EQ(
            storedSetting("hl_path") + storedSetting("Last_onglet") + storedSetting("Language"),
            "");
    }
    dialogs.answers = {FromBytes(game.str())};
    frm_main splash(dialogs, desktop, testing::kTestStatusOptions,
                    [] { FAIL() << "the program ended"; });
    bool waited = false;  // once: a second question must not wait again
    dialogs.whileAsking = [&] {
        if (std::exchange(waited, true)) return;
        QTest::qWait(350);  // the splash timer ticks meanwhile
        splash.Timer1_Timer();
    };
    Main(splash);
    ASSERT_TRUE(QTest::qWaitFor([&] { return splash.mainWindow() && dialogs.answers.empty(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return splash.mainWindow()->isVisible(); }, 1500));
    EXPECT_EQ(dialogs.questions, QStringList({askLine, askLine}));
    EXPECT_FALSE(splash.isVisible() || splash.Timer1.isActive());
}

// Browse... opens in the folder the answer names, or the nearest one above it that exists, in
// the windows' dark look; what it picks becomes the answer.
TEST_F(StartupTest, BrowseOpensWhereTheAnswerPointsInTheWindowsLook) {
    const std::string games = testing::GameFolder(temp.path() / "games/HL").str();
    FolderQuestion question(nullptr, "Please, enter Half-Life forder.", "I can't find the path!",
                            FromBytes(temp / "games/Gone/Deeper"));
    EXPECT_EQ(QDir(question.startFolder()), QDir(FromBytes(temp / "games")));
#ifndef _WIN32  // Windows' own picker, in Windows' own look, is no window of the program's
    QString shownIn;
    QColor ground;
    QTimer::singleShot(0, [&] {
        auto* picker = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!picker) return;
        shownIn = picker->directory().absolutePath();
        ground = picker->palette().color(QPalette::Window);
        picker->selectFile(FromBytes(games));
        QMetaObject::invokeMethod(picker, "accept");
    });
    question.show();
    question.browseButton()->click();
    EXPECT_EQ(QDir(shownIn), QDir(FromBytes(temp / "games")));
    EXPECT_EQ(ground, DialogPalette().color(QPalette::Window));
    EXPECT_EQ(QDir(question.answer()), QDir(FromBytes(games)));
#endif
}

}  // namespace
}  // namespace quorvant
