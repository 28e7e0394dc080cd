#include "launch/command_line.h"

#include <algorithm>
#include <vector>

#include "app/file_system.h"
#include "serverconfig/console_script.h"

namespace quorvant {
namespace {

// Options for the game's own window; a dedicated server has none, whatever the panel.
void AppendClientOptions(const LaunchChoices& choices, std::string& arguments) {
    if (choices.dedicated) return;
    if (choices.developer) arguments += " -dev";
    if (choices.console) arguments += " -console";
    if (choices.lowMemory) arguments += " -noipx -nojoy";
    if (!choices.heapSize.empty()) arguments += " -heapsize " + choices.heapSize;
}

void AppendJoin(const LaunchChoices& choices, std::string& arguments) {
    arguments += " +connect " + choices.address;
    if (!choices.joinPort.empty()) arguments += ":" + choices.joinPort;
    if (!choices.password.empty()) arguments += " +password " + choices.password;
}

// Map entries carry their four-character extension, which the game does not want.
bool NamesAMap(const std::string& entry) { return entry.size() > 4 && entry != kNoMapEntry; }

void AppendCreate(const LaunchChoices& choices, std::string& arguments) {
    arguments += " -game " + choices.mod;
    if (!choices.serverPort.empty()) arguments += " -port " + choices.serverPort;
    if (NamesAMap(choices.map))
        arguments += " +map " + choices.map.substr(0, choices.map.size() - 4);
    arguments += " +maxplayers " + (choices.maxPlayers.empty() ? "1" : choices.maxPlayers);
}

void AppendSinglePlayer(const LaunchChoices& choices, std::string& arguments) {
    arguments += " -game " + choices.singlePlayerMod;
    switch (choices.start) {
        case SinglePlayerStart::NewGame:
            arguments += " +map " + (choices.skipIntro ? kSkipIntroMap : choices.startMap);
            if (choices.skill >= 1 && choices.skill <= 3) {
                arguments += " +skill " + std::to_string(choices.skill);
            }
            break;
        case SinglePlayerStart::TrainingMap:
            arguments += " +map " + choices.trainingMap;
            break;
        case SinglePlayerStart::SavedGame:
            arguments += std::string(" -toconsole +exec ") + kLoadScriptName;
            break;
        case SinglePlayerStart::None:
            break;
    }
}

}  // namespace

LaunchCommand BuildLaunchCommand(const LaunchChoices& choices) {
    std::string executable = choices.executable;
    std::string arguments;
    AppendClientOptions(choices, arguments);
    switch (choices.kind) {
        case LaunchKind::Join:
            AppendJoin(choices, arguments);
            break;
        case LaunchKind::Create:
            AppendCreate(choices, arguments);
            if (choices.dedicated) executable = kDedicatedServerExecutable;
            break;
        case LaunchKind::SinglePlayer:
            AppendSinglePlayer(choices, arguments);
            break;
        case LaunchKind::MultiplayerOther:
        case LaunchKind::OptionsOnly:
            break;
    }
    return {JoinPath(choices.gameFolder, executable), arguments};
}

LaunchCommand ShownCommand(const LaunchChoices& choices) {
    LaunchChoices shown = choices;
    if (!shown.password.empty()) shown.password = "******";
    return BuildLaunchCommand(shown);
}

std::optional<std::string> NameTheGameCannotLoad(const LaunchChoices& choices) {
    std::vector<std::string_view> names;
    if (choices.kind == LaunchKind::Create) names = {choices.mod, choices.map};
    if (choices.kind == LaunchKind::SinglePlayer) {
        names = {choices.singlePlayerMod};
        if (choices.start == SinglePlayerStart::NewGame && !choices.skipIntro)
            names.push_back(choices.startMap);
        if (choices.start == SinglePlayerStart::TrainingMap) names.push_back(choices.trainingMap);
    }
    for (std::string_view name : names) {
        const bool splits = std::any_of(name.begin(), name.end(), [](char c) {
            return static_cast<unsigned char>(c) <= ' ' || c == 0x7f;
        });
        if (splits) return std::string(name);
    }
    return std::nullopt;
}

std::optional<std::string> LoadScriptFor(const std::string& saveFileName) {
    if (!IsConsoleArgument(saveFileName)) return std::nullopt;
    return "load \"" + saveFileName + "\"\r\n";
}

}  // namespace quorvant
