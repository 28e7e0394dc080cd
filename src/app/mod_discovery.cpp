#include "app/mod_discovery.h"

#include <filesystem>

#include "app/file_io.h"
#include "app/file_system.h"
#include "catalogue/descriptor.h"

namespace quorvant {

InstalledMods DiscoverMods(const std::string& gameFolder) {
    InstalledMods mods;
    for (const std::string& folder : ListSubfolders(gameFolder)) {
        const std::vector<std::string> gameFiles = ListFiles(folder, "*.gam");
        if (gameFiles.empty()) continue;
        std::string name = std::filesystem::path(folder).filename().string();
        // The descriptor is among the files just listed: no second look into each of hundreds of
        // folders. An unreadable or missing descriptor reads as empty: the mod stays, for
        // multiplayer only.
        const std::string* descriptor = FindIgnoringCase(gameFiles, kDescriptorFileName);
        const std::string text =
            descriptor ? ReadWholeFile(JoinPath(folder, *descriptor)).value_or("") : std::string();
        if (DescriptorHasKey(text, kStartMapKey)) mods.singlePlayer.push_back(name);
        mods.multiplayer.push_back(std::move(name));
    }
    return mods;
}

}  // namespace quorvant
