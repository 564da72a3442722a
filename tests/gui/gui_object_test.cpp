#include "gui/gui_object.h"

#include <gtest/gtest.h>

#include "gui/gui_test_support.h"

namespace {

// A widget that records the calls of its own per-frame step.
class CountingWidget : public TGuiObject {
public:
    int calls = 0;
    float lastDx = 0, lastDy = 0;
    void updateMe(float dx, float dy) override {
        ++calls;
        lastDx = dx;
        lastDy = dy;
    }
};

CountingWidget boxAt(float x, float y, float w, float h) {
    CountingWidget o;
    o.dim = newDim(x, y, w, h);
    return o;
}

TEST(GuiObjectTest, HoverIncludesTheRightAndBottomEdges) {
    TestMouse m;
    struct Case {
        float mx, my;
        int over;
    } cases[] = {
        {10, 20, 1}, {110, 70, 1}, {111, 70, 0}, {110, 71, 0}, {9, 20, 0}, {60, 19, 0},
    };
    for (const Case& c : cases) {
        CountingWidget o = boxAt(10, 20, 100, 50);
        m.moveTo(c.mx, c.my);
        o.update(0, 0);
        EXPECT_EQ(o._over, c.over) << c.mx << "," << c.my;
    }
}

TEST(GuiObjectTest, ContainerOffsetShiftsTheBox) {
    TestMouse m;
    CountingWidget o = boxAt(0, 0, 10, 10);
    m.moveTo(105, 55);
    o.update(100.9f, 50.2f);
    EXPECT_EQ(o._over, 1);
    // The kind's step gets the offset truncated.
    EXPECT_EQ(o.lastDx, 100.0f);
    EXPECT_EQ(o.lastDy, 50.0f);
}

TEST(GuiObjectTest, ClickLastsThePressingFrameAndHoldFollows) {
    TestMouse m;
    CountingWidget o = boxAt(0, 0, 50, 50);
    m.press(10, 10);
    o.update(0, 0);
    EXPECT_EQ(o._clicked, 1);
    EXPECT_EQ(o._holded, 0);
    m.moveTo(10, 10);  // still held
    o.update(0, 0);
    EXPECT_EQ(o._clicked, 0);
    EXPECT_EQ(o._holded, 1);
    m.moveTo(200, 200);  // held outside: the hold flag keeps its value
    o.update(0, 0);
    EXPECT_EQ(o._over, 0);
    EXPECT_EQ(o._holded, 1);
}

TEST(GuiObjectTest, HiddenWidgetIgnoresTheMouseButItsKeyStillClicks) {
    TestMouse m;
    CountingWidget o = boxAt(0, 0, 50, 50);
    o.setState(0, 1);
    o.setKey(platform::KEY_ENTER);
    m.press(10, 10);
    o.update(0, 0);
    EXPECT_EQ(o._over, 0);
    EXPECT_EQ(o._clicked, 0);

    platform::inputKeyEvent(platform::KEY_ENTER, true);
    platform::inputKeyEvent(platform::KEY_ENTER, false);
    o.update(0, 0);
    EXPECT_EQ(o._clicked, 1);
    EXPECT_EQ(o._over, 1);

    // An inactive widget is not clicked by its key either.
    o.setState(1, 0);
    platform::inputKeyEvent(platform::KEY_ENTER, true);
    platform::inputKeyEvent(platform::KEY_ENTER, false);
    o.update(0, 0);
    EXPECT_EQ(o._clicked, 0);
    platform::flushKeys();
}

TEST(GuiObjectTest, OnlyWidgetKindsGetTheirOwnStep) {
    TestMouse m;
    struct Case {
        int kind;
        int calls;
    } cases[] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 0}, {5, 0}, {6, 0}, {7, 1},
                 {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 0}, {-1, 0}};
    for (const Case& c : cases) {
        CountingWidget o;
        o._class = c.kind;
        o.update(0, 0);
        EXPECT_EQ(o.calls, c.calls) << "kind " << c.kind;
    }
}

TEST(GuiObjectTest, EasingStopsExactlyAtTheTarget) {
    TestMouse m;
    CountingWidget o;
    o._alpha = 0.2f;
    o._dAlpha = 1.0f;
    o.updateParams();
    EXPECT_FLOAT_EQ(o._alpha, 0.23f);
    for (int i = 0; i < 40; ++i) o.updateParams();
    EXPECT_EQ(o._alpha, 1.0f);

    o.wygasScale();
    frameDelta = 10.0f;
    for (int i = 0; i < 4; ++i) o.updateParams();
    EXPECT_EQ(o._scale, 0.0f);
    o.wygasAlpha();
    EXPECT_EQ(o._dAlpha, 0.0f);
    frameDelta = 1.0f;
}

TEST(GuiObjectTest, SetPositionMovesByTruncatedDifferences) {
    CountingWidget o = boxAt(10.7f, 20.2f, 5, 5);
    o.setPosition(100, 50);
    EXPECT_FLOAT_EQ(o.dim.x, 99.7f);
    EXPECT_FLOAT_EQ(o.dim.y, 49.2f);
    EXPECT_FLOAT_EQ(o.dim.x1, 99.7f);
    EXPECT_FLOAT_EQ(o.dim.x2, 104.7f);
    EXPECT_FLOAT_EQ(o.dim.y2, 54.2f);
}

TEST(GuiObjectTest, ClearMakesVisibleActiveAndIdle) {
    CountingWidget o;
    o.setState(0, 0);
    o._over = o._clicked = 1;
    o.clear();
    EXPECT_EQ(o._v, 1);
    EXPECT_EQ(o._a, 1);
    EXPECT_EQ(o._over, 0);
    EXPECT_EQ(o._clicked, 0);
    o.setRGB(1, 2, 3);
    EXPECT_EQ(o.rgb.g, 2);
    o._drawFrame();  // without a window drawing does nothing and does not fail
}

}  // namespace
