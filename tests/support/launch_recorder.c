/* A stand-in for the game's Windows programs. Started under any name, it writes beside itself,
 * in <name>.record, how it was started: its whole command line, its current folder and the
 * show-window flag it was given (-1 when none), one per line. The record appears whole, through
 * a rename, so a test that waits for it never reads half of it. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
    char record[MAX_PATH + 16];
    char partial[MAX_PATH + 32];
    char folder[MAX_PATH];
    STARTUPINFOA startup;
    (void)instance, (void)previous, (void)arguments, (void)show;

    DWORD length = GetModuleFileNameA(NULL, record, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    char* extension = strrchr(record, '.');
    if (extension && !strchr(extension, '\\')) *extension = '\0';
    strcat(record, ".record");
    snprintf(partial, sizeof partial, "%s.partial", record);
    GetCurrentDirectoryA(sizeof folder, folder);
    GetStartupInfoA(&startup);

    FILE* out = fopen(partial, "wb");
    if (!out) return 1;
    fprintf(out, "%s\n%s\n%d\n", GetCommandLineA(), folder,
            (startup.dwFlags & STARTF_USESHOWWINDOW) ? (int)startup.wShowWindow : -1);
    fclose(out);
    return MoveFileExA(partial, record, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
