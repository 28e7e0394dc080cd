#include "catalogue/mod_links.h"

#include "catalogue/descriptor.h"

namespace quorvant {

std::string LinkAddress(std::string_view caption) {
    if (caption.empty()) return {};
    if (caption.starts_with("http")) return std::string(caption);
    return "http://" + std::string(caption);
}

std::string MessageOfTheDayPath(const std::string& gameFolder, std::string_view mod) {
    return ModPath(gameFolder, mod, "motd.txt");
}

}  // namespace quorvant
