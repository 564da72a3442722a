#include "gui/rgm_animation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gui/gui_test_support.h"
#include "platform/system.h"

namespace {

// Lets the next updateMe see its frame time as passed.
void stepFrame(TRGMAnimation& a) {
    a._animTime = platform::millisecs() - 1;
    a.updateMe(0, 0);
}

std::shared_ptr<TRGMAnimation> fromScheme(const std::string& scheme, std::string* reports = nullptr) {
    auto a = std::make_shared<TRGMAnimation>();
    std::string err = reportsOf([&] { a->interpretujSchemat(scheme); });
    if (reports) *reports = err;
    return a;
}

TEST(RgmAnimationTest, HeadersGiveNameIntervalAndLoop) {
    auto a = fromScheme("[NORMAL 120 LOOP] 1 2 3 2 [blink 60] 4 5");
    ASSERT_EQ(a->animsList.size(), 2u);
    const TRGMAnim& normal = *a->animsList[0];
    EXPECT_EQ(normal.id, "NORMAL");
    EXPECT_EQ(normal.interwal, 120);
    EXPECT_EQ(normal.loop, 1);
    EXPECT_EQ(normal.maxFrames, 4);
    EXPECT_EQ(normal.frame[3], 2);
    EXPECT_EQ(a->animsList[1]->id, "BLINK");
    EXPECT_EQ(a->animsList[1]->loop, 0);
    EXPECT_EQ(a->allFrames, 5);  // 1 2 3 4 5 are the distinct pieces
    EXPECT_EQ(a->aktAnim, a->animsList[0]);
}

TEST(RgmAnimationTest, StripCellCountIsTheNumberOfDistinctPieces) {
    struct Case {
        const char* scheme;
        int cells;
    } cases[] = {
        {"[NORMAL] 1 2 [OTHER] 2 1", 2},
        {"[NORMAL 100] 2 0 1", 3},
        {"[NORMAL]", 0},
        {"[NORMAL] 01 1", 2},  // compared as text
    };
    for (const Case& c : cases) EXPECT_EQ(fromScheme(c.scheme)->allFrames, c.cells) << c.scheme;
}

TEST(RgmAnimationTest, NonLoopingAnimationShowsNothingThenItsFramesAndKeepsTheLast) {
    auto a = fromScheme("[NORMAL 100] 2 0 1");
    EXPECT_EQ(a->currentCell(), -1);
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        stepFrame(*a);
        seen.push_back(a->currentCell());
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 0, 1, 1, 1}));
    EXPECT_EQ(a->_wykonano, 1);
}

TEST(RgmAnimationTest, LoopingAnimationShowsNothingForOneIntervalAndStartsAgain) {
    auto a = fromScheme("[NORMAL LOOP] 0 1");
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        stepFrame(*a);
        seen.push_back(a->currentCell());
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, -1, 0}));
}

TEST(RgmAnimationTest, FrameBeforeItsTimeDoesNotAdvance) {
    auto a = fromScheme("[NORMAL 100000] 0");
    a->updateMe(0, 0);
    EXPECT_EQ(a->_frame, 0);
}

TEST(RgmAnimationTest, SchemeWithoutNormalIsReportedAndDoesNothing) {
    std::string err;
    auto a = fromScheme("[BLINK 60] 0 1", &err);
    EXPECT_NE(err.find("Schemat :[BLINK 60] 0 1 - nie uwzglednil animacji NORMAL!"), std::string::npos) << err;
    EXPECT_EQ(a->aktAnim, nullptr);
    stepFrame(*a);
    EXPECT_EQ(a->currentCell(), -1);
    a->draw(0, 0);
}

TEST(RgmAnimationTest, TextBeforeTheFirstBracketIsReportedAndIgnored) {
    std::string err;
    auto a = fromScheme("junk 7 [NORMAL] 0", &err);
    EXPECT_NE(err.find("Nieprawidlowa definicja schematu : junk 7 [NORMAL] 0"), std::string::npos) << err;
    ASSERT_EQ(a->animsList.size(), 1u);
    EXPECT_EQ(a->allFrames, 1);
}

TEST(RgmAnimationTest, UnbalancedHeaderBracketIsReported) {
    std::string err;
    auto a = fromScheme("[NORMAL 50 0 1", &err);
    EXPECT_NE(err.find("BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :[NORMAL 50 0 1"),
              std::string::npos)
        << err;
    err.clear();
    fromScheme("[NORMAL] 0 ] 1", &err);
    EXPECT_NE(err.find("BLAD! Nieprawidlowa definicja znacznika"), std::string::npos) << err;
}

TEST(RgmAnimationTest, QuotesSwitchOffBracketMatchingAndAreDropped) {
    auto a = fromScheme("[\"NORMAL\" 40] 0 \"]\" 1");
    ASSERT_EQ(a->animsList.size(), 1u);
    EXPECT_EQ(a->animsList[0]->id, "NORMAL");
    // The quoted "]" is a frame piece of its own.
    EXPECT_EQ(a->animsList[0]->maxFrames, 3);
}

TEST(RgmAnimationTest, FrameOutsideTheStripDrawsNothing) {
    auto a = fromScheme("[NORMAL] 5 -1");
    stepFrame(*a);
    EXPECT_EQ(a->currentCell(), -1);
    stepFrame(*a);
    EXPECT_EQ(a->currentCell(), -1);
}

TEST(RgmAnimationTest, PlayingAnUnknownNameIsReportedAndTheCurrentOneContinues) {
    auto a = fromScheme("[NORMAL] 0 1 [BLINK] 1");
    stepFrame(*a);
    std::string err = reportsOf([&] { a->playAnim("nope"); });
    EXPECT_NE(err.find("Animacja ktora chcesz wyswietlic, nie istnieje!"), std::string::npos) << err;
    err = reportsOf([&] { a->playAnim(""); });
    EXPECT_NE(err.find("Animacja ktora chcesz wyswietlic, nie istnieje!"), std::string::npos) << err;
    EXPECT_EQ(a->aktAnim->id, "NORMAL");
    EXPECT_EQ(a->_frame, 1);
    a->playAnim("blink");
    EXPECT_EQ(a->aktAnim->id, "BLINK");
    EXPECT_EQ(a->_frame, 0);
    EXPECT_EQ(a->_maxFrames, 1);
}

TEST(RgmAnimationTest, CreateCutsTheStripSideBySide) {
    ScratchFolder folder;
    std::string path = writePng(folder, "strip.png", 31, 8);
    auto a = TRGMAnimation::createAnimation("Logo", path, 12, 34, "[NORMAL] 0 1 2", 1, 0);
    EXPECT_EQ(a->_id, "Logo");
    EXPECT_EQ(a->_class, GUI_KIND_ANIMATION);
    EXPECT_EQ(a->_a, 0);
    EXPECT_EQ(a->dim.x, 12);
    EXPECT_EQ(a->dim.x2, 0);  // the box stays at 0
    ASSERT_NE(a->gfx, nullptr);
    EXPECT_EQ(platform::imageFrames(a->gfx), 3);
    EXPECT_EQ(platform::imageWidth(a->gfx), 10);
    EXPECT_EQ(platform::imageHeight(a->gfx), 8);

    // No frames: no strip is cut.
    auto none = TRGMAnimation::createAnimation("x", path, 0, 0, "[NORMAL]", 1, 1);
    EXPECT_EQ(none->gfx, nullptr);
}

TEST(RgmAnimationTest, HostileSchemesAreSurvived) {
    ScratchFolder folder;
    std::string path = writePng(folder, "strip.png", 8, 8);
    const char* schemes[] = {"", "[", "]", "[[[", "]]] 1", "\"", "[NORMAL \"] 1 2", "[NORMAL] 99999999999 -5",
                             "[NORMAL 99999999999 LOOP] 0", "[] [] []", "[NORMAL]    ", "[ NORMAL ] 0  0"};
    for (const char* scheme : schemes) {
        reportsOf([&] {
            auto a = TRGMAnimation::createAnimation("x", path, 0, 0, scheme, 1, 1);
            for (int i = 0; i < 3; ++i) {
                a->_animTime = platform::millisecs() - 1;
                a->update(0, 0);
                a->draw(0, 0);
            }
            EXPECT_GE(a->currentCell(), -1) << scheme;
            EXPECT_LT(a->currentCell(), std::max(a->allFrames, 1)) << scheme;
        });
    }
    // More than 100 frames: the rest is not stored.
    std::string many = "[NORMAL]";
    for (int i = 0; i < 150; ++i) many += " " + std::to_string(i % 3);
    EXPECT_EQ(fromScheme(many)->animsList[0]->maxFrames, TRGMAnim::kMaxFrames);
}

}  // namespace
