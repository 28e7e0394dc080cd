#include "catalogue/resource_list.h"

#include "app/file_system.h"

namespace quorvant {

std::string ResourceListText(std::string_view map, const std::vector<std::string>& files) {
    std::string text = "// ";
    text.append(map).append(": the files clients download with this map\r\n");
    for (const std::string& file : files) text.append(file).append("\r\n");
    return text;
}

std::string ResourceListPath(const std::string& mapPath) {
    const std::size_t slash = mapPath.find_last_of("/\\");
    const std::size_t dot = mapPath.rfind('.');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t stemEnd = dot == std::string::npos || dot < nameAt ? mapPath.size() : dot;
    const std::string folder = mapPath.substr(0, slash == std::string::npos ? 0 : slash);
    return ResolveIgnoringCase(folder, mapPath.substr(nameAt, stemEnd - nameAt) + ".res");
}

}  // namespace quorvant
