#include "app/ekran.h"

#include <gtest/gtest.h>

#include "app/globals.h"

namespace {

class EkranTest : public ::testing::Test {
protected:
    void SetUp() override { frameDelta = 1.0f; }
};

TEST_F(EkranTest, NewScreenIsFullyShownWithoutOverlay) {
    TEkran s;
    EXPECT_EQ(s.alpha, 1.0f);
    EXPECT_EQ(s.dAlpha, 1.0f);
    EXPECT_EQ(s.fade, 0.0f);
    EXPECT_EQ(s.dFade, 0.0f);
    EXPECT_EQ(s.id, "Screen Object");
    EXPECT_EQ(s.Gui, nullptr);
    // Without a GUI every base operation is harmless.
    s.update();
    s._updateGui();
    s._drawGui();
    s.draw();
    s._drawFade();
}

TEST_F(EkranTest, FadeLandsExactlyOnItsTargetAndEnds) {
    TEkran s;
    s.fade = 0.5f;
    s.dFade = 1.0f;
    int frames = 0;
    while (!s.fadeOutComplete()) {
        s._updateFade();
        ++frames;
        ASSERT_LE(s.fade, 1.0f);
        ASSERT_LT(frames, 100);
    }
    EXPECT_EQ(s.fade, 1.0f);
    EXPECT_GE(frames, 10);
    EXPECT_LE(frames, 11);
}

TEST_F(EkranTest, FullAlphaChangeTakesTwentyFramesAndProgressTwoHundred) {
    TEkran s;
    s.dAlpha = 0.0f;
    int frames = 0;
    while (!s.alphaOutComplete() && frames < 1000) {
        s._updateAlpha();
        ++frames;
    }
    // 0.05 per frame in float arithmetic may need one extra step to settle.
    EXPECT_GE(frames, 20);
    EXPECT_LE(frames, 21);

    s.p = 1.0f;
    s.dp = 0.0f;
    frames = 0;
    while (!s.progressOutComplete() && frames < 1000) {
        s._updatePer();
        ++frames;
    }
    EXPECT_GE(frames, 200);
    EXPECT_LE(frames, 201);
}

TEST_F(EkranTest, LargeDeltaReachesTargetInOneFrameWithoutOvershoot) {
    TEkran s;
    frameDelta = 500.0f;  // a stall
    s.alpha = 0.0f;
    s.dAlpha = 1.0f;
    s.fade = 1.0f;
    s.dFade = 0.0f;
    s.p = 0.0f;
    s.dp = 2.0f;  // targets outside 0..1 are reached like any other
    s._updateAlpha();
    s._updateFade();
    s._updatePer();
    EXPECT_EQ(s.alpha, 1.0f);
    EXPECT_EQ(s.fade, 0.0f);
    EXPECT_EQ(s.p, 2.0f);
}

TEST_F(EkranTest, StandardDataLeavesProgressAlone) {
    TEkran s;
    s.alpha = 0.2f;
    s.dAlpha = 0.0f;
    s.fade = 0.7f;
    s.dFade = 1.0f;
    s.p = 0.0f;
    s.dp = 0.0f;
    s.STANDARD_DATA();
    EXPECT_EQ(s.alpha, 1.0f);
    EXPECT_EQ(s.dAlpha, 1.0f);
    EXPECT_EQ(s.fade, 0.0f);
    EXPECT_EQ(s.dFade, 0.0f);
    // A screen whose exit test includes the progress ending and leaves p and
    // dp at 0 ends after its first frame.
    EXPECT_TRUE(s.progressOutComplete());
}

TEST_F(EkranTest, RunFramesEndsAfterTheFrameInWhichTheEndingCompletes) {
    TEkran s;
    s.fade = 0.0f;
    s.dFade = 1.0f;
    int frames = 0;
    s.runFrames(
        [&] {
            ++frames;
            s._updateFade();
        },
        [&] { return s.fadeOutComplete(); });
    EXPECT_EQ(s._exit, 1);
    EXPECT_EQ(s.fade, 1.0f);
    EXPECT_GE(frames, 20);
    EXPECT_LE(frames, 21);
}

TEST_F(EkranTest, SendPixMapRecordsTheLastScreen) {
    TEkran a, b;
    a.sendPixMap();
    EXPECT_EQ(lastScreen, &a);
    b.sendPixMap();
    EXPECT_EQ(lastScreen, &b);
    lastScreen = nullptr;
}

}  // namespace
