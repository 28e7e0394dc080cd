#include "serverconfig/map_cycle.h"

#include "catalogue/descriptor.h"

namespace quorvant {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCommentStart = "//";

}  // namespace

MapCycle ParseMapCycle(std::string_view text) {
    MapCycle cycle;
    std::size_t begin = 0;
    while (begin < text.size()) {
        // Lines end with CR LF; a file from another system may end them with LF or CR alone.
        std::size_t end = text.find_first_of(kLineEnd, begin);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(begin, end - begin);
        if (text.substr(end).starts_with(kLineEnd)) ++end;
        if (line.starts_with(kCommentStart)) {
            cycle.comments += line;
            cycle.comments += kLineEnd;
        } else if (line.find_first_not_of('\0') != std::string_view::npos) {
            // Blank lines, and lines of NUL bytes such as some stock files end with, are no maps.
            cycle.maps.emplace_back(line);
        }
        begin = end + 1;
    }
    return cycle;
}

std::string FormatMapCycle(const MapCycle& cycle) {
    std::string text = cycle.comments;
    for (const std::string& map : cycle.maps) {
        text += map;
        text += kLineEnd;
    }
    text += kLineEnd;
    return text;
}

std::string MapCyclePath(const std::string& gameFolder, std::string_view mod) {
    return ModPath(gameFolder, mod, "mapcycle.txt");
}

}  // namespace quorvant
