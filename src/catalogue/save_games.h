#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
// than usual (a short file) is shown with what it holds.
std::string SaveEntryText(std::string_view mod, std::string_view fileName, std::string_view field);

// The description field of a save file: whatever part of it the file holds.
std::string ReadDescriptionField(const std::string& path);

}  // namespace quorvant
