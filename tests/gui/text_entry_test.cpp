#include "gui/text_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/input.h"

namespace {

class TextEntryTest : public ::testing::Test {
protected:
    void SetUp() override { platform::flushKeys(); }
    void TearDown() override { platform::flushKeys(); }

    std::shared_ptr<TTextEntry> entry(int maxChars = 25, float width = 300.0f) {
        return createTextEntry("name", nullptr, 10, 20, width, maxChars, newRGB(1, 2, 3), 1, 1);
    }
};

TEST_F(TextEntryTest, CreateSizesTheBoxAndCursorInTheFont) {
    auto e = entry(12);
    EXPECT_EQ(e->_class, 9);
    EXPECT_EQ(e->_maxZnakow, 12);
    EXPECT_FLOAT_EQ(e->dim.w, 300.0f);
    EXPECT_FLOAT_EQ(e->dim.h, static_cast<float>(platform::fontHeight(nullptr)));
    EXPECT_FLOAT_EQ(e->_curWidth, static_cast<float>(platform::fontWidth(nullptr, "A")));
    EXPECT_FLOAT_EQ(e->_curHeight, static_cast<float>(platform::fontHeight(nullptr)));
    EXPECT_EQ(e->_trigger, 1);
    EXPECT_EQ(e->rgb.g, 2);
    EXPECT_EQ(createTextEntry("a", nullptr, 0, 0, 1, 1, newRGB(-1, 0, 0), 1, 1)->rgb.g, 255);
    EXPECT_EQ(createTextEntry("a", nullptr, 0, 0, 1, 1, std::nullopt, 1, 1)->rgb.b, 255);
}

TEST_F(TextEntryTest, TypingEditsTheText) {
    struct Case {
        const char* name;
        std::string start;
        int maxChars;
        std::vector<int> codes;
        std::string expected;
    };
    const std::string full(25, 'x');
    for (const Case& c : {
             Case{"appends", "", 25, {'A', 'b', ' '}, "Ab "},
             Case{"full text takes nothing more", full, 25, {'y'}, full},
             Case{"backspace removes the last character", "abc", 25, {8}, "ab"},
             Case{"backspace on empty stays empty", "", 25, {8, 8}, ""},
             Case{"room again after backspace", full, 25, {8, 'z'}, std::string(24, 'x') + "z"},
             Case{"control codes are not typed", "a", 25, {27, 9, 10, 127}, "a"},
             Case{"enter does not change the text", "a", 25, {13}, "a"},
             Case{"a two-byte character is one character", "a", 2, {0x17C, 'b'}, "a\xC5\xBC"},
             Case{"backspace removes a whole character", "a\xC5\xBC", 25, {8}, "a"},
             Case{"four-byte character", "", 25, {0x1F600}, "\xF0\x9F\x98\x80"},
             Case{"surrogates are dropped", "", 25, {0xD800}, ""},
         }) {
        SCOPED_TRACE(c.name);
        auto e = entry(c.maxChars);
        e->setTxt(c.start);
        for (int code : c.codes) e->takeCharacter(code);
        EXPECT_EQ(e->getTxt(), c.expected);
    }
}

TEST_F(TextEntryTest, EnterClicksTheEntry) {
    auto e = entry();
    e->takeCharacter('a');
    EXPECT_EQ(e->_clicked, 0);
    e->takeCharacter(13);
    EXPECT_EQ(e->_clicked, 1);
}

TEST_F(TextEntryTest, EachUpdateTakesOneCharacterSoEntriesShareTheQueue) {
    auto first = entry();
    auto second = entry();
    platform::inputCharEvent('a');
    platform::inputCharEvent('b');
    platform::inputCharEvent('c');
    first->updateMe(0, 0);
    second->updateMe(0, 0);
    first->updateMe(0, 0);
    EXPECT_EQ(first->getTxt(), "ac");
    EXPECT_EQ(second->getTxt(), "b");
    first->updateMe(0, 0);  // nothing queued
    EXPECT_EQ(first->getTxt(), "ac");
}

TEST_F(TextEntryTest, InactiveEntriesStillTakeCharacters) {
    auto e = entry();
    e->_a = 0;
    platform::inputCharEvent('q');
    e->updateMe(0, 0);
    EXPECT_EQ(e->getTxt(), "q");
}

TEST_F(TextEntryTest, CursorBlinksOncePastItsTime) {
    auto e = entry();
    e->_czas = 1000;
    e->setInterwal(300);
    e->blink(1000);
    EXPECT_EQ(e->_trigger, 1);
    e->blink(1001);
    EXPECT_EQ(e->_trigger, 0);
    EXPECT_EQ(e->_czas, 1301);
    e->blink(1200);
    EXPECT_EQ(e->_trigger, 0);
    e->blink(1302);
    EXPECT_EQ(e->_trigger, 1);
}

TEST_F(TextEntryTest, ATextWiderThanTheBoxShowsItsTailAndTheCursorFollowsIt) {
    auto e = entry(100, static_cast<float>(platform::fontWidth(nullptr, "..mnop")));
    e->setTxt("abcdefghijklmnop");
    EXPECT_EQ(e->shownText(), "..mnop");
    EXPECT_FLOAT_EQ(e->cursorX(5), 10 + 5 + platform::fontWidth(nullptr, "..mnop") + 2.0f);
    e->takeCharacter('q');
    const std::string shown = e->shownText();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.substr(0, 2), "..");
    EXPECT_EQ(shown.back(), 'q');
    e->setTxt("ab");
    EXPECT_EQ(e->shownText(), "ab");
    EXPECT_FLOAT_EQ(e->cursorX(0), 10 + platform::fontWidth(nullptr, "ab") + 2.0f);
    e->draw(0, 0);  // draws nothing without a window, must not fail
}

TEST(CharacterCount, CountsUtf8Characters) {
    EXPECT_EQ(characterCount(""), 0);
    EXPECT_EQ(characterCount("abc"), 3);
    EXPECT_EQ(characterCount("\xC5\xBC\xC3\xB3\xC5\x82w"), 4);
    EXPECT_EQ(characterCount("\xFF"), 1);  // a stray byte counts alone
}

}  // namespace
