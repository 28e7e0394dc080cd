#include "app/desktop.h"

#ifdef _WIN32
#include "app/windows_shell.h"
#else
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#endif

namespace quorvant {

std::string NoProgramFor(const std::string& what, std::string_view kind) {
    return "Can't open " + what + ": no program is set to open " + std::string(kind) + ".";
}

StartFailure SystemDesktop::startGame(const ProgramStart& start) { return StartGame(start); }

#ifdef _WIN32

StartFailure SystemDesktop::editTextFile(const std::string& windowsFolder,
                                         const std::string& file) {
    // Notepad offers to create a file that is not there yet.
    return win32::StartCommandLine("notepad.exe", win32::NotepadCommandLine(windowsFolder, file),
                                   "", win32::kShowNormal);
}

StartFailure SystemDesktop::openAddress(const std::string& address) {
    if (win32::OpenWithShell(address)) return std::nullopt;
    return NoProgramFor(address, "web addresses");
}

#else

namespace {

QString ToQString(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

// Opens the file or address with the desktop's own program for it, through xdg-open. One the
// desktop has leaves xdg-open running or ending well; without one, xdg-open ends at once with a
// failure (or is not there at all).
bool OpenWithDesktop(const QString& target) {
    auto* opener = new QProcess(qApp);
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    opener->start(QStringLiteral("xdg-open"), {target});
    if (!opener->waitForStarted(3000)) {
        opener->deleteLater();
        return false;
    }
    if (!opener->waitForFinished(1500)) return true;  // the program it started runs in it
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

}  // namespace

StartFailure SystemDesktop::editTextFile(const std::string&, const std::string& file) {
    // Desktop file handlers open only files that exist: start the editor on an empty one, as
    // Notepad would. A file that is there is never touched.
    const QString path = ToQString(file);
    QFile created(path);
    if (!QFileInfo::exists(path)) created.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    created.close();
    if (OpenWithDesktop(path)) return std::nullopt;
    return NoProgramFor(file, "text files");
}

StartFailure SystemDesktop::openAddress(const std::string& address) {
    if (OpenWithDesktop(ToQString(address))) return std::nullopt;
    return NoProgramFor(address, "web addresses");
}

#endif

}  // namespace quorvant
