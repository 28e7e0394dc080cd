#pragma once

#include <functional>

namespace quorvant::testing {

// Whether file permissions can be tried here: not on Windows, whose permissions are not modes.
bool CanTryPermissions();

// Runs `body` where file permissions apply: root may read and write any file, so as root the body
// runs in a child process as the user "nobody"; otherwise in this process. True when the body
// ran and returned true. Files the body should reach must be readable (or writable) by others.
bool AsOrdinaryUser(const std::function<bool()>& body);

}  // namespace quorvant::testing
