#include "gui/text_list.h"

#include <gtest/gtest.h>

#include "gui/mouse.h"
#include "platform/font.h"

namespace {

class TextListTest : public ::testing::Test {
protected:
    void SetUp() override {
        row = platform::fontHeight(nullptr);
        // Three rows fit the box.
        list = createTextList("list", 100, 50, 200, static_cast<float>(3 * row + row / 2), 1, 2, 3, nullptr, nullptr);
        for (int i = 0; i < 5; ++i) list->addEntry("Line " + std::to_string(i), "id" + std::to_string(i));
    }
    // The mouse over row k of the box, the base step having found it inside.
    void pointAtRow(int k, bool pressed) {
        mouse.x = 150;
        mouse.y = 50 + k * row + row / 2;
        list->_over = 1;
        list->_clicked = pressed ? 1 : 0;
    }

    void TearDown() override { currentMouse = previousMouse; }

    TMouse* previousMouse = currentMouse;
    TMouse mouse;  // becomes currentMouse until TearDown
    int row = 0;
    std::shared_ptr<TTextList> list;
};

TEST_F(TextListTest, ShowsTheRowsThatFitFromStart) {
    EXPECT_EQ(list->_class, 1);
    EXPECT_EQ(list->visibleRows(), 3);
    list->updateMe(0, 0);
    EXPECT_EQ(list->endInt, 2);
    ASSERT_EQ(list->listaWidocznych.size(), 3u);
    EXPECT_EQ(list->listaWidocznych[0].id, "id0");
    list->setStart(99);  // kept so the last row is the last line
    list->updateMe(0, 0);
    EXPECT_EQ(list->start, 2);
    EXPECT_EQ(list->endInt, 4);
    list->setStart(-4);
    EXPECT_EQ(list->start, 0);
}

TEST_F(TextListTest, ReportsTheLineUnderTheMouseAndTheLineClicked) {
    list->setStart(1);
    pointAtRow(1, false);
    list->updateMe(0, 0);
    EXPECT_EQ(list->overedOption, 2);
    EXPECT_EQ(list->_overOp, "id2");
    EXPECT_EQ(list->clickedOption, -1);
    EXPECT_EQ(list->_clickedOp, "");
    pointAtRow(2, true);
    list->updateMe(0, 0);
    EXPECT_EQ(list->clickedOption, 3);
    EXPECT_EQ(list->_clickedOp, "id3");
    list->_clean();
    EXPECT_EQ(list->_clickedOp, "");
    EXPECT_EQ(list->_overOp, "");
}

TEST_F(TextListTest, BelowTheLastLineNothingIsHovered) {
    list->removeAll();
    list->addEntry("Only", "only");
    pointAtRow(2, true);
    list->updateMe(0, 0);
    EXPECT_EQ(list->overedOption, -1);
    EXPECT_EQ(list->_clickedOp, "");
    list->draw(0, 0);
}

TEST_F(TextListTest, AnEmptyListShowsNothing) {
    list->removeAll();
    pointAtRow(0, true);
    list->updateMe(0, 0);
    EXPECT_EQ(list->endInt, -1);
    EXPECT_TRUE(list->listaWidocznych.empty());
    EXPECT_EQ(list->overedOption, -1);
}

}  // namespace
