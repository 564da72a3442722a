#include "gui/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/text_entry.h"

namespace {

// Every character 10 units wide, except 'w' at 11 (for odd widths).
int tenPerCharacter(const std::string& text) {
    int w = 0;
    for (char c : text) w += c == 'w' ? 11 : 10;
    return w;
}

int tenPerUtf8Character(const std::string& text) { return 10 * characterCount(text); }

struct WrapCase {
    const char* name;
    std::string text;
    float x, y, width;
    int align;
    std::vector<TextPiece> expected;
    int lines;
};

class WrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTest, PlacesEveryPiece) {
    const WrapCase& c = GetParam();
    const int lineHeight = 20;
    WrappedLayout got = layoutWrappedText(c.text, c.x, c.y, c.width, c.align, lineHeight, tenPerCharacter);
    ASSERT_EQ(got.pieces.size(), c.expected.size());
    for (size_t i = 0; i < got.pieces.size(); ++i) {
        SCOPED_TRACE("piece " + std::to_string(i));
        EXPECT_EQ(got.pieces[i].text, c.expected[i].text);
        EXPECT_FLOAT_EQ(got.pieces[i].x, c.expected[i].x);
        EXPECT_FLOAT_EQ(got.pieces[i].y, c.expected[i].y);
    }
    EXPECT_EQ(got.lines, c.lines);
    EXPECT_EQ(got.height, c.lines * lineHeight);
}

// "aa bb" is 50 wide and "aa bb cc" 80: a width of 60 holds the first only.
INSTANTIATE_TEST_SUITE_P(
    Layouts, WrapTest,
    ::testing::Values(
        WrapCase{"LeftWrapsTheThirdWord", "aa bb cc", 5, 7, 60, ALIGN_LEFT, {{"aa bb", 5, 7}, {"cc", 5, 27}}, 2},
        WrapCase{"RightEndsEachLineAtTheBoxEdge", "aa bb cc", 0, 0, 60, ALIGN_RIGHT,
                 {{"aa bb", 10, 0}, {"cc", 40, 20}}, 2},
        WrapCase{"CenterHalvesTheLineWidth", "aa bb cc", 0, 0, 60, ALIGN_CENTER, {{"aa bb", 5, 0}, {"cc", 20, 20}}, 2},
        // 101 wide in 300: trunc(150 - 101 div 2) = 100.
        WrapCase{"CenterOddWidthUsesTheIntegerHalf", "wxxxxxxxxx", 0, 0, 300, ALIGN_CENTER,
                 {{"wxxxxxxxxx", 100, 0}}, 1},
        WrapCase{"CenterTruncatesTheLeftEdge", "aa", 0.0f, 0, 25, ALIGN_CENTER, {{"aa", 2, 0}}, 1},
        // Closed line "aa bb cc": words 60 wide, two gaps of (80 - 60) / 2.
        WrapCase{"JustifySpreadsAClosedLine", "aa bb cc dd", 3, 0, 80, ALIGN_JUSTIFY,
                 {{"aa", 3, 0}, {"bb", 33, 0}, {"cc", 63, 0}, {"dd", 3, 20}}, 2},
        WrapCase{"JustifyLeavesTheLastLineUnspread", "aa bb cc dd ee", 0, 0, 80, ALIGN_JUSTIFY,
                 {{"aa", 0, 0}, {"bb", 30, 0}, {"cc", 60, 0}, {"dd ee", 0, 20}}, 2},
        WrapCase{"JustifyDrawsAFullOneWordLineAtX", "aaaaaaaa bb", 4, 0, 80, ALIGN_JUSTIFY,
                 {{"aaaaaaaa", 4, 0}, {"bb", 4, 20}}, 2},
        // A word wider than the box: alone on its line, no empty line before it.
        WrapCase{"WideFirstWordStandsAloneWithoutAnEmptyLine", "abcdefghijkl xy", 0, 0, 50, ALIGN_LEFT,
                 {{"abcdefghijkl", 0, 0}, {"xy", 0, 20}}, 2},
        WrapCase{"WideFirstWordOverflowsLeftWhenRightAligned", "abcdefghijkl", 0, 0, 50, ALIGN_RIGHT,
                 {{"abcdefghijkl", -70, 0}}, 1},
        WrapCase{"WideWordInsideTheTextGetsItsOwnLine", "aa abcdefghijkl bb", 0, 0, 50, ALIGN_LEFT,
                 {{"aa", 0, 0}, {"abcdefghijkl", 0, 20}, {"bb", 0, 40}}, 3},
        // "aa bb" (50) fits 55, but "aa  bb" holds an empty word and is 60.
        WrapCase{"OneSpaceFits", "aa bb", 0, 0, 55, ALIGN_LEFT, {{"aa bb", 0, 0}}, 1},
        WrapCase{"TwoSpacesHoldAnEmptyWord", "aa  bb", 0, 0, 55, ALIGN_LEFT, {{"aa", 0, 0}, {"bb", 0, 20}}, 2},
        WrapCase{"LastLineIsPlacedUntrimmed", "aa ", 0, 0, 100, ALIGN_RIGHT, {{"aa ", 70, 0}}, 1},
        WrapCase{"EmptyTextIsOneEmptyLine", "", 0, 0, 100, ALIGN_LEFT, {}, 1},
        WrapCase{"LineFeedsAreOrdinaryCharacters", "a\nb", 0, 0, 100, ALIGN_LEFT, {{"a\nb", 0, 0}}, 1},
        WrapCase{"UnknownCodeLaysOutAsLeft", "aa bb cc", 0, 0, 60, 9, {{"aa bb", 0, 0}, {"cc", 0, 20}}, 2}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return std::string(info.param.name); });

TEST(WrapTest, NegativeWidthStillGivesEveryWordItsLine) {
    WrappedLayout got = layoutWrappedText("a b c", 0, 0, -5.0f, ALIGN_LEFT, 10, tenPerCharacter);
    ASSERT_EQ(got.pieces.size(), 3u);
    EXPECT_EQ(got.height, 30);
}

TEST(AlignWords, CodesFromWords) {
    struct Case {
        const char* word;
        int code;
        int known;
    };
    for (const Case& c : {Case{"LEFT", 1, 1}, Case{" right ", 0, 0}, Case{"Center", 2, 2}, Case{"justify", 3, 3},
                          Case{"", 1, -1}, Case{"MIDDLE", 1, -1}}) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(alignCodeFromWord(c.word), c.code);
        EXPECT_EQ(knownAlignCode(c.word), c.known);
    }
    EXPECT_EQ(alignWordFromCode(ALIGN_JUSTIFY), "JUSTIFY");
    EXPECT_EQ(alignWordFromCode(4), "");
}

TEST(TextTail, ShortestTailThatFits) {
    struct Case {
        std::string text;
        float maxWidth;
        std::string expected;
    };
    for (const Case& c : {Case{"abcdef", 80, "..abcdef"}, Case{"abcdef", 50, "..def"}, Case{"abcdef", 30, "..f"},
                          Case{"abcdef", 29, ""}, Case{"", 100, ""}}) {
        SCOPED_TRACE(c.text + " in " + std::to_string(c.maxWidth));
        EXPECT_EQ(textTailThatFits(c.text, c.maxWidth, tenPerCharacter), c.expected);
    }
}

TEST(TextTail, CutsWholeUtf8Characters) {
    EXPECT_EQ(textTailThatFits("\xC5\xBC\xC3\xB3\xC5\x82w", 40, tenPerUtf8Character), "..\xC5\x82w");
}

TEST(AnchoredText, LeftRightAndCentre) {
    EXPECT_EQ(anchoredTextX(100, 41, "LEFT"), 100);
    EXPECT_EQ(anchoredTextX(100, 41, "anything"), 100);
    EXPECT_EQ(anchoredTextX(100, 41, "RIGHT"), 59);
    EXPECT_EQ(anchoredTextX(100, 41, "CENTER"), 80);
}

}  // namespace
