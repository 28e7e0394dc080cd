// Starting programs and opening addresses with the real Windows calls, proven by a recorder
// program that writes down how it was started.
#include "app/windows_shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;

struct Record {
    std::string commandLine;
    std::string currentFolder;
    std::string showFlag;
};

fs::path Recorder() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / "launch_recorder.exe";
}

// The recorder copied to `path`, started under that name.
void InstallRecorder(const fs::path& path) {
    fs::create_directories(path.parent_path());
    fs::copy_file(Recorder(), path, fs::copy_options::overwrite_existing);
}

Record AwaitRecord(const fs::path& program) {
    const fs::path record = fs::path(program).replace_extension(".record");
    for (int tries = 0; tries < 1000 && !fs::exists(record); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const std::string text = fs::exists(record) ? ReadFile(record) : "\n\n\n";
    const std::size_t first = text.find('\n'), second = text.find('\n', first + 1);
    return {text.substr(0, first), text.substr(first + 1, second - first - 1),
            text.substr(second + 1, text.size() - second - 2)};
}

TEST(WindowsShell, StartsTheGameMinimisedInItsFolderWithTheCommandLineAsBuilt) {
    TempFolder temp;
    const std::string folder = temp / "Half Life";
    InstallRecorder(folder + "\\hl.exe");
    const ProgramStart start{folder, folder + "\\hl.exe",
                             " -console -game cstrike -port 27015 +map de_dust +maxplayers 8"};
    EXPECT_EQ(StartGame(start), std::nullopt);
    const Record record = AwaitRecord(folder + "\\hl.exe");
    EXPECT_EQ(record.commandLine, "\"" + folder +
                                      "\\hl.exe\" -console -game cstrike -port 27015 +map de_dust "
                                      "+maxplayers 8");
    EXPECT_EQ(record.currentFolder, folder);
    EXPECT_EQ(record.showFlag, std::to_string(SW_SHOWMINIMIZED));
}

TEST(WindowsShell, StartsNotepadOnTheFileInANormalWindow) {
    TempFolder windowsFolder;
    InstallRecorder(windowsFolder / "notepad.exe");
    const std::string file = "C:\\Sierra\\Half-Life\\cstrike\\motd.txt";
    EXPECT_EQ(
        win32::StartCommandLine("notepad.exe", win32::NotepadCommandLine(windowsFolder.str(), file),
                                "", win32::kShowNormal),
        std::nullopt);
    const Record record = AwaitRecord(windowsFolder / "notepad.exe");
    EXPECT_EQ(record.commandLine, windowsFolder.str() + "\\notepad.exe " + file);
    EXPECT_EQ(record.showFlag, std::to_string(SW_SHOWNORMAL));
}

TEST(WindowsShell, OpensAnAddressFromTheDriveRootInANormalWindow) {
    TempFolder temp;
    InstallRecorder(temp / "site.exe");
    win32::OpenWithShell(temp / "site.exe");
    const Record record = AwaitRecord(temp / "site.exe");
    EXPECT_EQ(record.currentFolder, "c:\\");
    EXPECT_EQ(record.showFlag, std::to_string(SW_SHOWNORMAL));
}

TEST(WindowsShell, SaysWhyAProgramCouldNotStart) {
    TempFolder temp;
    const StartFailure failure = StartGame({temp.str(), temp / "hl.exe", " -game valve"});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->rfind("Can't start " + temp / "hl.exe" + ": ", 0), 0u) << *failure;
}

TEST(WindowsShell, KnowsTheWindowsFolder) {
    char expected[MAX_PATH] = {};
    GetEnvironmentVariableA("windir", expected, MAX_PATH);
    EXPECT_EQ(win32::WindowsFolder(), expected);
    EXPECT_NE(win32::WindowsFolder().back(), '\\');
}

}  // namespace
}  // namespace quorvant
