#pragma once

#include <iterator>
#include <type_traits>
#include <vector>

#include "app/background_work.h"

namespace quorvant {

// `look` applied to each of `items`, in their order, with the second half done on another
// thread: for looking into hundreds of files, which mostly waits on the system.
template <typename Item, typename Look>
auto InTwoHalves(const std::vector<Item>& items, Look look)
    -> std::vector<std::invoke_result_t<Look&, const Item&>> {
    using Result = std::invoke_result_t<Look&, const Item&>;
    const auto lookInto = [&look](auto first, auto last) {
        std::vector<Result> results;
        results.reserve(std::size_t(last - first));
        for (auto item = first; item != last; ++item) results.push_back(look(*item));
        return results;
    };
    const auto middle = items.begin() + std::ptrdiff_t(items.size() / 2);
    auto second = InBackground([&] { return lookInto(middle, items.end()); });
    std::vector<Result> results = lookInto(items.begin(), middle);
    std::vector<Result> rest = second.get();
    results.insert(results.end(), std::make_move_iterator(rest.begin()),
                   std::make_move_iterator(rest.end()));
    return results;
}

}  // namespace quorvant
