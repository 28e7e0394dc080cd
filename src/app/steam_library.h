#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where Steam keeps the game: its own folders, the libraries each lists, and the folder each
// library's app manifest names.
namespace quorvant {

inline constexpr std::string_view kSteamAppId = "70";

// A Steam folder; inside a Wine prefix, the paths its files hold are Windows paths of the prefix.
struct SteamFolder {
    std::string path;
    std::string winePrefix;  // empty for a Steam of this system
};

// The library paths that `libraryfolders.vdf` lists, in its order; unmounted ones left out.
std::vector<std::string> LibraryPaths(std::string_view libraryFolders);

// The folder name under steamapps/common that an app manifest gives, or the empty text.
std::string InstallDirectory(std::string_view appManifest);

// Steam's folders on a system without Windows, in the order they are probed: Steam's own roots
// below `home`, then in each Wine prefix (`winePrefixVariable` when set, ~/.wine, and those
// under ~/.local/share/wineprefixes) the folder its user.reg names and Steam's usual folders.
std::vector<SteamFolder> LinuxSteamFolders(const std::string& home,
                                           const std::string& winePrefixVariable);

// The game folders that the Steam folders' libraries would hold, in the order to try them.
std::vector<std::string> SteamGameFolders(const std::vector<SteamFolder>& steamFolders);

}  // namespace quorvant
