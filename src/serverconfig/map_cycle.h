#pragma once

#include <string>
#include <string_view>
#include <vector>

// The map rotation of a mod's server, mapcycle.txt: comment lines ("//" first) and one map name
// per line, each line ended by CR LF.
namespace quorvant {

struct MapCycle {
    std::string comments;           // the comment lines in file order, each with its CR LF
    std::vector<std::string> maps;  // whole lines: not trimmed, not split, not checked
};

// Lines end with CR LF, LF or CR. Blank lines and lines made only of NUL bytes are dropped; a
// last line without a line end counts as much as any other.
MapCycle ParseMapCycle(std::string_view text);

// The comments first, then the maps in order, each with its CR LF, then one more CR LF. Parsing
// the result gives the same cycle back.
std::string FormatMapCycle(const MapCycle& cycle);

std::string MapCyclePath(const std::string& gameFolder, std::string_view mod);

}  // namespace quorvant
