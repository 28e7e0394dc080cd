#include "app/system_folders.h"

#include <QDir>
#include <QString>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/file_system.h"

namespace quorvant {
namespace {

#ifndef _WIN32
std::string WinePrefix() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return QDir::cleanPath(prefix.isEmpty() ? QDir::homePath() + QLatin1String("/.wine") : prefix)
        .toLocal8Bit()
        .toStdString();
}
#endif

}  // namespace

std::string SystemDrive() {
#ifdef _WIN32
    return QDir::toNativeSeparators(QDir::currentPath()).left(2).toLocal8Bit().toStdString();
#else
    return JoinPath(WinePrefix(), "drive_c");
#endif
}

std::string LoadWindowsFolder() {
#ifdef _WIN32
    char buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
#else
    return JoinPath(SystemDrive(), "windows");
#endif
}

}  // namespace quorvant
