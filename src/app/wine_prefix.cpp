#include "app/wine_prefix.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "app/file_io.h"
#include "app/file_system.h"
#include "app/native_path.h"
#include "app/settings_names.h"
#include "app/wine_registry.h"

namespace fs = std::filesystem;

namespace quorvant {
namespace {

constexpr std::string_view kGameAppPathKey32 =
    "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\App Paths\\hl.Exe";

}  // namespace

std::string WinePrefixHolding(std::string_view path) {
    constexpr std::string_view kDrive = "/drive_c";
    for (std::size_t before = path.size();;) {
        const std::size_t found = path.rfind(kDrive, before);
        if (found == std::string_view::npos) return {};
        const std::size_t after = found + kDrive.size();
        if (after == path.size() || path[after] == '/') return std::string(path.substr(0, found));
        if (found == 0) return {};
        before = found - 1;
    }
}

std::string FolderInPrefix(const std::string& prefix, std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return {};
    const char letter = static_cast<char>(windowsPath[0] | 0x20);
    if (letter < 'a' || letter > 'z') return {};
    std::error_code error;
    const fs::path drive = fs::path(prefix) / "dosdevices" / std::string{letter, ':'};
    std::string folder = fs::canonical(drive, error).string();
    if (error) return {};
    for (std::size_t at = 2; at < windowsPath.size();) {
        std::size_t end = windowsPath.find_first_of("\\/", at);
        if (end == std::string_view::npos) end = windowsPath.size();
        if (end > at) folder = ResolveIgnoringCase(folder, windowsPath.substr(at, end - at));
        at = end + 1;
    }
    return folder;
}

std::string WindowsPathInPrefix(const std::string& prefix, const std::string& path) {
    if (prefix.empty()) return {};
    std::error_code error;
    const fs::path target = fs::weakly_canonical(PathOf(path), error);
    if (error) return {};
    std::string best;
    std::size_t bestLength = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const fs::path drive = fs::path(prefix) / "dosdevices" / std::string{letter, ':'};
        const fs::path root = fs::canonical(drive, error);
        if (error) continue;
        // The drive maps the path when the path goes on from the drive's folder.
        const auto [rootEnd, pathAt] =
            std::mismatch(root.begin(), root.end(), target.begin(), target.end());
        if (rootEnd != root.end()) continue;
        const std::size_t length = std::distance(root.begin(), root.end());
        if (!best.empty() && length <= bestLength) continue;
        std::string windows{char(letter - 'a' + 'A'), ':'};
        for (auto part = pathAt; part != target.end(); ++part) windows += "\\" + BytesOf(*part);
        if (pathAt == target.end()) windows += "\\";
        best = windows;
        bestLength = length;
    }
    return best;
}

std::string WineRegisteredGameFolder(const std::string& prefix) {
    const std::optional<std::string> registry =
        ReadWholeFile(JoinPath(prefix, "system.reg"), kRegistryFileLimit);
    if (!registry) return {};
    // A 32-bit installer on a 64-bit prefix writes below Wow6432Node.
    for (std::string_view key : {settings::kGameAppPathKey, kGameAppPathKey32}) {
        if (const auto path = FindRegistryString(*registry, key, settings::kGameAppPathValue))
            return FolderInPrefix(prefix, *path);
    }
    return {};
}

bool IsWindowsProgram(const std::string& path) { return ReadFilePart(path, 0, 2) == "MZ"; }

}  // namespace quorvant
