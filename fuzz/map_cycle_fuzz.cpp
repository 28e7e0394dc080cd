// The map cycle edited in place: the file's own maps give the file back, and any list of maps
// reads back from the edited text with every other line kept.
#include "fuzz_input.h"
#include "serverconfig/map_cycle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant;
    using namespace quorvant::fuzz;
    FuzzInput input(data, size);
    const std::size_t drop = input.choice(4);
    const std::string added = input.text();
    const std::string text = input.rest();
    const MapCycle cycle = ParseMapCycle(text);
    for (const std::string& map : cycle.maps) {
        Require(!map.empty(), "no blank map is kept");
        Require(map.find_first_not_of('\0') != std::string::npos, "no map of NUL bytes is kept");
    }
    Require(WithMaps(text, cycle.maps) == text, "the file's own maps give the file back");

    // Maps dropped from the front, reversed, and one added: as the window's edits leave a list.
    std::vector<std::string> maps(cycle.maps.rbegin(), cycle.maps.rend());
    maps.erase(maps.begin(), maps.begin() + std::min(drop, maps.size()));
    const bool addable = !added.empty() && !HasAny(added, "\r\n") && !added.starts_with("//") &&
                         added.find_first_not_of('\0') != std::string::npos;
    if (addable) maps.push_back(added);
    const std::string edited = WithMaps(text, maps);
    const MapCycle loaded = ParseMapCycle(edited);
    Require(loaded.maps == maps, "the maps read back in order");
    Require(loaded.comments == cycle.comments, "the comments stay");
    Require(WithMaps(edited, maps) == edited, "saving again changes nothing");
    return 0;
}
