// Captions over the card table: their lives, the points row's layout and the
// walk that tolerates captions leaving their list.
#include "effects/captions.h"

#include <gtest/gtest.h>

#include <string>

#include "app/globals.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

class CaptionsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string here = platform::currentFolder();
        ASSERT_TRUE(platform::changeFolder(FIELDSTACK_GAME_DIR));
        setupCaptions();
        platform::changeFolder(here);
    }
    void SetUp() override {
        frameDelta = 1.0f;
        platform::setManualClock(1000);
    }
    void TearDown() override { platform::clearManualClock(); }

    // Runs frames of the list (one 60 Hz frame of clock each) until it is
    // empty or the limit is reached; the number of frames run.
    int runUntilEmpty(CaptionList& list, int limit) {
        int frames = 0;
        while (!list.empty() && frames < limit) {
            platform::advanceManualClock(17);
            updateCaptions(&list);
            ++frames;
        }
        return frames;
    }
};

TEST_F(CaptionsTest, PointsRowStaysOnScreenAndSkipsAMissingWord) {
    ASSERT_TRUE(plusImage && digitImages[5] && digitImages[0]);
    CaptionList list;
    auto row = createTextCaption(9, 500, 400.0f, 300.0f, 0, &list);
    ASSERT_EQ(row->valueList.size(), 3u);
    EXPECT_EQ(row->valueList[0], digitImages[5]);
    EXPECT_EQ(row->valueList[2], digitImages[0]);
    EXPECT_EQ(row->x, 400.0f);

    const float width = static_cast<float>(platform::imageWidth(plusImage) + platform::imageWidth(digitImages[5]) +
                                           2 * platform::imageWidth(digitImages[0]) + 10);
    EXPECT_EQ(createTextCaption(9, 500, 20.0f, 300.0f, 0, &list)->x, 50.0f);
    EXPECT_EQ(createTextCaption(9, 500, 940.0f, 300.0f, 0, &list)->x, 950.0f - width);
    // A negative number shows its digits only.
    EXPECT_EQ(createTextCaption(2, -25, 400.0f, 300.0f, 0, &list)->valueList.size(), 2u);
}

TEST_F(CaptionsTest, EveryKindComesToItsEnd) {
    CaptionList list;
    auto row = createTextCaption(2, 75, 400.0f, 300.0f, 0, &list);
    const int faded = runUntilEmpty(list, 1000);  // fades over 100 frames (float steps) while rising
    EXPECT_GE(faded, 100);
    EXPECT_LE(faded, 101);
    EXPECT_LT(row->y, 300.0f);

    // Held for 0 ms: removed right after it switches, about 100 frames in.
    createImgCaption(captionEffectImages[6], 512.0f, 184.0f, 0, &list);
    const int held = runUntilEmpty(list, 1000);
    EXPECT_GE(held, 100);
    EXPECT_LE(held, 102);

    // Spinning in for 3 s, then fading out in 25 frames.
    createSpecImgCaption(captionEffectImages[10], 512.0f, 384.0f, 3000, &list);
    const int spun = runUntilEmpty(list, 1000);
    EXPECT_GE(spun, 3000 / 17);
    EXPECT_LE(spun, 3000 / 17 + 27);
}

TEST_F(CaptionsTest, SpinCutShortJumpsToItsPlainLookAndFades) {
    CaptionList list;
    auto spin = createSpecImgCaption(captionEffectImages[0], 512.0f, 384.0f, 100, &list);
    for (int i = 0; i < 7; ++i) {
        platform::advanceManualClock(17);
        updateCaptions(&list);
    }
    EXPECT_EQ(spin->dp, 0.0f);
    EXPECT_EQ(spin->r, 0.0f);
    EXPECT_LT(spin->p, 1.0f);
    EXPECT_FALSE(list.empty());
    EXPECT_LE(runUntilEmpty(list, 100), 26);
}

TEST_F(CaptionsTest, CaptionsLeavingDuringTheWalkDoNotSkipTheNext) {
    CaptionList list;
    auto first = createTextCaption(2, 1, 400.0f, 300.0f, 0, &list);
    auto second = createTextCaption(2, 2, 400.0f, 340.0f, 0, &list);
    first->a = 0.01f;  // leaves on the next update
    const float before = second->y;
    updateCaptions(&list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front(), second);
    EXPECT_LT(second->y, before);
}

TEST_F(CaptionsTest, EffectPicturesOutsideTheTableAreNone) {
    EXPECT_TRUE(captionEffectImage(15));
    EXPECT_FALSE(captionEffectImage(16));
    EXPECT_FALSE(captionEffectImage(-1));
}

}  // namespace
