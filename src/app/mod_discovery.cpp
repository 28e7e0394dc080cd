#include "app/mod_discovery.h"

#include <algorithm>
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
        // The descriptor is among the files just listed, in any case, the exact name first: no
        // second look into each of hundreds of folders. An unreadable or missing descriptor
        // reads as empty: the mod stays, for multiplayer only.
        const auto descriptor =
            std::find_if(gameFiles.begin(), gameFiles.end(),
                         [](const std::string& file) { return file == kDescriptorFileName; });
        const auto anyCase = std::find_if(
            gameFiles.begin(), gameFiles.end(),
            [](const std::string& file) { return EqualIgnoringCase(file, kDescriptorFileName); });
        const auto found = descriptor != gameFiles.end() ? descriptor : anyCase;
        const std::string text = found == gameFiles.end()
                                     ? std::string()
                                     : ReadWholeFile(JoinPath(folder, *found)).value_or("");
        if (DescriptorHasKey(text, kStartMapKey)) mods.singlePlayer.push_back(name);
        mods.multiplayer.push_back(std::move(name));
    }
    return mods;
}

}  // namespace quorvant
