#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// std::filesystem's paths from and to the byte strings the rest of the program holds paths in:
// the system's own 8-bit encoding. On Windows that is the ANSI code page, which the standard
// library of mingw-w64 takes one way and not the other (it makes UTF-8 of a path).
namespace quorvant {

std::filesystem::path PathOf(std::string_view bytes);
std::string BytesOf(const std::filesystem::path& path);

}  // namespace quorvant
