// Frame pacing: deadlines one period apart, no drift, catch-up after a small
// delay and a fresh start after a long stall.
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr double kPeriod = 1000.0 / 60.0;

TEST(FramePacerTest, FastFramesAreHeldToTheRateWithoutDrift) {
    platform::FramePacer pacer;
    double now = 0.0;
    for (int frame = 0; frame < 600; ++frame) {
        now += 3.0;  // drawing takes 3 ms
        now += pacer.delayBeforePresent(now);
    }
    // 600 frames presented: the first at once, then one every period.
    EXPECT_NEAR(now, 3.0 + 599 * kPeriod, 1e-6);
}

TEST(FramePacerTest, ASmallDelayIsMadeUpByTheNextFrames) {
    platform::FramePacer pacer;
    double now = 0.0;
    now += pacer.delayBeforePresent(now);  // frame 0 at 0
    now = kPeriod + 25.0;                  // frame 1 comes 25 ms late
    EXPECT_DOUBLE_EQ(pacer.delayBeforePresent(now), 0.0);
    now += 1.0;  // frame 2 is also past its deadline: no wait
    EXPECT_DOUBLE_EQ(pacer.delayBeforePresent(now), 0.0);
    now += 1.0;  // frame 3 is back on the original schedule
    EXPECT_NEAR(now + pacer.delayBeforePresent(now), 3 * kPeriod, 1e-9);
}

TEST(FramePacerTest, ALongStallRestartsTheScheduleInsteadOfRacing) {
    platform::FramePacer pacer;
    double now = 0.0;
    now += pacer.delayBeforePresent(now);
    now = 500.0;  // loading stalled for half a second
    EXPECT_DOUBLE_EQ(pacer.delayBeforePresent(now), 0.0);
    // The next frame waits a full period from the stall, not zero.
    now += 1.0;
    EXPECT_NEAR(pacer.delayBeforePresent(now), kPeriod - 1.0, 1e-9);
}

}  // namespace
