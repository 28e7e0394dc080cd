#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The mod descriptor liblist.gam as this program sees it: one text searched for a key's letters
// (case-sensitive, first occurrence, no word boundaries), whose value is the text between the
// next two double quotes. Nothing else in the file is interpreted or changed.
namespace quorvant {

inline constexpr std::string_view kDescriptorFileName = "liblist.gam";
inline constexpr std::string_view kGameKey = "game";
inline constexpr std::string_view kVersionKey = "version";
inline constexpr std::string_view kUrlKey = "url_info";
inline constexpr std::string_view kGameDllKey = "gamedll";
inline constexpr std::string_view kStartMapKey = "startmap";
inline constexpr std::string_view kTrainingMapKey = "trainingmap";
inline constexpr std::string_view kTrainMapKey = "trainmap";

// The largest descriptor read: its positions are 16-bit numbers, so it stays below 32,768 bytes.
inline constexpr std::size_t kDescriptorLimit = 32767;

// The game library's folder prefix inside the gamedll value ("dlls\" or "dlls/"), kept as is.
inline constexpr std::size_t kGameDllPrefixLength = 5;

// The file or folder `name` inside the mod's folder, found in any case.
std::string ModPath(const std::string& gameFolder, std::string_view mod, std::string_view name);

std::string DescriptorPath(const std::string& gameFolder, std::string_view mod);

// The descriptor's whole text; the empty text when it is missing or unreadable.
std::string ReadModDescriptor(const std::string& gameFolder, std::string_view mod);

bool DescriptorHasKey(std::string_view text, std::string_view key);

// The key's value, or nothing when the key is absent. A key without two double quotes after it
// has the empty value.
std::optional<std::string> GetDescriptorValue(std::string_view text, std::string_view key);

// Where the gamedll key stands, as the game reads the file: its tokens (console_script.h) in
// pairs of a key and a value, the first pair keyed gamedll; never in a "//" comment, never
// another system's gamedll_linux or gamedll_osx. npos when there is none.
std::size_t FindGameDllKey(std::string_view text);

// The current game library's file name: the gamedll value without its five-character folder
// prefix; for a value without that prefix, what follows its last folder separator, or the whole
// value when it names a bare file.
std::string GetGameDllName(std::string_view text);

// Whether the gamedll value names a library of the mod's own dlls folder: "dlls\" or "dlls/".
bool GameDllInModFolder(std::string_view text);

// The text with the game library's file name replaced by `fileName`, everything else unchanged;
// nothing when the text has no gamedll value that can be edited safely.
std::optional<std::string> WithGameDll(std::string_view text, std::string_view fileName);

// What a launch knows of the bot list: whether the mod selection found the descriptor's library
// among its entries, and whether the user has chosen an entry since.
struct BotListState {
    bool libraryListed = true;
    bool chosenByUser = false;
};

// The text as a launch leaves it for the chosen library `fileName`. A descriptor that loads a
// library from elsewhere than the mod's dlls folder (a plugin loader) which the list does not
// show stays as it is until the user chooses an entry; then its whole value becomes "dlls\"
// and the chosen file, never the loader's path with the new name. Every other descriptor gets
// WithGameDll.
std::optional<std::string> WithBotLibrary(std::string_view text, std::string_view fileName,
                                          BotListState list);

enum class GameDllWrite { Written, NotEditable, WriteFailed };

// Puts `fileName` into the mod's gamedll value, as WithBotLibrary does for `list`, and writes
// the descriptor back in one piece. Given `listShows`, whether the list shows the descriptor's
// library is asked of it for the library the descriptor loads as it is read here: one installed
// since the list was filled (a plugin loader) is not taken for a listed one.
GameDllWrite SetGameDll(const std::string& gameFolder, std::string_view mod,
                        std::string_view fileName, BotListState list = {},
                        const std::function<bool(std::string_view library)>& listShows = {});

}  // namespace quorvant
