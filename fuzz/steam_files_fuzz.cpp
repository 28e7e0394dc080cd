// Steam's library list and app manifest, and a Wine prefix's registry file: files found on the
// user's disk, read at start-up.
#include "app/key_values.h"
#include "app/steam_library.h"
#include "app/wine_registry.h"
#include "fuzz_input.h"

namespace {

// Every entry lies inside the text it was read from.
std::size_t Count(const quorvant::KeyValues& entry) {
    std::size_t count = 1;
    for (const auto& child : entry.children) count += Count(child);
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant;
    using namespace quorvant::fuzz;
    FuzzInput input(data, size);
    const std::string key = input.text();
    const std::string value = input.text();
    const std::string text = input.rest();
    if (const auto file = ParseKeyValues(text)) {
        Require(Count(*file) <= text.size() + 1, "no entry is made from nothing");
    }
    for (const std::string& path : LibraryPaths(text))
        Require(path.size() <= text.size(), "a library path is read from the file's text");
    Require(InstallDirectory(text).size() <= text.size(), "the install folder is in the text");
    if (const auto found = FindRegistryString(text, key, value)) {
        // An escape gives fewer bytes than it has characters.
        Require(found->size() <= text.size(), "a registry value is read from the text");
    }
    return 0;
}
