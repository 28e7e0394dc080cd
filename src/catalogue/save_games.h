#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the saved-game list shows of a save file: a readable description taken from a field
// inside the file, with a prefix for quick saves and automatic saves.
namespace quorvant {

inline constexpr std::string_view kSaveFolder = "Save";
inline constexpr std::string_view kSavePattern = "*.sav";
inline constexpr std::uint64_t kDescriptionOffset = 4242;
inline constexpr std::size_t kDescriptionLength = 70;
inline constexpr std::size_t kDescriptionTimeLength = 5;

// "[Quick] ", "[Auto] " or nothing, by the file name's beginning in any case.
std::string_view SavePrefix(std::string_view fileName);

// The entry for a save file of `mod` whose description field holds `field`. A field shorter
// than usual (a short file) is shown with what it holds. A description that is a message name
// ("#C0A0TITLE", as newer versions of the game write) shows the message's text from the first of
// `titleFiles` that has it; a field without any printable character shows the file's name
// without its extension.
std::string SaveEntryText(std::string_view mod, std::string_view fileName, std::string_view field,
                          std::span<const std::string> titleFiles = {});

// The text of the message `name` (in any case) in the text of a titles.txt file: the lines
// between the "{" and "}" lines that follow its name line, trimmed and joined by one blank.
std::optional<std::string> TitleText(std::string_view titles, std::string_view name);

// The texts of the mod's message files that exist: resource/titles.txt, then titles.txt.
std::vector<std::string> ReadTitleFiles(const std::string& gameFolder, std::string_view mod);

// The description field of a save file: whatever part of it the file holds.
std::string ReadDescriptionField(const std::string& path);

}  // namespace quorvant
