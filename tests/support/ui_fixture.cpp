#include "support/ui_fixture.h"

#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/settings.h"
#include "app/settings_names.h"

namespace quorvant::testing {

QString FakeDialogs::ask(QWidget*, const QString& prompt, const QString& title,
                         const QString& defaultAnswer) {
    questions << prompt + QLatin1String(" | ") + title + QLatin1String(" | ") + defaultAnswer;
    if (whileAsking) whileAsking();
    if (answers.empty()) return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string FakeDesktop::onlyCommandLine() const {
    EXPECT_EQ(starts.size(), 1u);
    return starts.empty() ? std::string() : starts.back().executablePath + starts.back().arguments;
}

void FocusByTab(QListWidget* list) {
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list, &focus);
    EXPECT_EQ(list->currentRow(), 0) << "no entry was made current";
}

#ifdef _WIN32
static void DeleteStoredSettings() {
    const std::string key(settings::kKeyPath);
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RegDeleteTreeA(root, key.c_str());
}
EmptySettings::EmptySettings() { DeleteStoredSettings(); }
EmptySettings::~EmptySettings() { DeleteStoredSettings(); }
#endif

void WindowTest::storeSetting(std::string_view name, std::string_view value) {
    CreateSettingsKey();
    WriteSetting(name, value);
}

std::string WindowTest::storedSetting(std::string_view name) { return ReadSetting(name); }

Form1& WindowTest::loadMainWindow() {
    window = std::make_unique<Form1>(dialogs, desktop, statusOptions);
    EXPECT_TRUE(window->Form_Load());
    return *window;
}

MainWindowTest::MainWindowTest() {
    game.addExecutable()
        .addMod("cstrike", "game \"Counter-Strike\"\r\nurl_info \"www.cs.example\"\r\n")
        .addFile("cstrike/maps/arena.bsp")
        .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\ntrainmap \"t0a0\"\r\n");
    storeSetting(settings::kHlPath, game.str());
    form = &loadMainWindow();
}

}  // namespace quorvant::testing
