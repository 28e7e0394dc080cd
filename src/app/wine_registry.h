#pragma once

#include <optional>
#include <string>
#include <string_view>

// The registry files of a Wine prefix (system.reg, user.reg): text files of bracketed key names,
// each followed by its values, with backslash escapes. Only string values are read.
namespace quorvant {

// The largest registry file read: a prefix's registry grows with what is installed in it.
inline constexpr std::size_t kRegistryFileLimit = std::size_t(128) << 20;

// The string value `valueName` of the key `keyPath` ("Software\Microsoft\..."; keys and value
// names matched without regard to case) in a registry file's text, in the platform's narrow
// encoding (UTF-8); nothing when the key, the value or a string is not there.
std::optional<std::string> FindRegistryString(std::string_view fileText, std::string_view keyPath,
                                              std::string_view valueName);

}  // namespace quorvant
