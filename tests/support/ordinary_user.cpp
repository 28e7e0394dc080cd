#include "support/ordinary_user.h"

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#endif

namespace quorvant::testing {

#ifdef _WIN32

bool CanTryPermissions() { return false; }
bool AsOrdinaryUser(const std::function<bool()>& body) { return body(); }

#else

bool CanTryPermissions() { return true; }

bool AsOrdinaryUser(const std::function<bool()>& body) {
    if (geteuid() != 0) return body();
    constexpr uid_t kNobody = 65534;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 &&
                             setuid(kNobody) == 0 && geteuid() != 0;
        bool held = false;
        try {
            held = dropped && body();
        } catch (...) {  // the child never goes back into the test framework
        }
        std::fflush(nullptr);
        _exit(held ? 0 : 1);  // nor shuts it down
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif

}  // namespace quorvant::testing
