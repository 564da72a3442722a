// Text widgets inside a container: what a screen sees through TGui.
#include <gtest/gtest.h>

#include "gui/gui.h"
#include "gui/mouse.h"
#include "gui/text.h"
#include "gui/text_entry.h"
#include "gui/text_list.h"
#include "platform/font.h"
#include "platform/input.h"

namespace {

class TextContainerTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::flushKeys();
        platform::flushMouse();
    }
    void TearDown() override {
        platform::flushKeys();
        platform::flushMouse();
        currentMouse = previousMouse;
    }
    // One frame as a screen runs it: mouse first, then the container.
    void frame() {
        mouse.update();
        gui.update();
    }

    TMouse* previousMouse = currentMouse;
    TMouse mouse;
    TGui gui;
};

TEST_F(TextContainerTest, EnterInATextEntryClicksItForThatFrameOnly) {
    auto entry = createTextEntry("NameEntry", nullptr, 0, 0, 300, 25, std::nullopt, 1, 1);
    gui.addItem(entry);
    platform::inputCharEvent('J');
    frame();
    EXPECT_EQ(gui.clickedItem("nameentry"), 0);
    platform::inputCharEvent(13);
    frame();
    EXPECT_EQ(gui.clickedItem("nameentry"), 1);
    EXPECT_EQ(entry->getTxt(), "J");
    frame();
    EXPECT_EQ(gui.clickedItem("nameentry"), 0);
}

TEST_F(TextContainerTest, ATextIsNeverClickedOrHoveredThroughItsEmptyBox) {
    gui.addItem(createText("caption", "Hello", 0, 0, 500, nullptr, "LEFT", 1, 1));
    platform::inputMouseMove(200, 200);
    platform::inputMouseButton(1, true);
    platform::inputMouseButton(1, false);
    frame();
    EXPECT_EQ(gui.clickedItem("caption"), 0);
    EXPECT_EQ(gui._over, "");
}

TEST_F(TextContainerTest, AClickOnAListLineReportsTheLineId) {
    const int row = platform::fontHeight(nullptr);
    auto list = createTextList("list", 100, 100, 200, static_cast<float>(4 * row), 255, 255, 255, nullptr, nullptr);
    list->addEntry("First", "first");
    list->addEntry("Second", "second");
    gui.addItem(list);
    platform::inputMouseMove(150, 100.0f + static_cast<float>(row) * 1.5f);
    frame();
    EXPECT_EQ(gui._over, "second");
    EXPECT_EQ(gui.clickedItem("second"), 0);
    platform::inputMouseButton(1, true);
    platform::inputMouseButton(1, false);
    frame();
    EXPECT_EQ(gui.clickedItem("second"), 1);
    platform::inputMouseMove(150, 100.0f + static_cast<float>(row) * 3.5f);  // below the lines
    frame();
    EXPECT_EQ(gui._over, "");
    EXPECT_EQ(gui._clicked, "");
}

}  // namespace
