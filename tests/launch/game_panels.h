#pragma once

// The main window on one game folder with a mod of each kind the panels tell apart, and the steps
// of a user who plays from them: for the tests of what the panels show and what GO! starts.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/file_system.h"
#include "support/ui_fixture.h"
#include "ui/selection.h"

namespace quorvant::testing {

inline constexpr char kCstrike[] =
    "game \"Counter-Strike\"\r\nversion \"1.6\"\r\nurl_info \"cs.example\"\r\n"
    "gamedll \"dlls\\mp.dll\"\r\n";
inline constexpr char kValve[] =
    "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\ntrainmap \"t0a0\"\r\nversion \"1.1\"\r\n"
    "url_info \"https://hl.example\"\r\ngamedll \"hl.dll\"";
inline const std::string kLatin1Mod = "caf\xe9";  // not valid UTF-8

// A saved game whose description field holds `description` and `time`.
inline std::string SaveFile(std::string description, const std::string& time) {
    description.resize(65, ' ');
    return std::string(4242, '\x01') + description + time + std::string(100, '\0');
}

class GamePanelsTest : public WindowTest {
  protected:
    Form1* form = nullptr;
    std::string junk = std::string(3000, '\0');

    explicit GamePanelsTest(const StatusOptions& status = kTestStatusOptions) {
        statusOptions = status;
        for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 37 + 11);
        game.addExecutable()
            .addMod("cstrike", kCstrike)
            .addFile("cstrike/maps/DE_DUST.TXT", "Dust\r\nSand everywhere\r\n")
            .addFile("cstrike/maps/as_oilrig.txt", "no line end")
            .addFile("cstrike/maps/cs_unix.txt", "Unix\nsecond\n")
            .addFile("cstrike/maps/de_mac.txt", "Mac\rsecond\r")
            .addFile("cstrike/mapcycle.txt", "de_dust\r\ncs_office\r\nde_aztec\r\n")
            .addFile("cstrike/game.cfg", "\"mp_timelimit\" \"35\"\r\n")
            .addMod("tfc", "game \"TFC\"\r\n")
            .addFile("tfc/mapcycle.txt", "de_dust\r\n")
            .addMod("valve", kValve)
            .addFile("valve/SAVE/quick.sav", SaveFile("#C1A0TITLE", "12:34"))
            .addFile("valve/SAVE/autosave.sav", SaveFile("", "00:42"))
            .addFile("valve/SAVE/broken.sav", "too short")
            .addFile("valve/SAVE/Half-Life-001.sav", SaveFile("#C0A0TITLE", "01:16"))
            // The title files: the one in the resource folder first.
            .addFile("valve/Resource/Titles.txt", "C0A0TITLE\n{\nINBOUND\n}\n")
            .addFile("valve/titles.txt", "$effect 2\nC0A0TITLE\n{\nNOT\n}\nC1A0TITLE\n{\nLAB\n}\n")
            .addMod("gearbox",
                    "startmap \"of0a0\"\r\ntrainingmap \"ofboot0\"\r\ntrainmap \"no\"\r\n")
            .addMod("nomaps", "// startmap to come\r\n")
            .addMod(kLatin1Mod, junk);
        for (const char* file :
             {"cstrike/dlls/mp.dll", "cstrike/dlls/HPB_bot.dll", "cstrike/dlls/mp2.dll",
              "cstrike/dlls/podbot.dll", "cstrike/maps/arena.bsp", "cstrike/maps/de_dust.bsp",
              "cstrike/maps/as_oilrig.bsp", "cstrike/maps/cs_unix.bsp",
              "cstrike/maps/Cs_office.bsp", "cstrike/maps/de_mac.bsp", "tfc/dlls/tfc.dll",
              "tfc/dlls/hpb_bot.dll", "tfc/dlls/readme.txt", "valve/dlls/HPB_bot.dll",
              "valve/SAVE/notes.txt", "caf\xe9/maps/d\xe9p\xf4t.bsp"})
            game.addFile(file);
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
        form->coche_console_Click();
    }

    // Selects the entry of `entry`'s bytes; none, and no current entry, for another text.
    static void select(QListWidget* list, const std::string& entry) {
        list->clearSelection();
        list->setCurrentRow(-1);
        for (int row = 0; row < list->count(); ++row) {
            const QListWidgetItem* item = list->item(row);
            if (EntryBytes(item->data(Qt::UserRole), item->text()) == entry)
                list->setCurrentRow(row);
        }
    }
    void create(const std::string& mod, const char* bot = nullptr, int map = 0) {
        form->Label18_Click();
        form->Label23_Click();
        select(form->lst_mods, mod);
        if (bot) select(form->lst_bots, bot);
        form->lst_maps->setCurrentIndex(map);
    }
    void join(const char* address, const char* port = "", const char* password = "") {
        form->Label18_Click();
        form->Label22_Click();
        form->txt_ip->setEditText(address);
        form->txt_port_join->setText(port);
        form->txt_password->setText(password);
    }
    void alone(const char* mod, void (Form1::*start)(), int save = -1) {
        form->Label17_Click();
        select(form->lst_mods_solo, mod);
        (form->*start)();
        form->lst_solo_save->setCurrentRow(save);
    }
    // GO!, which must start the game folder's `command` in the game folder.
    void go(const std::string& command) {
        desktop.starts.clear();
        form->btn_go_Click();
        EXPECT_EQ(desktop.onlyCommandLine(), JoinPath(game.str(), command));
        if (!desktop.starts.empty()) {
            EXPECT_EQ(desktop.starts.back().workingFolder, game.str());
        }
        EXPECT_EQ(dialogs.messages, QStringList());
    }
    void expectStored(std::initializer_list<std::pair<const char*, const char*>> settings) {
        for (const auto& [name, value] : settings) EXPECT_EQ(storedSetting(name), value) << name;
    }
};

}  // namespace quorvant::testing
