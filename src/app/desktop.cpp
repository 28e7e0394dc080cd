#include "app/desktop.h"

#ifdef _WIN32
#include "app/windows_shell.h"
#else
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#endif

namespace quorvant {

StartFailure SystemDesktop::startGame(const ProgramStart& start) { return StartGame(start); }

#ifdef _WIN32

void SystemDesktop::editTextFile(const std::string& windowsFolder, const std::string& file) {
    // Notepad offers to create a file that is not there yet.
    win32::StartCommandLine("notepad.exe", win32::NotepadCommandLine(windowsFolder, file), "",
                            win32::kShowNormal);
}

void SystemDesktop::openAddress(const std::string& address) { win32::OpenWithShell(address); }

#else

namespace {

QString ToQString(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

}  // namespace

void SystemDesktop::editTextFile(const std::string&, const std::string& file) {
    // Desktop file handlers open only files that exist: start the editor on an empty one, as
    // Notepad would. A file that is there is never touched.
    const QString path = ToQString(file);
    QFile created(path);
    if (!QFileInfo::exists(path)) created.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    created.close();
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SystemDesktop::openAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(ToQString(address)));
}

#endif

}  // namespace quorvant
