// Keyboard and mouse bookkeeping, fed through the injection points the
// window's event handling uses.
#include "platform/input.h"

#include <gtest/gtest.h>

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { clearAll(); }
    void TearDown() override { clearAll(); }
    static void clearAll() {
        platform::flushKeys();
        platform::flushMouse();
        platform::mouseWheel();
    }
};

TEST_F(InputTest, KeyHitsCountPressesUntilAskedThenClear) {
    using namespace platform;
    inputKeyEvent(KEY_A, true);
    inputKeyEvent(KEY_A, false);
    inputKeyEvent(KEY_A, true);
    EXPECT_TRUE(keyDown(KEY_A));
    EXPECT_EQ(keyHit(KEY_A), 2);
    EXPECT_EQ(keyHit(KEY_A), 0);  // cleared by the query
    EXPECT_TRUE(keyDown(KEY_A));  // still held
    inputKeyEvent(KEY_A, false);
    EXPECT_FALSE(keyDown(KEY_A));
    EXPECT_EQ(keyHit(KEY_B), 0);  // other keys untouched
}

TEST_F(InputTest, HeldKeyAndHitOfAnotherKeyAreSeenTogether) {
    // The Left Alt + F4 test: one key held, another hit in the same frame.
    using namespace platform;
    inputKeyEvent(KEY_LALT, true);
    inputKeyEvent(KEY_F4, true);
    inputKeyEvent(KEY_F4, false);
    EXPECT_TRUE(keyDown(KEY_LALT));
    EXPECT_FALSE(keyDown(KEY_F4));
    EXPECT_EQ(keyHit(KEY_F4), 1);
}

TEST_F(InputTest, KeyCodesOutsideTheTableAreIgnored) {
    using namespace platform;
    inputKeyEvent(0, true);
    inputKeyEvent(-3, true);
    inputKeyEvent(KEY_COUNT, true);
    EXPECT_EQ(keyHit(0), 0);
    EXPECT_EQ(keyHit(-3), 0);
    EXPECT_EQ(keyHit(KEY_COUNT), 0);
    EXPECT_FALSE(keyDown(KEY_COUNT + 100));
}

TEST_F(InputTest, TypedCharactersQueueInOrder) {
    using namespace platform;
    const int typed[] = {'H', 'i', 0x142 /* l with stroke */, 8, 13, 27};
    for (int c : typed) inputCharEvent(c);
    inputCharEvent(0);         // not a character
    inputCharEvent(0x110000);  // beyond Unicode
    for (int c : typed) EXPECT_EQ(getChar(), c);
    EXPECT_EQ(getChar(), 0);
}

TEST_F(InputTest, FlushKeysForgetsDownHitsAndCharacters) {
    using namespace platform;
    inputKeyEvent(KEY_ESCAPE, true);
    inputCharEvent('x');
    flushKeys();
    EXPECT_FALSE(keyDown(KEY_ESCAPE));
    EXPECT_EQ(keyHit(KEY_ESCAPE), 0);
    EXPECT_EQ(getChar(), 0);
}

TEST_F(InputTest, MouseButtonsHitsAndWheel) {
    using namespace platform;
    inputMouseMove(512.5f, 100.0f);
    EXPECT_FLOAT_EQ(mouseX(), 512.5f);
    EXPECT_FLOAT_EQ(mouseY(), 100.0f);
    inputMouseButton(1, true);
    inputMouseButton(1, false);
    inputMouseButton(3, true);
    EXPECT_EQ(mouseHit(1), 1);
    EXPECT_EQ(mouseHit(1), 0);
    EXPECT_FALSE(mouseDown(1));
    EXPECT_TRUE(mouseDown(3));
    EXPECT_EQ(mouseHit(2), 0);
    inputMouseButton(0, true);  // no such buttons
    inputMouseButton(4, true);
    EXPECT_EQ(mouseHit(0), 0);
    EXPECT_EQ(mouseHit(4), 0);
    inputWheel(2);
    inputWheel(-5);
    EXPECT_EQ(mouseWheel(), -3);
    EXPECT_EQ(mouseWheel(), 0);
}

TEST_F(InputTest, FlushMouseForgetsButtonsHitsAndWheelButNotThePosition) {
    using namespace platform;
    inputMouseMove(10, 20);
    inputMouseButton(2, true);
    inputWheel(4);
    flushMouse();
    EXPECT_FALSE(mouseDown(2));
    EXPECT_EQ(mouseHit(2), 0);
    EXPECT_EQ(mouseWheel(), 0);
    EXPECT_FLOAT_EQ(mouseX(), 10.0f);
}

TEST_F(InputTest, ReleaseAllLetsGoOfHeldInputButKeepsHits) {
    // Focus lost: the releases will never come, so nothing may stay held.
    using namespace platform;
    inputKeyEvent(KEY_LALT, true);
    inputMouseButton(1, true);
    inputCharEvent('q');
    inputReleaseAll();
    EXPECT_FALSE(keyDown(KEY_LALT));
    EXPECT_FALSE(mouseDown(1));
    EXPECT_EQ(keyHit(KEY_LALT), 1);
    EXPECT_EQ(mouseHit(1), 1);
    EXPECT_EQ(getChar(), 'q');
}

TEST(KeyByNameTest, NamesOfTheScriptMapToGameCodes) {
    using namespace platform;
    struct Case {
        const char* name;
        int key;
    };
    const Case cases[] = {
        {"ESCAPE", KEY_ESCAPE}, {"esc", KEY_ESCAPE}, {"Enter", KEY_ENTER}, {"RETURN", KEY_ENTER},
        {"SPACE", KEY_SPACE},   {"a", KEY_A},        {"Z", KEY_Z},         {"0", KEY_0},
        {"9", KEY_9},           {"F1", KEY_F1},      {"f4", KEY_F4},       {"F12", KEY_F12},
        {"LALT", KEY_LALT},     {"RALT", KEY_RALT},  {"LSHIFT", KEY_LSHIFT}, {"LCTRL", KEY_LCONTROL},
        {"LEFT", KEY_LEFT},     {"DOWN", KEY_DOWN},  {"BACKSPACE", KEY_BACKSPACE}, {"DELETE", KEY_DELETE},
        {"F13", 0},             {"F0", 0},           {"F", KEY_F},         {"F1X", 0},
        {"", 0},                {"AB", 0},           {"NOPE", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(keyByName(c.name), c.key) << c.name;
}

}  // namespace
