#pragma once

#include <string>
#include <string_view>
#include <vector>

// The resource list of a map, maps/<map>.res: the files a client without them downloads from
// the server along with the map.
namespace quorvant {

// One path a line below the mod folder, after a comment saying what the list is; Windows line
// ends, as the game's own files have.
std::string ResourceListText(std::string_view map, const std::vector<std::string>& files);

// Where the list of the map file at `mapPath` goes: beside it, an existing list of the same name
// in another case being that list.
std::string ResourceListPath(const std::string& mapPath);

}  // namespace quorvant
