#pragma once

#include <string>
#include <string_view>

namespace quorvant {

// The first entry of a map list, standing for no map chosen.
inline constexpr char kNoMapEntry[] = "(None)";
inline constexpr char kMapPattern[] = "*.bsp";

// The title file of a map: the map file's path with its last three characters made "txt".
std::string MapTitlePath(const std::string& gameFolder, std::string_view mod,
                         std::string_view mapFile);

// A title file's first line, up to its first CR (or LF, for a file from another system); none
// without one.
std::string MapTitleFrom(std::string_view text);

}  // namespace quorvant
