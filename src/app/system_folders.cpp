#include "app/system_folders.h"

#include <QDir>
#include <QString>

#include "app/file_system.h"
#ifdef _WIN32
#include "app/windows_shell.h"
#endif

namespace quorvant {

#ifndef _WIN32
std::string WinePrefix() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return QDir::cleanPath(prefix.isEmpty() ? QDir::homePath() + QLatin1String("/.wine") : prefix)
        .toLocal8Bit()
        .toStdString();
}
#endif

std::string SystemDrive() {
#ifdef _WIN32
    return QDir::toNativeSeparators(QDir::currentPath()).left(2).toLocal8Bit().toStdString();
#else
    return JoinPath(WinePrefix(), "drive_c");
#endif
}

std::string LoadWindowsFolder() {
#ifdef _WIN32
    return win32::WindowsFolder();
#else
    return JoinPath(SystemDrive(), "windows");
#endif
}

}  // namespace quorvant
