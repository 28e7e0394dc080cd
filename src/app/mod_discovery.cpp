#include "app/mod_discovery.h"

#include <filesystem>

#include "app/file_system.h"
#include "catalogue/descriptor.h"

namespace quorvant {

InstalledMods DiscoverMods(const std::string& gameFolder) {
    InstalledMods mods;
    for (const std::string& folder : ListSubfolders(gameFolder)) {
        if (ListFiles(folder, "*.gam").empty()) continue;
        std::string name = std::filesystem::path(folder).filename().string();
        // An unreadable descriptor reads as empty: the mod stays, for multiplayer only.
        if (DescriptorHasKey(ReadModDescriptor(gameFolder, name), kStartMapKey)) {
            mods.singlePlayer.push_back(name);
        }
        mods.multiplayer.push_back(std::move(name));
    }
    return mods;
}

}  // namespace quorvant
