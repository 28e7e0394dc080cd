#include "catalogue/map_titles.h"

#include "app/file_system.h"
#include "catalogue/descriptor.h"

namespace quorvant {

std::string MapTitlePath(const std::string& gameFolder, std::string_view mod,
                         std::string_view mapFile) {
    std::string titleFile(
        mapFile.substr(0, mapFile.size() - std::min<std::size_t>(3, mapFile.size())));
    titleFile += "txt";
    return ResolveIgnoringCase(ModPath(gameFolder, mod, "maps"), titleFile);
}

std::string MapTitleFrom(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end));
}

}  // namespace quorvant
