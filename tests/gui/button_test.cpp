#include "gui/button.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gui/gui_test_support.h"
#include "platform/font.h"
#include "platform/system.h"

namespace {

// An ANIM_BUTTON read from a scheme, without an image.
std::shared_ptr<TButton> animButton(const std::string& scheme, std::string* reports = nullptr) {
    auto b = std::make_shared<TButton>();
    b->_typ = ANIM_BUTTON;
    std::string err = reportsOf([&] { b->interpretujSchemat(scheme, TButton::kSideBySide); });
    if (reports) *reports = err;
    return b;
}

// One frame of a button under the test mouse, with its animation clock
// forced to have passed.
void frameOf(TButton& b) {
    b._animData.animTime = platform::millisecs() - 1;
    b.update(0, 0);
}

TEST(ButtonSchemeTest, NamesDurationsFlagsAndFrameCount) {
    auto b = animButton("[NORMAL] 1 [OVER(80)] 2 3 4 3 [ACTIVE(60)] 5 6 [UNACTIVE] 7");
    EXPECT_EQ(b->frames, 7);
    EXPECT_EQ(b->_overFlag, 1);
    EXPECT_EQ(b->_activeFlag, 1);
    EXPECT_EQ(b->_unactiveFlag, 1);
    EXPECT_EQ(b->_animNormal, 0);
    EXPECT_EQ(b->_animOver, 1);
    EXPECT_EQ(b->_animActive, 2);
    EXPECT_EQ(b->_animUnActive, 3);
    EXPECT_EQ(b->_animData.frameDelta[0], 500);
    EXPECT_EQ(b->_animData.frameDelta[1], 80);
    EXPECT_EQ(b->_animData.frameDelta[2], 60);
    EXPECT_EQ(b->_animData.frames[1], 4);
    EXPECT_EQ(b->aktAnim, 0);
    EXPECT_EQ(b->animCell(), 0);
}

TEST(ButtonSchemeTest, DurationNeedsExactlyOneParenthesisedText) {
    struct Case {
        const char* scheme;
        int normalMs;        // -1: NORMAL is missing
        const char* report;  // expected report, "" for none
    } cases[] = {
        {"[NORMAL(120)] 1", 120, ""},
        {"[NORMAL( 90 )] 1", 90, ""},
        {"[NORMAL(12)(5)] 1", -1, "Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:[NORMAL(12)(5)] 1"},
        {"[NORMAL(12] 1", -1, "BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :NORMAL(12"},
        {"5 [NORMAL] 1", 500, ""},  // a number before the first name is ignored
    };
    for (const Case& c : cases) {
        std::string err;
        auto b = animButton(c.scheme, &err);
        if (c.normalMs >= 0) {
            EXPECT_EQ(b->_animData.frameDelta[b->_animNormal], c.normalMs) << c.scheme;
            EXPECT_EQ(b->_animData.frames[b->_animNormal], 1) << c.scheme;
        }
        if (*c.report) {
            EXPECT_NE(err.find(c.report), std::string::npos) << c.scheme << "\n" << err;
        } else {
            EXPECT_EQ(err, "") << c.scheme;
        }
    }
}

TEST(ButtonSchemeTest, EmptySchemeIsReportedAndDrawsNothing) {
    std::string err = reportsOf([] {
        auto b = TButton::createAnimButton("a", "", 10, 10, "", TButton::kSideBySide, 1, 1);
        EXPECT_EQ(b->frames, 0);
        EXPECT_EQ(b->_image, nullptr);
        EXPECT_EQ(b->animCell(), -1);
        b->update(0, 0);
        b->draw(0, 0);
    });
    EXPECT_NE(err.find("Nieprawidlowy schemat :"), std::string::npos) << err;
}

TEST(ButtonSchemeTest, HostileSchemesAreSurvived) {
    ScratchFolder folder;
    std::string path = writePng(folder, "strip.png", 8, 8);
    const char* schemes[] = {"[", "]", "((((", "))", "[NORMAL(] 1", "[NORMAL()] 1", "[NORMAL(x)] 1",
                             "[NORMAL] 99999999999", "[NORMAL] 0", "[NORMAL(-5)] 1 2", "[ ] [ ] 3",
                             "[NORMAL] 1 [A] [B] [C] [D] [E] [F] [G] [H] [I] [J] [K] 1"};
    TestMouse m;
    for (const char* scheme : schemes) {
        for (int dir : {TButton::kSideBySide, TButton::kStacked}) {
            reportsOf([&] {
                auto b = TButton::createAnimButton("x", path, 4, 4, scheme, dir, 1, 1);
                m.moveTo(4, 4);
                for (int i = 0; i < 3; ++i) {
                    frameOf(*b);
                    b->draw(0, 0);
                }
                EXPECT_GE(b->animCell(), -1) << scheme;
                EXPECT_LT(b->animCell(), std::max(b->frames, 1)) << scheme;
            });
        }
    }
}

TEST(ButtonAnimTest, HoverSwitchesToOverOnlyAfterNormalCompletedACycle) {
    TestMouse m;
    auto b = animButton("[NORMAL] 1 2 [OVER] 3");
    b->dim = newDim(0, 0, 20, 20);
    EXPECT_EQ(b->frames, 3);
    m.moveTo(100, 100);
    frameOf(*b);
    EXPECT_EQ(b->animCell(), 1);
    m.moveTo(5, 5);  // hover in the middle of the normal cycle
    frameOf(*b);
    EXPECT_EQ(b->aktAnim, b->_animNormal);
    EXPECT_EQ(b->animCell(), 0);  // the cycle ended: back to the first frame
    EXPECT_EQ(b->_wykonano, 1);
    frameOf(*b);
    EXPECT_EQ(b->aktAnim, b->_animOver);
    EXPECT_EQ(b->animCell(), 2);
    m.moveTo(100, 100);
    frameOf(*b);
    EXPECT_EQ(b->aktAnim, b->_animNormal);
}

TEST(ButtonAnimTest, InactiveButtonPlaysUnactive) {
    TestMouse m;
    auto b = animButton("[NORMAL] 1 [UNACTIVE] 2");
    b->dim = newDim(0, 0, 20, 20);
    b->setState(1, 0);
    b->update(0, 0);
    EXPECT_EQ(b->aktAnim, b->_animUnActive);
    EXPECT_EQ(b->animCell(), 1);
    b->setState(1, 1);
    frameOf(*b);  // the one-frame row runs through
    frameOf(*b);
    EXPECT_EQ(b->aktAnim, b->_animNormal);
}

TEST(ButtonAnimTest, StackedStripCellsAreFullWidth) {
    ScratchFolder folder;
    std::string path = writePng(folder, "anim.png", 20, 31);
    auto b = TButton::createAnimButton("a", path, 100, 100, "[NORMAL] 1 2 3", TButton::kStacked, 1, 1);
    EXPECT_EQ(b->_class, GUI_KIND_BUTTON);
    EXPECT_EQ(b->_typ, ANIM_BUTTON);
    EXPECT_EQ(platform::imageFrames(b->_image), 3);
    EXPECT_EQ(b->dim.w, 20);
    EXPECT_EQ(b->dim.h, 10);
    EXPECT_EQ(b->dim.x1, 90);
    EXPECT_EQ(b->dim.y1, 95);
    EXPECT_EQ(b->dim.x2, 110);
    EXPECT_EQ(b->dim.y2, 105);
}

TEST(ButtonSimpleTest, SwellsUnderTheMouseAndSnapsBackOnClick) {
    TestMouse m;
    auto b = TButton::createSimpleButton("s", solidImage(40, 20), 0, 0, 1, 1);
    EXPECT_EQ(b->dim.x2, 40);  // a given image keeps its own handle
    m.moveTo(10, 10);
    b->update(0, 0);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.05f);
    b->update(0, 0);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.1f);
    b->update(0, 0);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.1f);
    m.press(10, 10);
    b->update(0, 0);
    EXPECT_EQ(b->_clicked, 1);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.05f);  // snapped to 1.0, then eased toward 1.1
    m.release();
    m.moveTo(100, 100);
    for (int i = 0; i < 5; ++i) b->update(0, 0);
    EXPECT_EQ(b->_buttonScale, 1.0f);
}

TEST(ButtonSimpleTest, LoadedImageIsCentred) {
    ScratchFolder folder;
    auto b = TButton::createSimpleButton("s", writePng(folder, "b.png", 40, 20), 100, 50, 1, 1);
    EXPECT_EQ(b->dim.x1, 80);
    EXPECT_EQ(b->dim.y1, 40);
    EXPECT_EQ(b->dim.x2, 120);
    EXPECT_EQ(b->dim.y2, 60);
    EXPECT_EQ(b->dim.w, 40);
}

TEST(ButtonStepTest, CellFollowsHoverPressHoldAndActivity) {
    ScratchFolder folder;
    std::string path = writePng(folder, "step.png", 40, 10);
    TestMouse m;
    auto b = TButton::createStepButton("f", path, 5, 5, TButton::kSideBySide, 1, 1);
    EXPECT_EQ(platform::imageWidth(b->_image), 10);
    EXPECT_EQ(b->dim.x1, 0);
    EXPECT_EQ(b->dim.x2, 10);
    enum Event { NONE, PRESS, RELEASE };
    struct Step {
        const char* what;
        int x, y;
        Event event;
        int active;
        int clicked;
        int cell;
    } steps[] = {
        {"away", 50, 50, NONE, 1, 0, STEP_NORMAL},      {"hover", 5, 5, NONE, 1, 0, STEP_HOVER},
        {"press", 5, 5, PRESS, 1, 1, STEP_PRESSED},     {"held", 5, 5, NONE, 1, 0, STEP_PRESSED},
        {"release", 5, 5, RELEASE, 1, 0, STEP_HOVER},   {"inactive", 5, 5, NONE, 0, 0, STEP_INACTIVE},
        {"inactive press", 5, 5, PRESS, 0, 0, STEP_INACTIVE},
    };
    for (const Step& s : steps) {
        platform::inputMouseMove(static_cast<float>(s.x), static_cast<float>(s.y));
        if (s.event != NONE) platform::inputMouseButton(1, s.event == PRESS);
        m.mouse.update();
        b->setState(1, s.active);
        b->update(0, 0);
        EXPECT_EQ(b->_clicked, s.clicked) << s.what;
        EXPECT_EQ(b->stepCell(), s.cell) << s.what;
        b->draw(0, 0);
    }
}

TEST(ButtonStepTest, StepBlendCrossFadesAndRestartsWhenTheCellChanges) {
    ScratchFolder folder;
    std::string path = writePng(folder, "step.png", 40, 10);
    TestMouse m;
    auto b = TButton::createStepBlendButton("f", path, 5, 5, TButton::kSideBySide, 1, 1);
    m.moveTo(5, 5);
    b->update(0, 0);
    EXPECT_EQ(b->_old4StepB, STEP_NORMAL);
    EXPECT_EQ(b->_new4StepB, STEP_HOVER);
    EXPECT_FLOAT_EQ(b->_newAlpha, 0.05f);
    for (int i = 0; i < 9; ++i) b->update(0, 0);
    EXPECT_FLOAT_EQ(b->_newAlpha, 0.5f);
    m.moveTo(50, 50);  // leave before the fade completes
    b->update(0, 0);
    EXPECT_EQ(b->_old4StepB, STEP_HOVER);
    EXPECT_EQ(b->_new4StepB, STEP_NORMAL);
    EXPECT_FLOAT_EQ(b->_newAlpha, 0.05f);
    for (int i = 0; i < 30; ++i) b->update(0, 0);
    EXPECT_EQ(b->_newAlpha, 1.0f);  // 20 frame units complete the fade
    EXPECT_EQ(b->_oldAlpha, 1.0f);
}

TEST(ButtonBlendTest, HoverCellFadesInWithBothSteps) {
    ScratchFolder folder;
    TestMouse m;
    auto b = TButton::createBlendButton("b", writePng(folder, "blend.png", 10, 20), 0, 0, TButton::kStacked, 1, 1);
    EXPECT_EQ(platform::imageHeight(b->_image), 10);
    EXPECT_EQ(b->_buttonAlpha, 0.0f);
    m.moveTo(0, 0);
    b->update(0, 0);
    EXPECT_FLOAT_EQ(b->_buttonAlpha, 0.08f);  // wzr 0.03 plus the common 0.05
    for (int i = 0; i < 20; ++i) b->update(0, 0);
    EXPECT_EQ(b->_buttonAlpha, 1.0f);
}

TEST(ButtonTextTest, MissingOrNegativeColourIsWhiteAndBoxIsCentred) {
    std::optional<TRGB> colours[] = {std::nullopt, TRGB{-1, 0, 0}};
    for (const auto& c : colours) {
        auto b = TButton::createTextButton("t", "PLAY", nullptr, 100, 50, c, std::nullopt, 1, 1);
        EXPECT_EQ(b->rgb.r, 255);
        EXPECT_EQ(b->rgb.g, 255);
        EXPECT_FALSE(b->outLine.has_value());
    }
    auto b = TButton::createTextButton("t", "PLAY", nullptr, 100, 50, TRGB{1, 2, 3}, TRGB{}, 1, 1);
    EXPECT_EQ(b->rgb.b, 3);
    float w = static_cast<float>(platform::fontWidth(nullptr, "PLAY"));
    float h = static_cast<float>(platform::fontHeight(nullptr));
    ASSERT_GT(w, 0);
    EXPECT_FLOAT_EQ(b->dim.x1, 100 - w / 2);
    EXPECT_FLOAT_EQ(b->dim.x2, 100 + w / 2);
    EXPECT_FLOAT_EQ(b->dim.y1, 50 - h / 2);
    b->draw(0, 0);
}

TEST(ButtonTextTest, SpecBoxSumsLettersAndSitsAboveTheLine) {
    auto b = TButton::createSpecTextButton("t", "AB", nullptr, 100, 50, std::nullopt, std::nullopt, 1, 1);
    float w = static_cast<float>(platform::fontWidth(nullptr, "A") + 3 + platform::fontWidth(nullptr, "B") + 3);
    EXPECT_FLOAT_EQ(b->dim.x1, 100 - w / 2);
    EXPECT_FLOAT_EQ(b->dim.x2, 100 + w / 2);
    EXPECT_FLOAT_EQ(b->dim.y1, 50 - static_cast<int>(b->_textHeight));
    EXPECT_FLOAT_EQ(b->dim.y2, 50);
    EXPECT_FLOAT_EQ(b->_textWidth, static_cast<float>(platform::fontWidth(nullptr, "O")));
    EXPECT_EQ(b->_textScale.size(), 2u);
}

TEST(ButtonTextTest, SwellWaveRunsThroughTheTextAndWraps) {
    TestMouse m;
    auto b = TButton::createSpecTextButton("t", "SETTINGS", nullptr, 100, 50, std::nullopt, std::nullopt, 1, 1);
    m.moveTo(100, 45);
    int wraps = 0;
    float last = 0.0f;
    for (int i = 0; i < 101; ++i) {
        b->update(0, 0);
        if (b->_chrN < last) ++wraps;
        last = b->_chrN;
        ASSERT_LT(b->_chrN, 8.0f);
    }
    EXPECT_EQ(wraps, 1);  // 8 letters at 0.08 per frame unit: 100 frame units
    b->_chrN = 2.15f;     // +0.08: index 2, fraction 0.23
    b->update(0, 0);
    EXPECT_FLOAT_EQ(b->_textScale[2], 1.0f + (b->_chrN - 2.0f) * 2.0f);
    EXPECT_EQ(b->_textScale[1], 1.0f);
    b->_chrN = 2.80f;  // fraction 0.88
    b->update(0, 0);
    EXPECT_FLOAT_EQ(b->_textScale[2], 1.5f - (b->_chrN - 2.0f - 0.5f) * 2.0f);
    b->draw(0, 0);
    m.moveTo(500, 500);
    b->update(0, 0);
    EXPECT_EQ(b->_chrN, 0.0f);
    for (float s : b->_textScale) EXPECT_EQ(s, 1.0f);
}

TEST(ButtonTextTest, SwellSkipsSpacesAndEmptyTextDoesNothing) {
    TestMouse m;
    auto b = TButton::createSpecTextButton("t", "A B", nullptr, 100, 50, std::nullopt, std::nullopt, 1, 1);
    m.moveTo(100, 45);
    b->_chrN = 0.95f;  // +0.08 lands on the space: skipped to the B
    b->update(0, 0);
    EXPECT_EQ(static_cast<int>(b->_chrN), 2);
    b->_chrN = 2.95f;  // runs past the end: back to the start
    b->update(0, 0);
    EXPECT_EQ(b->_chrN, 0.0f);

    auto empty = TButton::createSpecTextButton("e", "", nullptr, 100, 50, std::nullopt, std::nullopt, 1, 1);
    empty->dim = newDim(0, 0, 1000, 1000);
    empty->update(0, 0);
    empty->draw(0, 0);
    EXPECT_EQ(empty->_chrN, 0.0f);
    EXPECT_TRUE(empty->_textScale.empty());
}

TEST(ButtonTextTest, SwellFollowsATextChangedAfterCreation) {
    TestMouse m;
    auto b = TButton::createSpecTextButton("t", "AB", nullptr, 100, 50, std::nullopt, std::nullopt, 1, 1);
    m.moveTo(100, 45);
    b->update(0, 0);
    ASSERT_EQ(b->_textScale.size(), 2u);
    b->_txt = "A C";
    b->_chrN = 0.95f;  // +0.08 lands on the new text's space: skipped to the C
    b->update(0, 0);
    EXPECT_EQ(b->_textScale.size(), 3u);
    EXPECT_EQ(static_cast<int>(b->_chrN), 2);
    b->draw(0, 0);
}

}  // namespace
