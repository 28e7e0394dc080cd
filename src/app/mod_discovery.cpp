#include "app/mod_discovery.h"

#include <filesystem>
#include <future>
#include <optional>

#include "app/file_io.h"
#include "app/file_system.h"
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
        descriptor ? ReadWholeFile(JoinPath(folder, *descriptor)).value_or("") : std::string();
    return FoundMod{std::filesystem::path(folder).filename().string(),
                    DescriptorHasKey(text, kStartMapKey)};
}

std::vector<std::optional<FoundMod>> LookInto(std::vector<std::string>::const_iterator first,
                                              std::vector<std::string>::const_iterator last) {
    std::vector<std::optional<FoundMod>> found;
    for (auto folder = first; folder != last; ++folder) found.push_back(LookInto(*folder));
    return found;
}

}  // namespace

InstalledMods DiscoverMods(const std::string& gameFolder) {
    const std::vector<std::string> folders = ListSubfolders(gameFolder);
    // Hundreds of folders are mostly waiting on the system: the second half is looked into on
    // another thread meanwhile.
    const auto middle = folders.begin() + std::ptrdiff_t(folders.size() / 2);
    auto secondHalf = std::async(std::launch::async,
                                 [&folders, middle] { return LookInto(middle, folders.end()); });
    std::vector<std::optional<FoundMod>> found = LookInto(folders.begin(), middle);
    for (auto& mod : secondHalf.get()) found.push_back(std::move(mod));

    InstalledMods mods;
    for (auto& mod : found) {
        if (!mod) continue;
        if (mod->singlePlayer) mods.singlePlayer.push_back(mod->name);
        mods.multiplayer.push_back(std::move(mod->name));
    }
    return mods;
}

}  // namespace quorvant
