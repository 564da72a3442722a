#include "app/delta_time.h"

#include <gtest/gtest.h>

namespace {

int fakeNow = 0;
int fakeClock() { return fakeNow; }

class DeltaTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = TDeltaTime::clock;
        TDeltaTime::clock = fakeClock;
        fakeNow = 0;
    }
    void TearDown() override { TDeltaTime::clock = saved; }
    int (*saved)() = nullptr;
};

TEST_F(DeltaTimeTest, DeltaIsElapsedTimeOverTargetFrame) {
    TDeltaTime t;
    t.SetFPS(60.0f);
    fakeNow = 1000;
    t.Update();
    struct Case {
        int elapsed;
        float delta;
    } cases[] = {{33, 1.98f}, {16, 0.96f}, {0, 0.0f}, {17, 1.02f}};
    for (const Case& c : cases) {
        fakeNow += c.elapsed;
        t.Update();
        EXPECT_NEAR(t.CurrDelta(), c.delta, 1e-5) << c.elapsed << " ms";
    }
}

TEST_F(DeltaTimeTest, TwoTicksInTheSameMillisecondGiveExactlyZero) {
    TDeltaTime t;
    t.SetFPS(60.0f);
    fakeNow = 500;
    t.Update();
    t.Update();
    EXPECT_EQ(t.CurrDelta(), 0.0f);
}

TEST_F(DeltaTimeTest, ThirtyFramesPerSecondDoublesTheFrameLength) {
    TDeltaTime t;
    t.SetFPS(60.0f);
    t.Update();
    fakeNow = 20;
    t.Update();
    float at60 = t.CurrDelta();
    float frameAt60 = t.dDelta;
    t.SetFPS(30.0f);
    // The target frame is twice as long, so the same 20 ms are half a frame.
    EXPECT_FLOAT_EQ(t.dDelta, frameAt60 * 2.0f);
    EXPECT_FLOAT_EQ(t.CurrDelta(), at60 / 2.0f);
}

TEST_F(DeltaTimeTest, FirstTickMeasuresFromProgramStart) {
    TDeltaTime t;
    t.SetFPS(60.0f);
    fakeNow = 5000;
    t.Update();
    EXPECT_EQ(t.ElapsedTime, 5000);
}

TEST_F(DeltaTimeTest, CountsTicksPerSecondWindow) {
    TDeltaTime t;
    t.SetFPS(60.0f);
    // The first tick opens a window (CurrTime > CheckTime = 0) and is counted
    // in neither window.
    fakeNow = 1;
    t.Update();
    for (int i = 0; i < 59; ++i) {
        fakeNow += 16;
        t.Update();
    }
    EXPECT_EQ(t.FPSCounter, 59);
    fakeNow = 1002;  // past the window's end
    t.Update();
    EXPECT_EQ(t.FPS(), 59);
    EXPECT_EQ(t.FPSCounter, 0);
}

TEST_F(DeltaTimeTest, TimersRegisterAndLeaveTheList) {
    size_t before = TDeltaTime::allTimers().size();
    {
        TDeltaTime a;
        TDeltaTime* b = TDeltaTime::Create(30.0f);
        EXPECT_EQ(TDeltaTime::allTimers().size(), before + 2);
        EXPECT_FLOAT_EQ(b->dDelta, 1000.0f / 30.0f);
        delete b;
    }
    EXPECT_EQ(TDeltaTime::allTimers().size(), before);
}

}  // namespace
