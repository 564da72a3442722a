#include "gui/mouse.h"

#include <gtest/gtest.h>

#include "app/globals.h"
#include "gui/gui.h"
#include "platform/input.h"

namespace {

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::flushMouse();
        platform::flushKeys();
        frameDelta = 1.0f;
    }
    TMouse m;
};

TEST_F(MouseTest, PressAndReleaseInOneFrameIsOnePressAndNoHold) {
    platform::inputMouseButton(1, true);
    platform::inputMouseButton(1, false);
    m.update();
    EXPECT_EQ(m.leftPressed, 1);
    EXPECT_EQ(m.leftHolded, 0);
    m.update();
    EXPECT_EQ(m.leftPressed, 0);
}

TEST_F(MouseTest, HoldingIsNeverHeldInThePressingFrame) {
    platform::inputMouseButton(1, true);
    m.update();
    EXPECT_EQ(m.leftPressed, 1);
    EXPECT_EQ(m.leftHolded, 0);
    m.update();
    EXPECT_EQ(m.leftPressed, 0);
    EXPECT_EQ(m.leftHolded, 1);
    EXPECT_EQ(m._leftHolded, 1);
    platform::inputMouseButton(1, false);
    m.update();
    EXPECT_EQ(m.leftHolded, 0);
    EXPECT_EQ(m._leftHoldedTime, 0);
}

TEST_F(MouseTest, PositionIsTruncatedAndMovementRemembered) {
    platform::inputMouseMove(100.7f, 50.2f);
    m.update();
    platform::inputMouseMove(90.0f, 60.9f);
    m.update();
    EXPECT_EQ(m.x, 90);
    EXPECT_EQ(m.y, 60);
    EXPECT_EQ(m.vx, 10);
    EXPECT_EQ(m.vy, -10);
}

TEST_F(MouseTest, RectanglesIncludeTheirEdges) {
    platform::inputMouseMove(110.0f, 70.0f);
    m.update();
    EXPECT_EQ(m.inRect(10, 20, 100, 50), 1);
    EXPECT_EQ(m.inRect(10, 20, 99, 50), 0);
    EXPECT_EQ(m.inDim(newDim(10, 20, 100, 50)), 1);
    EXPECT_EQ(m.inDim(newDim(10, 20, 100, 49)), 0);
}

TEST_F(MouseTest, SetCursorWithUnknownIdKeepsTheCurrentOne) {
    m.loadCursor("Arrow", platform::ImageRef(), 0, 0);
    auto arrow = m.cur;
    m.loadCursor("hand", platform::ImageRef(), 3, 3);
    m.setCursor("ARROW");
    EXPECT_EQ(m.cur, arrow);
    m.setCursor("nothing");
    EXPECT_EQ(m.cur, arrow);
    m.draw();  // a cursor without an image draws nothing and does not fail
}

TEST_F(MouseTest, ClearDiscardsPendingClicks) {
    platform::inputMouseButton(1, true);
    m.clear();
    m.update();
    EXPECT_EQ(m.leftPressed, 0);
}

TEST_F(MouseTest, HiddenWidgetIsClickedOnlyByItsKey) {
    TGuiObject w;
    w.dim = newDim(0, 0, 100, 100);
    w._key = platform::KEY_SPACE;
    w.setState(0, 1);
    platform::inputMouseMove(50.0f, 50.0f);
    platform::inputMouseButton(1, true);
    m.update();
    w.update(0, 0);
    EXPECT_EQ(w._clicked, 0);
    platform::inputKeyEvent(platform::KEY_SPACE, true);
    w.update(0, 0);
    EXPECT_EQ(w._clicked, 1);
    EXPECT_EQ(w._over, 1);
    platform::inputKeyEvent(platform::KEY_SPACE, false);
}

}  // namespace
