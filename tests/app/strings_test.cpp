// Shared text helpers: splitting with marks, quotes, trimming, case, cutting
// and the one-decimal pass text.
#include "app/strings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text, separator, open, close;
    Pieces pieces;
};

class SplitStringTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitStringTest, Pieces) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(splitString(c.text, c.separator, c.open, c.close), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitStringTest,
    ::testing::Values(
        SplitCase{"TwoSpacesGiveAnEmptyPiece", "a  b", " ", "", "", {"a", "", "b"}},
        SplitCase{"TrailingSeparatorAddsNothing", "a b ", " ", "", "", {"a", "b"}},
        SplitCase{"EmptyTextGivesNoPieces", "", " ", "", "", {}},
        SplitCase{"OnlySeparator", " ", " ", "", "", {""}},
        SplitCase{"LeadingSeparator", " a", " ", "", "", {"", "a"}},
        SplitCase{"NoSeparator", "abc", " ", "", "", {"abc"}},
        SplitCase{"EmptyPiecesInside", "a,b,,c", ",", "", "", {"a", "b", "", "c"}},
        SplitCase{"NumberList", "10 20  30", " ", "", "", {"10", "20", "", "30"}},
        SplitCase{"LongSeparator", "a::b::::c::", "::", "", "", {"a", "b", "", "c"}},
        SplitCase{"LongSeparatorOverlap", "a:::b", "::", "", "", {"a", ":b"}},
        SplitCase{"SeparatorCutAtEnd", "ab:", "::", "", "", {"ab:"}},
        SplitCase{"EmptySeparatorNeverSplits", "a b", "", "", "", {"a b"}},
        SplitCase{"QuotedKeepsSeparators", "1 \"2 3\" 4", " ", "\"", "\"", {"1", "2 3", "4"}},
        SplitCase{"MarksDroppedMidWord", "x\"y\"z", " ", "\"", "\"", {"xyz"}},
        SplitCase{"UnclosedMarkRunsToEnd", "a \"b c", " ", "\"", "\"", {"a", "b c"}},
        SplitCase{"QuotedEmptyIsDropped", "a \"\" b", " ", "\"", "\"", {"a", "", "b"}},
        SplitCase{"DistinctMarks", "a (b c) d", " ", "(", ")", {"a", "b c", "d"}},
        SplitCase{"NestedOpenIgnored", "((a b) c) d", " ", "(", ")", {"a b", "c", "d"}},
        SplitCase{"CloseWithoutOpen", "a) b", " ", "(", ")", {"a", "b"}},
        // With one mark empty every separator splits; the given open mark is
        // still dropped, and the empty close mark matches nothing.
        SplitCase{"OnlyOpenMark", "a (b c) d", " ", "(", "", {"a", "b", "c)", "d"}},
        // Without an open mark no character is a mark.
        SplitCase{"OnlyCloseMark", "a (b c) d", " ", "", ")", {"a", "(b", "c)", "d"}},
        SplitCase{"MultiByteMarks", "\xC2\xAB" "a b\xC2\xBB c", " ", "\xC2\xAB", "\xC2\xBB", {"a b", "c"}},
        SplitCase{"Utf8TextKept", "\xC5\xBC\xC3\xB3\xC5\x82w kot", " ", "", "", {"\xC5\xBC\xC3\xB3\xC5\x82w", "kot"}},
        SplitCase{"PipeReference", "txt/mainMenu.txt|2", "|", "", "", {"txt/mainMenu.txt", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StripQuotes, RemovesEveryDoubleQuote) {
    EXPECT_EQ(stripQuotes("\"[txt/a.txt|1]\""), "[txt/a.txt|1]");
    EXPECT_EQ(stripQuotes("a\"b\"\"c"), "abc");
    EXPECT_EQ(stripQuotes("'single'"), "'single'");
    EXPECT_EQ(stripQuotes(""), "");
}

TEST(TrimText, DropsCodesUpTo32AtBothEnds) {
    EXPECT_EQ(trimText(" \t a b \r\n"), "a b");
    EXPECT_EQ(trimText(std::string("\0\x01x\x1F\x20", 5)), "x");
    EXPECT_EQ(trimText("   "), "");
    EXPECT_EQ(trimText(""), "");
    EXPECT_EQ(trimText("\xC3\xA9 "), "\xC3\xA9");  // bytes of UTF-8 characters stay
    EXPECT_EQ(trimText("\x7F"), "\x7F");
}

TEST(UpperCase, AsciiOnly) {
    EXPECT_EQ(upperCase("main-Game"), "MAIN-GAME");
    EXPECT_EQ(upperCase("\xC3\xA9z"), "\xC3\xA9Z");
    EXPECT_TRUE(sameUpperCase("deckX", "DECKx"));
    EXPECT_FALSE(sameUpperCase("deck", "deckX"));
    EXPECT_FALSE(sameUpperCase("a[", "A{"));  // only letters fold
    EXPECT_TRUE(sameUpperCase("", ""));
}

TEST(CutCharacters, CountsUtf8Characters) {
    EXPECT_EQ(cutCharacters(" \"one\"", 2, 1), "one");
    EXPECT_EQ(cutCharacters(" \"\xC5\xBC\xC3\xB3\xC5\x82w\"", 2, 1), "\xC5\xBC\xC3\xB3\xC5\x82w");
    EXPECT_EQ(cutCharacters("\xC5\xBC\xC3\xB3\xC5\x82w\xC3\xB3", 2, 1), "\xC5\x82w");
    EXPECT_EQ(cutCharacters(" .5", 2, 1), "");
    EXPECT_EQ(cutCharacters("ab", 2, 1), "");
    EXPECT_EQ(cutCharacters("a", 2, 1), "");
    EXPECT_EQ(cutCharacters("", 2, 1), "");
    EXPECT_EQ(cutCharacters("abcd", 0, 0), "abcd");
    EXPECT_EQ(cutCharacters("\xF0\x9F\x98\x80xy\xF0\x9F\x98\x80", 1, 1), "xy");
}

struct DecimalCase {
    float x;
    const char* text;
};

TEST(FormatOneDecimal, Examples) {
    const DecimalCase cases[] = {
        {2.57f, "2.5"}, {3.0f, "3.0"}, {1.0f, "1.0"}, {1.5f, "1.5"}, {2.0f, "2.0"}, {2.5f, "2.5"},
        {0.0f, "0.0"}, {0.05f, "0.0"}, {0.99f, "0.9"}, {10.0f, "10.0"}, {12.34f, "12.3"},
        // Negative values keep the sign on both parts, as the rule computes them.
        {-2.57f, "-2.-5"}, {-0.5f, "0.-5"}, {-3.0f, "-3.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatOneDecimal(c.x), c.text) << c.x;
}

// The text an exact reading of the rule gives: the digits of the integer part
// of a = 10 x (a as a float), with the last digit after the point.
std::string wholeTenths(float x) {
    const float a = 10.0f * x;
    const long long tenths = static_cast<long long>(a);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

TEST(FormatOneDecimal, MatchesTruncatedTenthsOverPlayRange) {
    // The pass meter: 1.0 to 3.0 and beyond, stepped as the game computes it
    // (0.05 per frame added to a float), and values built by tenths.
    float pass = 0.0f;
    for (int frame = 0; frame < 400; ++frame) {
        pass += 0.05f;
        EXPECT_EQ(formatOneDecimal(pass + 1.0f), wholeTenths(pass + 1.0f)) << pass;
    }
    for (int k = 10; k <= 100; ++k) {
        const float x = static_cast<float>(k) / 10.0f;
        EXPECT_EQ(formatOneDecimal(x), wholeTenths(x)) << x;
        const float y = 1.0f + static_cast<float>(k - 10) * 0.1f;
        EXPECT_EQ(formatOneDecimal(y), wholeTenths(y)) << y;
    }
}

TEST(FormatOneDecimal, ExactTenthsShowTheirDigit) {
    // k / 10 for every k the pass labels use shows exactly k / 10.
    for (int k = 10; k <= 100; ++k) {
        const float x = static_cast<float>(k) / 10.0f;
        EXPECT_EQ(formatOneDecimal(x), std::to_string(k / 10) + "." + std::to_string(k % 10)) << k;
    }
}

TEST(FormatOneDecimal, SurvivesExtremes) {
    EXPECT_EQ(formatOneDecimal(std::nanf("")), "0.0");
    EXPECT_FALSE(formatOneDecimal(INFINITY).empty());
    EXPECT_FALSE(formatOneDecimal(-1e30f).empty());
}

}  // namespace
