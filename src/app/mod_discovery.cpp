#include "app/mod_discovery.h"

#include <filesystem>
#include <optional>

#include "app/file_io.h"
#include "app/file_system.h"
#include "app/native_path.h"
#include "app/two_halves.h"
#include "catalogue/descriptor.h"

namespace quorvant {
namespace {

struct FoundMod {
    std::string name;
    bool singlePlayer = false;
};

std::optional<FoundMod> LookInto(const std::string& folder) {
    const std::vector<std::string> gameFiles = ListFiles(folder, "*.gam");
    if (gameFiles.empty()) return std::nullopt;
    // The descriptor is among the files just listed: no second look into each of hundreds of
    // folders. An unreadable or missing descriptor reads as empty: the mod stays, for
    // multiplayer only.
    const std::string* descriptor = FindIgnoringCase(gameFiles, kDescriptorFileName);
    const std::string text =
        descriptor ? ReadWholeFile(JoinPath(folder, *descriptor), kDescriptorLimit).value_or("")
                   : std::string();
    return FoundMod{BytesOf(PathOf(folder).filename()), DescriptorHasKey(text, kStartMapKey)};
}

}  // namespace

InstalledMods DiscoverMods(const std::string& gameFolder) {
    std::vector<std::optional<FoundMod>> found = InTwoHalves(
        ListSubfolders(gameFolder), [](const std::string& folder) { return LookInto(folder); });

    InstalledMods mods;
    for (auto& mod : found) {
        if (!mod) continue;
        if (mod->singlePlayer) mods.singlePlayer.push_back(mod->name);
        mods.multiplayer.push_back(std::move(mod->name));
    }
    return mods;
}

}  // namespace quorvant
