#include "catalogue/resource_list.h"

#include <filesystem>
#include <system_error>

#include "app/file_system.h"
#include "app/native_path.h"

namespace quorvant {

std::optional<ResourceList> ResourceListOf(const std::string& gameFolder, const std::string& mod,
                                           const MapCheck& check) {
    if (!check.readable || check.file.empty()) return std::nullopt;
    const std::size_t slash = check.file.find_last_of("/\\");
    const std::string mapName = check.file.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::string stem = mapName.substr(0, mapName.rfind('.'));
    ResourceList list;
    const std::string maps = ResolveIgnoringCase(ResolveIgnoringCase(gameFolder, mod), "maps");
    list.path = ResolveIgnoringCase(maps, stem + ".res");
    list.name = list.path.substr(maps.size() + 1);
    list.text = "// " + stem + ": the files clients download with this map\r\n";
    for (const std::string& file : check.downloadable) list.text += file + "\r\n";
    std::error_code error;
    list.exists = std::filesystem::exists(PathOf(list.path), error);
    return list;
}

}  // namespace quorvant
