#include "gui/text.h"

#include <gtest/gtest.h>

#include "gui/text_draw.h"
#include "platform/font.h"
#include "platform/render.h"

namespace {

// The default font's line height (wrapped text lines are that of "A").
int lineOfDefaultFont() { return platform::fontHeight(nullptr); }

// A width that holds "aa bb" but not "aa bb cc" in the default font.
float widthForTwoWords() {
    return static_cast<float>(platform::fontWidth(nullptr, "aa bb") + platform::fontWidth(nullptr, " cc") / 2);
}

class TextWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setFont(nullptr);
        platform::resetDrawState();
    }
    void TearDown() override { platform::resetDrawState(); }
};

TEST_F(TextWidgetTest, CreateTruncatesThePositionAndReadsTheAlignWord) {
    auto t = createText("title", "Hello", 10.9f, -3.7f, 824.0f, nullptr, " center ", 1, 0);
    EXPECT_EQ(t->_id, "title");
    EXPECT_FLOAT_EQ(t->dim.x, 10.0f);
    EXPECT_FLOAT_EQ(t->dim.y, -3.0f);
    EXPECT_FLOAT_EQ(t->dim.w, 824.0f);
    EXPECT_EQ(t->_align, 2);
    EXPECT_EQ(t->_class, 3);
    EXPECT_EQ(t->_v, 1);
    EXPECT_EQ(t->_a, 0);
    EXPECT_EQ(t->rgb.r, 255);
    EXPECT_FALSE(t->shRGB.has_value());
    EXPECT_EQ(createText("x", "", 0, 0, 1, nullptr, "sideways", 1, 1)->_align, 1);
}

TEST_F(TextWidgetTest, SetAlignKeepsTheCodeForAnUnknownWord) {
    auto t = createText("t", "", 0, 0, 100, nullptr, "RIGHT", 1, 1);
    t->setAlign("justify");
    EXPECT_EQ(t->_align, 3);
    t->setAlign("diagonal");
    EXPECT_EQ(t->_align, 3);
}

TEST_F(TextWidgetTest, DrawSetsTheHeightOfTheLaidOutText) {
    auto t = createText("t", "aa bb cc", 0, 0, widthForTwoWords(), nullptr, "LEFT", 1, 1);
    t->draw(0, 0);
    EXPECT_FLOAT_EQ(t->dim.h, 2.0f * lineOfDefaultFont());
    t->_adW = 3.9f;  // the line gap is truncated
    t->_shadow = 1;
    t->shRGB = newRGB(0, 0, 0);
    t->draw(5, 5);
    EXPECT_FLOAT_EQ(t->dim.h, 2.0f * (lineOfDefaultFont() + 3));
    EXPECT_EQ(t->countH(), 2 * (lineOfDefaultFont() + 3));
}

TEST_F(TextWidgetTest, RedrawFollowsChangesOfTextWidthGapAndPlace) {
    auto t = createText("t", "aa bb cc", 0, 0, widthForTwoWords(), nullptr, "LEFT", 1, 1);
    const float one = static_cast<float>(lineOfDefaultFont());
    t->draw(0, 0);
    EXPECT_FLOAT_EQ(t->dim.h, 2.0f * one);
    t->_txt = "aa";
    t->draw(0, 0);
    EXPECT_FLOAT_EQ(t->dim.h, one);
    t->_txt = "aa bb cc";
    t->dim.w = 10000.0f;
    t->draw(0, 0);
    EXPECT_FLOAT_EQ(t->dim.h, one);
    t->dim.w = widthForTwoWords();
    t->_adW = 2.0f;
    t->draw(7, 9);
    EXPECT_FLOAT_EQ(t->dim.h, 2.0f * (one + 2.0f));
    t->draw(7, 9);  // unchanged: the same layout again
    EXPECT_FLOAT_EQ(t->dim.h, 2.0f * (one + 2.0f));
}

TEST_F(TextWidgetTest, NothingIsDrawnAndTheHeightKeptWhenInvisibleOrOutOfRange) {
    auto t = createText("t", "aa bb cc", 0, 0, widthForTwoWords(), nullptr, "LEFT", 1, 1);
    t->dim.h = 77.0f;
    t->_alpha = 0.0f;
    t->draw(0, 0);
    EXPECT_FLOAT_EQ(t->dim.h, 77.0f);
    t->_alpha = 1.0f;
    t->_scale = 0.0f;
    t->draw(0, 0);
    EXPECT_FLOAT_EQ(t->dim.h, 77.0f);
    t->_scale = 1.0f;
    t->_align = 7;
    t->draw(0, 0);
    EXPECT_FLOAT_EQ(t->dim.h, 77.0f);
}

TEST_F(TextWidgetTest, CountHMeasuresInTheWidgetsFontAndKeepsTheCurrentOne) {
    auto t = createText("t", "aa bb cc", 0, 0, widthForTwoWords(), nullptr, "JUSTIFY", 1, 1);
    EXPECT_EQ(t->countH(), 2 * lineOfDefaultFont());
    EXPECT_EQ(platform::getFont(), nullptr);
}

TEST_F(TextWidgetTest, WrappedTextHeightCountsTheLineGap) {
    const int h = drawWrappedText("aa bb cc", 0, 0, widthForTwoWords(), "CENTER", 0.0f, nullptr, 1);
    EXPECT_EQ(h, 2 * (lineOfDefaultFont() + 1));
    EXPECT_EQ(measureWrappedText("aa bb cc", widthForTwoWords(), "RIGHT", nullptr, 1), h);
    EXPECT_EQ(measureWrappedText("aa bb cc", 10000.0f, "RIGHT", nullptr, 0), lineOfDefaultFont());
}

TEST_F(TextWidgetTest, NoColourDrawsWhite) {
    setTextColour(newRGB(-1, 0, 0));
    int r = 0, g = 0, b = 0;
    platform::getColor(r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 255);
    auto t = createText("t", "x", 0, 0, 100, nullptr, "LEFT", 1, 1);
    t->rgb = newRGB(-1, 10, 20);
    t->draw(0, 0);
    platform::getColor(r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(b, 255);
}

}  // namespace
