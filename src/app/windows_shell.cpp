#include "app/windows_shell.h"

#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

namespace quorvant::win32 {
namespace {

// The system's reason, in English where the system has it, as every message is in English.
std::string Reason(DWORD error) {
    char* text = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    for (const DWORD language : {DWORD{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)}, DWORD{0}}) {
        if (FormatMessageA(flags, nullptr, error, language, reinterpret_cast<char*>(&text), 0,
                           nullptr) > 0)
            break;
    }
    std::string reason = text ? text : "error " + std::to_string(error);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == ' ' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

}  // namespace

std::string GameCommandLine(const ProgramStart& start) {
    return "\"" + start.executablePath + "\"" + start.arguments;
}

std::string NotepadCommandLine(const std::string& windowsFolder, const std::string& file) {
    return windowsFolder + "\\notepad.exe " + file;
}

StartFailure StartCommandLine(const std::string& program, const std::string& commandLine,
                              const std::string& workingFolder, int show) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    std::string line = commandLine;  // the call may write into it
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                        &process)) {
        return "Can't start " + program + ": " + Reason(GetLastError()) + ".";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return std::nullopt;
}

bool OpenWithShell(const std::string& address) {
    // A result above 32 is a program that took it.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, "c:\\", SW_SHOWNORMAL));
    return result > 32;
}

std::string WindowsFolder() {
    char buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

}  // namespace quorvant::win32

namespace quorvant {

StartFailure StartGame(const ProgramStart& start) {
    return win32::StartCommandLine(start.executablePath, win32::GameCommandLine(start),
                                   start.workingFolder, win32::kShowMinimised);
}

}  // namespace quorvant
