// The automatic player over a small layout: two rows, the lower row covering
// the upper one, and a deck holding the other two suits of every figure.
#include "cardgame/auto_player.h"

#include <gtest/gtest.h>

#include "cardgame/cardgame_test_support.h"

namespace {

TEST(AutoPlayerTest, SmallLayoutComesToItsEndAndIsClearedAtLeastOnce) {
    cardtest::loadShippedCatalogue();
    testing::internal::CaptureStderr();
    constructSingletons();
    testing::internal::GetCapturedStderr();
    const std::string path = cardtest::fixture("two_rows.dat");
    int cleared = 0;
    cardtest::inGameFolder([&] {
        for (uint32_t seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE("seed " + std::to_string(seed));
            testing::internal::CaptureStdout();  // the game's diagnostic lines
            const AutoPlayResult r = autoPlayLevel(path, seed);
            testing::internal::GetCapturedStdout();
            EXPECT_EQ(r.error, "");
            EXPECT_EQ(r.tableCards, 14);
            EXPECT_GE(r.pairs, r.cleared ? 7 : 1);
            EXPECT_GT(r.points, 0);
            EXPECT_LE(r.cardsLeft, r.tableCards);
            if (r.cleared) {
                EXPECT_EQ(r.cardsLeft, 0);
                ++cleared;
            }
        }
    });
    EXPECT_GE(cleared, 1);
    mainGame->level = nullptr;
}

}  // namespace
