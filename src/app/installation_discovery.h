#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finding the game folder at start-up: the stored folder, the installer's registration, the
// default folder, Steam's libraries, and finally the user's answer, until a folder holds the game.
namespace quorvant {

inline constexpr std::string_view kGameExecutableProbe = "hl.exe";
inline constexpr std::string_view kDefaultExecutable = "hl.exe";
inline constexpr std::string_view kIncorrectFolderMessage = "Incorrect forder!";
inline constexpr std::string_view kAskFolderPrompt = "Please, enter Half-Life forder.";
inline constexpr std::string_view kAskFolderTitle = "I can't find the path!";

// What discovery needs from the rest of the program while it searches.
class DiscoveryDialogue {
  public:
    virtual ~DiscoveryDialogue() = default;
    // The folder the game's installer registered, or the empty text.
    virtual std::string RegisteredGameFolder() = 0;
    // The first folder of Steam's libraries that holds the game, or the empty text.
    virtual std::string SteamGameFolder() = 0;
    virtual void ShowMessage(std::string_view text) = 0;
    // Forgets the stored folder, so that the next start does not offer it again.
    virtual void ForgetStoredGameFolder() = 0;
    // The user's answer; the empty text when the user gave none or cancelled.
    virtual std::string AskForFolder(std::string_view prompt, std::string_view title,
                                     std::string_view defaultAnswer) = 0;
};

// The default game folder on a drive, e.g. "C:" gives "C:\Sierra\Half-Life".
std::string DefaultGameFolder(std::string_view drive);

// Whether the folder holds the game: an ordinary file named hl.exe, in any case; outside Windows
// also the game's native build.
bool FolderHoldsGame(std::string_view folder);

// The first of the folders that Steam's libraries would hold the game in that holds it, or the
// empty text.
std::string FirstFolderHoldingGame(const std::vector<std::string>& folders);

// The validated game folder, starting from the stored one (possibly empty); nothing when the
// user gave an empty answer, which ends the program.
std::optional<std::string> DiscoverGameFolder(std::string storedFolder,
                                              const std::string& defaultFolder,
                                              DiscoveryDialogue& dialogue);

}  // namespace quorvant
