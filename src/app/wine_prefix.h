#pragma once

#include <string>
#include <string_view>

// Games installed through Wine: which prefix holds a folder, what the prefix's registry says,
// and which programs Wine must run.
namespace quorvant {

// The Wine prefix that holds `path`: the folder above its last "drive_c" component; the empty
// text when the path lies in no prefix.
std::string WinePrefixHolding(std::string_view path);

// The real folder for a Windows path inside a prefix ("C:\Sierra\Half-Life"): the drive through
// the prefix's dosdevices, then each component in any case; the empty text for a path without a
// drive letter or on a drive the prefix does not have.
std::string FolderInPrefix(const std::string& prefix, std::string_view windowsPath);

// The Windows path of `path` inside the prefix ("C:\Sierra\Half-Life\hl.exe"): through the
// drive of the prefix's dosdevices that maps the longest part of it; the empty text when no
// drive maps it.
std::string WindowsPathInPrefix(const std::string& prefix, const std::string& path);

// The game folder its installer registered in the prefix's own registry, or the empty text.
std::string WineRegisteredGameFolder(const std::string& prefix);

// Whether the file starts like a Windows program ("MZ"), whatever its permission bits say.
bool IsWindowsProgram(const std::string& path);

}  // namespace quorvant
