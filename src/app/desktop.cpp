#include "app/desktop.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <sstream>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "app/file_system.h"

namespace quorvant {
namespace {

QString ToQString(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

}  // namespace

ProgramInvocation InvocationFor(const ProgramStart& start, const std::string& wine) {
    ProgramInvocation invocation{start.executablePath, {}};
    std::istringstream words(start.arguments);
    for (std::string word; words >> word;) invocation.arguments.push_back(word);
    const QFileInfo executable(ToQString(start.executablePath));
    const bool windowsProgram =
        EqualIgnoringCase(executable.suffix().toStdString(), "exe") && !executable.isExecutable();
    if (windowsProgram && !wine.empty()) {
        invocation.arguments.insert(invocation.arguments.begin(), start.executablePath);
        invocation.program = wine;
    }
    return invocation;
}

void SystemDesktop::startGame(const ProgramStart& start) {
    QProcess process;
    process.setWorkingDirectory(ToQString(start.workingFolder));
#ifdef Q_OS_WIN
    // The command line goes to the game exactly as built; only the executable is quoted.
    process.setProgram(ToQString(start.executablePath));
    process.setNativeArguments(ToQString(start.arguments));
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
#else
    const ProgramInvocation invocation = InvocationFor(
        start, QStandardPaths::findExecutable(QStringLiteral("wine")).toLocal8Bit().toStdString());
    process.setProgram(ToQString(invocation.program));
    QStringList arguments;
    for (const std::string& argument : invocation.arguments) arguments << ToQString(argument);
    process.setArguments(arguments);
#endif
    process.startDetached();
}

void SystemDesktop::editTextFile(const std::string& windowsFolder, const std::string& file) {
#ifdef Q_OS_WIN
    // Notepad offers to create a file that is not there yet.
    QProcess editor;
    editor.setProgram(ToQString(windowsFolder + "\\notepad.exe"));
    editor.setNativeArguments(ToQString(file));
    editor.startDetached();
#else
    (void)windowsFolder;
    // Desktop file handlers open only files that exist: start the editor on an empty one, as
    // Notepad would. A file that is there is never touched.
    const QString path = ToQString(file);
    QFile created(path);
    if (!QFileInfo::exists(path)) created.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    created.close();
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

void SystemDesktop::openAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(ToQString(address)));
}

}  // namespace quorvant
