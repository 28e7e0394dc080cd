#include "app/installation_discovery.h"

#include "app/file_system.h"

namespace quorvant {

std::string DefaultGameFolder(std::string_view drive) {
    return JoinPath(JoinPath(drive, "Sierra"), "Half-Life");
}

bool FolderHoldsGame(std::string_view folder) {
    return FileSearchMatches(JoinPath(folder, kGameExecutableProbe));
}

std::optional<std::string> DiscoverGameFolder(std::string storedFolder,
                                              const std::string& defaultFolder,
                                              DiscoveryDialogue& dialogue) {
    std::string folder = std::move(storedFolder);
    if (folder.empty()) folder = dialogue.RegisteredGameFolder();
    // Nothing known and nothing at the default place: ask at once, without a reproach.
    bool askFirst = false;
    if (folder.empty()) {
        if (FolderHoldsGame(defaultFolder)) {
            folder = defaultFolder;
        } else {
            askFirst = true;
        }
    }
    for (;;) {
        if (!askFirst) {
            if (FolderHoldsGame(folder)) return folder;
            dialogue.ShowMessage(kIncorrectFolderMessage);
            dialogue.ForgetStoredGameFolder();
        }
        askFirst = false;
        folder = dialogue.AskForFolder(kAskFolderPrompt, kAskFolderTitle, defaultFolder);
        if (folder.empty()) return std::nullopt;
    }
}

}  // namespace quorvant
