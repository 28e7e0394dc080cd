#include "catalogue/mod_panels.h"

#include "app/file_io.h"
#include "app/file_system.h"
#include "catalogue/bot_tables.h"
#include "catalogue/descriptor.h"
#include "catalogue/map_titles.h"
#include "catalogue/save_games.h"

namespace quorvant {
namespace {

constexpr std::string_view kIntroMod = "valve";

ModInformation InformationIn(std::string_view descriptor) {
    const auto valueOf = [descriptor](std::string_view key) {
        return GetDescriptorValue(descriptor, key).value_or(std::string());
    };
    return {valueOf(kGameKey), valueOf(kVersionKey), valueOf(kUrlKey)};
}

}  // namespace

MultiplayerPanel LoadMultiplayerPanel(const std::string& gameFolder, std::string_view mod) {
    MultiplayerPanel panel;
    if (mod.empty()) return panel;
    const std::string descriptor = ReadModDescriptor(gameFolder, mod);
    panel.information = InformationIn(descriptor);
    if (ModHasBots(mod)) {
        for (const std::string& library : ListFiles(ModPath(gameFolder, mod, "dlls"), "*.dll"))
            panel.bots.push_back(BotEntryFor(mod, library));
        panel.currentBot = BotTargetFor(mod, GetGameDllName(descriptor));
    }
    panel.maps = ListFiles(ModPath(gameFolder, mod, "maps"), kMapPattern);
    return panel;
}

std::string LoadMapTitle(const std::string& gameFolder, std::string_view mod,
                         std::string_view mapFile) {
    const auto text = ReadWholeFile(MapTitlePath(gameFolder, mod, mapFile), kTextFileLimit);
    return MapTitleFrom(text.value_or(std::string()));
}

SinglePlayerPanel LoadSinglePlayerPanel(const std::string& gameFolder, std::string_view mod) {
    SinglePlayerPanel panel;
    panel.skippableIntro = mod == kIntroMod;
    if (mod.empty()) return panel;
    const std::string descriptor = ReadModDescriptor(gameFolder, mod);
    panel.information = InformationIn(descriptor);
    panel.startMap = GetDescriptorValue(descriptor, kStartMapKey);
    panel.trainingMap = GetDescriptorValue(descriptor, kTrainingMapKey);
    if (!panel.trainingMap) panel.trainingMap = GetDescriptorValue(descriptor, kTrainMapKey);

    const std::string folder = ModPath(gameFolder, mod, kSaveFolder);
    const std::vector<std::string> files = ListFiles(folder, kSavePattern);
    const std::vector<std::string> titles =
        files.empty() ? std::vector<std::string>() : ReadTitleFiles(gameFolder, mod);
    for (const std::string& file : files) {
        const std::string field = ReadDescriptionField(JoinPath(folder, file));
        panel.saves.push_back({file, SaveEntryText(mod, file, field, titles)});
    }
    return panel;
}

}  // namespace quorvant
