#include "app/steam_library.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "app/file_io.h"
#include "app/file_system.h"
#include "app/key_values.h"
#include "app/native_path.h"
#include "app/wine_prefix.h"
#include "app/wine_registry.h"

namespace fs = std::filesystem;

namespace quorvant {
namespace {

constexpr std::string_view kDefaultInstallDirectory = "Half-Life";

// A path whose components are looked up in any case, as Steam's folders often differ from
// what its files say; the empty text when some component is not there.
std::string Existing(std::string folder, std::initializer_list<std::string_view> components) {
    for (std::string_view component : components) {
        folder = ResolveIgnoringCase(folder, component);
    }
    std::error_code error;
    return fs::exists(PathOf(folder), error) ? folder : std::string();
}

std::string Canonical(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::canonical(PathOf(path), error);
    return error ? std::string() : BytesOf(canonical);
}

// Adds the folder once, by where it really is: ~/.steam/steam is mostly a link to another root.
void AddOnce(std::vector<SteamFolder>& folders, std::vector<std::string>& seen,
             SteamFolder folder) {
    const std::string real = Canonical(folder.path);
    if (real.empty() || std::find(seen.begin(), seen.end(), real) != seen.end()) return;
    seen.push_back(real);
    folders.push_back(std::move(folder));
}

std::vector<std::string> WinePrefixes(const std::string& home,
                                      const std::string& winePrefixVariable) {
    std::vector<std::string> prefixes;
    if (!winePrefixVariable.empty()) prefixes.push_back(winePrefixVariable);
    prefixes.push_back(JoinPath(home, ".wine"));
    for (std::string& prefix : ListSubfolders(JoinPath(home, ".local/share/wineprefixes")))
        prefixes.push_back(std::move(prefix));
    return prefixes;
}

void AddPrefixFolders(std::vector<SteamFolder>& folders, std::vector<std::string>& seen,
                      const std::string& prefix) {
    if (const auto registry = ReadWholeFile(JoinPath(prefix, "user.reg"), kRegistryFileLimit)) {
        if (const auto path = FindRegistryString(*registry, "Software\\Valve\\Steam", "SteamPath"))
            AddOnce(folders, seen, {FolderInPrefix(prefix, *path), prefix});
    }
    for (std::string_view programs : {"Program Files (x86)", "Program Files"}) {
        AddOnce(folders, seen, {Existing(prefix, {"drive_c", programs, "Steam"}), prefix});
    }
}

std::optional<std::string> ReadSteamFile(const std::string& folder,
                                         std::initializer_list<std::string_view> components) {
    const std::string path = Existing(folder, components);
    return path.empty() ? std::nullopt : ReadWholeFile(path, kTextFileLimit);
}

// The folder itself first, then the libraries its files list.
std::vector<std::string> Libraries(const SteamFolder& steam) {
    std::vector<std::string> libraries{steam.path};
    auto listed = ReadSteamFile(steam.path, {"steamapps", "libraryfolders.vdf"});
    if (!listed) listed = ReadSteamFile(steam.path, {"config", "libraryfolders.vdf"});
    if (!listed) return libraries;
    for (const std::string& path : LibraryPaths(*listed)) {
        libraries.push_back(steam.winePrefix.empty() ? path
                                                     : FolderInPrefix(steam.winePrefix, path));
    }
    return libraries;
}

}  // namespace

std::vector<std::string> LibraryPaths(std::string_view libraryFolders) {
    std::vector<std::string> paths;
    const std::optional<KeyValues> file = ParseKeyValues(libraryFolders);
    const KeyValues* list = file ? file->find("libraryfolders") : nullptr;
    if (!list) return paths;
    for (const KeyValues& entry : list->children) {
        if (entry.key.empty() || !std::all_of(entry.key.begin(), entry.key.end(),
                                              [](char c) { return c >= '0' && c <= '9'; }))
            continue;  // other keys hold statistics, not libraries
        if (!entry.block) {
            paths.push_back(entry.value);  // the older form: the number, then the path
            continue;
        }
        const KeyValues* path = entry.find("path");
        const KeyValues* mounted = entry.find("mounted");
        if (path && !path->block && !(mounted && mounted->value == "0"))
            paths.push_back(path->value);
    }
    return paths;
}

std::string InstallDirectory(std::string_view appManifest) {
    const std::optional<KeyValues> file = ParseKeyValues(appManifest);
    const KeyValues* state = file ? file->find("AppState") : nullptr;
    const KeyValues* folder = state ? state->find("installdir") : nullptr;
    return folder && !folder->block ? folder->value : std::string();
}

std::vector<SteamFolder> LinuxSteamFolders(const std::string& home,
                                           const std::string& winePrefixVariable) {
    std::vector<SteamFolder> folders;
    std::vector<std::string> seen;
    for (std::string_view root :
         {".steam/steam", ".steam/root", ".local/share/Steam", ".steam/debian-installation",
          "snap/steam/common/.local/share/Steam",
          ".var/app/com.valvesoftware.Steam/.local/share/Steam",
          ".var/app/com.valvesoftware.Steam/data/Steam"}) {
        AddOnce(folders, seen, {JoinPath(home, root), {}});
    }
    for (const std::string& prefix : WinePrefixes(home, winePrefixVariable))
        AddPrefixFolders(folders, seen, prefix);
    return folders;
}

std::vector<std::string> SteamGameFolders(const std::vector<SteamFolder>& steamFolders) {
    const std::string manifest = "appmanifest_" + std::string(kSteamAppId) + ".acf";
    std::vector<std::string> games;
    std::vector<std::string> seen;  // Steam lists its own folder among its libraries
    for (const SteamFolder& steam : steamFolders) {
        for (const std::string& library : Libraries(steam)) {
            if (library.empty()) continue;
            const auto appManifest = ReadSteamFile(library, {"steamapps", manifest});
            std::string folder = appManifest ? InstallDirectory(*appManifest) : std::string();
            if (folder.empty()) folder = kDefaultInstallDirectory;
            const std::string game = Existing(library, {"steamapps", "common", folder});
            const std::string real = Canonical(game);
            if (real.empty() || std::find(seen.begin(), seen.end(), real) != seen.end()) continue;
            seen.push_back(real);
            games.push_back(game);
        }
    }
    return games;
}

}  // namespace quorvant
