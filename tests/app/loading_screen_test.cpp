#include "app/loading_screen.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadingScreenTest, MarksAreCentredInARow) {
    // Marks 30 wide are spaced 80 apart; five of them centre on x = 512.
    const int expected[] = {352, 432, 512, 592, 672};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(TLoadingScreen::markX(i, 5, 30, 1024.0f), expected[i - 1]);
}

}  // namespace
