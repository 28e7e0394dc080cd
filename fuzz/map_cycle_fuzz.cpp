// The map cycle's own format loads back to the same cycle, whatever the file held.
#include "fuzz_input.h"
#include "serverconfig/map_cycle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant;
    using namespace quorvant::fuzz;
    const MapCycle cycle = ParseMapCycle(FuzzInput(data, size).rest());
    for (const std::string& map : cycle.maps) {
        Require(!map.empty(), "no blank map is kept");
        Require(map.find_first_not_of('\0') != std::string::npos, "no map of NUL bytes is kept");
    }
    const std::string saved = FormatMapCycle(cycle);
    const MapCycle loaded = ParseMapCycle(saved);
    Require(loaded.maps == cycle.maps, "the maps load back in order");
    Require(loaded.comments == cycle.comments, "the comments load back");
    Require(FormatMapCycle(loaded) == saved, "saving again writes the same bytes");
    return 0;
}
