// The minimised window's icon offset: centred, halves truncated toward zero.
#include "IconPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MinimisedIconOffset, TruncatesTowardZero) {
    struct Case {
        int client, icon, offset;
    };
    const Case cases[] = {
        {33, 32, 1},   // 2 / 2
        {32, 32, 0},   // 1 / 2
        {30, 32, 0},   // -1 / 2 truncates toward zero, not down to -1
        {28, 32, -1},  // -3 / 2
        {0, 32, -15},  // -31 / 2
        {160, 32, 64},
        {INT_MAX, 0, INT_MIN / 2},  // INT_MAX + 1 wraps in 32-bit arithmetic
    };
    for (const Case& c : cases)
        EXPECT_EQ(minimisedIconOffset(c.client, c.icon), c.offset) << c.client << " - " << c.icon;
}

}  // namespace
