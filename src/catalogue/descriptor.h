#pragma once

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

// The current game library's file name: the gamedll value without its five-character folder
// prefix; for a value without that prefix, what follows its last folder separator, or the whole
// value when it names a bare file.
std::string GetGameDllName(std::string_view text);

// The text with the game library's file name replaced by `fileName`, everything else unchanged;
// nothing when the text has no gamedll value that can be edited safely.
std::optional<std::string> WithGameDll(std::string_view text, std::string_view fileName);

enum class GameDllWrite { Written, NotEditable, WriteFailed };

// Puts `fileName` into the mod's gamedll value and writes the descriptor back in one piece.
GameDllWrite SetGameDll(const std::string& gameFolder, std::string_view mod,
                        std::string_view fileName);

}  // namespace quorvant
