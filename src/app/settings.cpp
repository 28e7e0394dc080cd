#include "app/settings.h"

#include <cstdlib>
#include <tuple>

#include "app/registry.h"
#include "app/settings_names.h"
#ifndef _WIN32
#include "app/system_folders.h"
#include "app/wine_prefix.h"
#endif

namespace quorvant {

using Registry::Root;

// Windows refuses a program without administrator rights every write below the machine's key,
// and keeps no copy of it for such a program: the user's own key holds every value as well, and
// is read first. Elsewhere both roots are one store.
#ifdef _WIN32
constexpr Root kSettingsRoots[] = {Root::CurrentUser, Root::LocalMachine};
#else
constexpr Root kSettingsRoots[] = {Root::LocalMachine};
#endif

void CreateSettingsKey() {
    for (const Root root : kSettingsRoots) Registry::CreateKey(settings::kKeyPath, root);
}

std::string ReadSetting(std::string_view name) {
    std::string value;
    for (const Root root : kSettingsRoots) {
        Registry::OpenedKey key(root, settings::kKeyPath);
        if (key.isOpen() && Registry::ReadValueFromKey(key, name, value) == Registry::kSuccess)
            break;
    }
    return value;
}

void WriteSetting(std::string_view name, std::string_view value) {
    for (const Root root : kSettingsRoots)
        Registry::WriteValue(root, settings::kKeyPath, name, value, Registry::kString);
}

std::string ReadRegisteredGameFolder() {
#ifdef _WIN32
    return Registry::ReadValue(Root::LocalMachine, settings::kGameAppPathKey,
                               settings::kGameAppPathValue);
#else
    // The installer ran inside the Wine prefix and registered a Windows path there.
    return WineRegisteredGameFolder(WinePrefix());
#endif
}

std::vector<SteamFolder> ReadSteamFolders() {
#ifdef _WIN32
    std::vector<SteamFolder> folders;
    for (const auto& [root, key, value] :
         {std::tuple{Root::CurrentUser, "Software\\Valve\\Steam", "SteamPath"},
          std::tuple{Root::LocalMachine, "SOFTWARE\\WOW6432Node\\Valve\\Steam", "InstallPath"}}) {
        std::string path = Registry::ReadValue(root, key, value, Registry::Access::Read);
        if (!path.empty()) folders.push_back({std::move(path), {}});
    }
    return folders;
#else
    const char* const home = std::getenv("HOME");
    const char* const prefix = std::getenv("WINEPREFIX");
    return LinuxSteamFolders(home ? home : "", prefix ? prefix : "");
#endif
}

}  // namespace quorvant
