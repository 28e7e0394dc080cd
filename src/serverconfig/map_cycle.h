#pragma once

#include <string>
#include <string_view>
#include <vector>

// The map rotation of a mod's server, mapcycle.txt: comment lines ("//" first) and one map name
// per line. Lines end with CR LF, LF or CR.
namespace quorvant {

struct MapCycle {
    std::string comments;           // the comment lines in file order, each with its CR LF
    std::vector<std::string> maps;  // whole lines: not trimmed, not split, not checked
};

// Blank lines and lines made only of NUL bytes are no maps; a last line without a line end
// counts as much as any other.
MapCycle ParseMapCycle(std::string_view text);

// The text with `maps` in the places of its maps, in order: every other line stays where it is,
// with its own line end. Maps beyond the text's own follow its last map, each ended with the
// line end the text uses; map lines beyond `maps` go, each with its line end. With the text's
// own maps, the text comes back as it was.
std::string WithMaps(std::string_view text, const std::vector<std::string>& maps);

std::string MapCyclePath(const std::string& gameFolder, std::string_view mod);

}  // namespace quorvant
