#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "app/desktop.h"
#include "support/temp_folder.h"
#include "ui/dialogs.h"
#include "ui/form1.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quorvant::testing {

// Records every message and answers every question from a script.
class FakeDialogs : public Dialogs {
  public:
    QStringList messages;
    QStringList questions;
    std::deque<QString> answers;
    std::function<void()> whileAsking;
    QStringList confirmations;
    std::deque<bool> confirmAnswers;  // Yes once they are used up

    void message(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& question) override {
        confirmations << question;
        if (confirmAnswers.empty()) return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    QString ask(QWidget* parent, const QString& prompt, const QString& title,
                const QString& defaultAnswer) override;
};

// Records what would have been started or opened.
class FakeDesktop : public Desktop {
  public:
    std::vector<ProgramStart> starts;
    std::vector<std::string> editedFiles;  // each as the Windows folder, " | ", the file
    std::vector<std::string> openedAddresses;
    StartFailure startGame(const ProgramStart& start) override {
        starts.push_back(start);
        return std::nullopt;
    }
    StartFailure openFailure;  // what editing a file or opening an address answers
    StartFailure editTextFile(const std::string& windowsFolder, const std::string& file) override {
        editedFiles.push_back(windowsFolder + " | " + file);
        return openFailure;
    }
    StartFailure openAddress(const std::string& address) override {
        openedAddresses.push_back(address);
        return openFailure;
    }
    // The command line of the only start; fails the test when there was not exactly one.
    std::string onlyCommandLine() const;
};

// Gives a list the focus as Tab does: it makes an entry current without selecting it.
void FocusByTab(QListWidget* list);

// No settings stored while it lives: on Windows the program's registry keys are deleted when it
// begins and ends; elsewhere the settings live in the test's own folder.
class EmptySettings {
  public:
#ifdef _WIN32
    EmptySettings();
    ~EmptySettings();
#else
    EmptySettings() = default;
#endif
    EmptySettings(const EmptySettings&) = delete;
    EmptySettings& operator=(const EmptySettings&) = delete;
};

// Whatever address a test types, the join panel asks no server beyond this machine.
inline const StatusOptions kTestStatusOptions{StatusTiming{}, QueryScope::ThisMachineOnly};

// A machine of its own for each test: empty settings, an empty Wine prefix, and a game folder
// (not yet holding the game) that the test fills.
class WindowTest : public ::testing::Test {
  protected:
    TempFolder temp;
    EmptySettings settings;
    ScopedEnvironment configHome{"XDG_CONFIG_HOME", temp / "config"};
    ScopedEnvironment winePrefix{"WINEPREFIX", temp / "wine"};
    ScopedEnvironment home{"HOME", temp / "home"};  // no Steam of the machine's own
    GameFolder game{temp.path() / "Half-Life"};
    FakeDialogs dialogs;
    FakeDesktop desktop;

    // Stores a setting as an earlier run would have.
    void storeSetting(std::string_view name, std::string_view value);
    std::string storedSetting(std::string_view name);
    // The main window after start-up; fails the test when start-up gave up.
    Form1& loadMainWindow();
    StatusOptions statusOptions = kTestStatusOptions;  // for the main window loaded next

    std::unique_ptr<Form1> window;
};

// The main window loaded on a game with a multiplayer mod (its site and a map) and a
// single-player one (its new game and training maps).
class MainWindowTest : public WindowTest {
  protected:
    MainWindowTest();
    Form1* form = nullptr;
};

}  // namespace quorvant::testing
