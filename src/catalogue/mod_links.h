#pragma once

#include <string>
#include <string_view>

// What the main window's links open for the selected mod.
namespace quorvant {

// The address a link caption stands for: the caption itself when it starts with "http" (a
// secure address too), otherwise the caption after "http://". None for an empty caption.
std::string LinkAddress(std::string_view caption);

// The mod's message of the day, shown to players joining its server.
std::string MessageOfTheDayPath(const std::string& gameFolder, std::string_view mod);

}  // namespace quorvant
