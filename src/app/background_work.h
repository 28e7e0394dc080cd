#pragma once

#include <future>
#include <system_error>
#include <type_traits>

namespace quorvant {

// `work` started on another thread. Where no thread can be started (a process or thread limit),
// it runs on the caller's thread when its result is taken: slower, but the program goes on.
template <typename Work>
std::future<std::invoke_result_t<Work&>> InBackground(Work work) {
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::move(work));
    }
}

}  // namespace quorvant
