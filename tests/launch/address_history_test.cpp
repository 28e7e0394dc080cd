#include "launch/address_history.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvant {
namespace {

using History = std::array<std::string, kAddressHistorySize>;

TEST(RememberAddress, AKnownAddressKeepsTheOrder) {
    History history{"a", "b", "c", "d", ""};
    RememberAddress(history, std::string("c"));
    EXPECT_EQ(history, (History{"a", "b", "c", "d", ""}));
}

TEST(RememberAddress, ANewAddressGoesFirstAndTheOldestFallsOut) {
    History history{"a", "b", "c", "d", "e"};
    RememberAddress(history, std::string("f"));
    EXPECT_EQ(history, (History{"f", "a", "b", "c", "d"}));
    History partial{"a", "b", "", "", ""};
    RememberAddress(partial, std::string("c"));
    EXPECT_EQ(partial, (History{"c", "a", "b", "", ""}));
}

TEST(RememberAddress, AFreeFirstSlotIsFilledWithoutShifting) {
    History history{"", "b", "c", "", ""};
    RememberAddress(history, std::string("z"));
    EXPECT_EQ(history, (History{"z", "b", "c", "", ""}));
}

}  // namespace
}  // namespace quorvant
