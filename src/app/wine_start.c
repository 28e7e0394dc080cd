/* Quorvant's starter for a Windows game under Wine. Wine makes the command line of a program
 * from the arguments it is given, and escapes every double quote in them; so Quorvant gives
 * this program, as its one argument, the whole command line it would start on Windows, and this
 * program starts exactly that line, its window minimised, in the current folder, as Quorvant
 * does on Windows. A start that cannot happen is told in a message box. */
#include <windows.h>

#include <shellapi.h> /* after windows.h, which it needs */

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR line, int show) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    STARTUPINFOW startup;
    PROCESS_INFORMATION process;
    WCHAR reason[512] = L"";
    WCHAR message[1024];
    (void)instance, (void)previous, (void)line, (void)show;
    if (!arguments || count != 2) return 2;

    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    if (CreateProcessW(NULL, arguments[1], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return 0;
    }
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, GetLastError(),
                   MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reason, 512, NULL);
    wsprintfW(message, L"Can't start %s: %s", arguments[1], reason);
    MessageBoxW(NULL, message, L"Quorvant", MB_OK | MB_ICONWARNING);
    return 1;
}
