#pragma once

#include <string>

// The physical floor of each measured operation: the same folders listed and the same files
// read (and written) with plain system calls, and nothing else. Each returns a count of what
// it saw, so that the work cannot be optimised away.
namespace quorvant::bench {

std::size_t StartUpFloor(const std::string& root, const std::string& mod);
std::size_t ModSelectionFloor(const std::string& root, const std::string& mod);
std::size_t SinglePlayerSelectionFloor(const std::string& root, const std::string& mod);
std::size_t LaunchFloor(const std::string& root, const std::string& mod);
std::size_t ServerOptionsLoadFloor(const std::string& root, const std::string& mod);
std::size_t ServerOptionsSaveFloor(const std::string& root, const std::string& mod);

}  // namespace quorvant::bench
