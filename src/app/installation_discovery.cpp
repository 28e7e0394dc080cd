#include "app/installation_discovery.h"

#include "app/file_system.h"
#include "app/start_plan.h"

namespace quorvant {

std::string DefaultGameFolder(std::string_view drive) {
    return JoinPath(JoinPath(drive, "Sierra"), "Half-Life");
}

bool FolderHoldsGame(std::string_view folder) {
#ifdef _WIN32
    return FileSearchMatches(JoinPath(folder, kGameExecutableProbe));
#else
    return FileSearchMatches(JoinPath(folder, kGameExecutableProbe)) || IsNativeInstall(folder);
#endif
}

std::string FirstFolderHoldingGame(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        if (FolderHoldsGame(folder)) return folder;
    }
    return {};
}

std::optional<std::string> DiscoverGameFolder(std::string storedFolder,
                                              const std::string& defaultFolder,
                                              DiscoveryDialogue& dialogue) {
    std::string folder = std::move(storedFolder);
    if (folder.empty()) folder = dialogue.RegisteredGameFolder();
    // Nothing known and nothing at the default place or in Steam: ask at once, without a
    // reproach.
    bool askFirst = false;
    if (folder.empty()) {
        folder = FolderHoldsGame(defaultFolder) ? defaultFolder : dialogue.SteamGameFolder();
        askFirst = folder.empty();
    }
    // A wrong answer is offered again, to be mended rather than typed anew.
    std::string lastAnswer;
    for (;;) {
        if (!askFirst) {
            if (FolderHoldsGame(folder)) return folder;
            dialogue.ShowMessage(kIncorrectFolderMessage);
            dialogue.ForgetStoredGameFolder();
        }
        askFirst = false;
        folder = dialogue.AskForFolder(kAskFolderPrompt, kAskFolderTitle,
                                       lastAnswer.empty() ? defaultFolder : lastAnswer);
        if (folder.empty()) return std::nullopt;
        lastAnswer = folder;
    }
}

}  // namespace quorvant
