// Starting programs and opening addresses with the real Windows calls, proven by a recorder
// program that writes down how it was started.
#include "app/windows_shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;

// The recorder copied to `path` and started under that name writes how it was started: its
// command line, its current folder and its show flag, one a line.
std::string Recorded(const fs::path& path, const std::function<void()>& start) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    fs::create_directories(path.parent_path());
    fs::copy_file(fs::path(self).parent_path() / "launch_recorder.exe", path);
    start();
    const fs::path record = fs::path(path).replace_extension(".record");
    for (int tries = 0; tries < 1000 && !fs::exists(record); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fs::exists(record) ? ReadFile(record) : "(not started)";
}

TEST(WindowsShell, StartsTheGameMinimisedAndOtherProgramsNormallyWhereTheyBelong) {
    TempFolder temp;
    const std::string folder = temp / "Half Life", hl = folder + "\\hl.exe";
    const std::string tail = " -console -game cstrike +map de_dust +maxplayers 8";
    EXPECT_EQ(
        Recorded(hl,
                 [&] {
                     EXPECT_EQ(StartGame({folder, hl, tail}), std::nullopt);
                 }),
        "\"" + hl + "\"" + tail + "\n" + folder + "\n" + std::to_string(SW_SHOWMINIMIZED) + "\n");
    const std::string file = "C:\\Sierra\\Half-Life\\cstrike\\motd.txt", normal = "\n1\n";
    EXPECT_EQ(Recorded(temp / "notepad.exe",
                       [&] {
                           win32::StartCommandLine("notepad.exe",
                                                   win32::NotepadCommandLine(temp.str(), file), "",
                                                   win32::kShowNormal);
                       }),
              temp / "notepad.exe " + file + "\n" + fs::current_path().string() + normal);
    const std::string site =
        Recorded(temp / "site.exe", [&] { win32::OpenWithShell(temp / "site.exe"); });
    EXPECT_EQ(site.substr(site.find('\n')), "\nc:\\" + normal);  // from the drive's root
    const StartFailure failure = StartGame({temp.str(), temp / "gone.exe", " -game valve"});
    EXPECT_EQ(failure.value_or("").rfind("Can't start " + temp / "gone.exe" + ": ", 0), 0u)
        << failure.value_or("(started)");
    char windir[MAX_PATH] = {};
    GetEnvironmentVariableA("windir", windir, MAX_PATH);
    EXPECT_EQ(win32::WindowsFolder(), windir);
    EXPECT_NE(win32::WindowsFolder().back(), '\\');
}

}  // namespace
}  // namespace quorvant
