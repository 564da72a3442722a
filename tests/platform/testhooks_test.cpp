// The input script reader of the test hooks.
#include "platform/testhooks.h"

#include <gtest/gtest.h>

#include "platform/input.h"

namespace {

using Kind = platform::ScriptEvent::Kind;

std::vector<platform::ScriptEvent> parse(const std::string& text, std::vector<std::string>* errors = nullptr) {
    return platform::parseInputScript(text, errors);
}

TEST(InputScriptTest, EveryCommandIsRead) {
    std::vector<std::string> errors;
    auto ev = parse(
        "# header comment\n"
        "\n"
        "0 key ESCAPE\n"
        "1 key lalt down\n"
        "2 KEY F4 UP\n"
        "3 text Hello  w\xC3\xB6rld \n"
        "4 mouse 512.5 -3\n"
        "5 press 1\n"
        "6 release 2\n"
        "7 click 3\n"
        "8 wheel -3\n"
        "9 focus-lost\n"
        "10 focus-gained\n"
        "11 close\n"
        "12 shot menu.png\n",
        &errors);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(ev.size(), 13u);
    EXPECT_EQ(ev[0].kind, Kind::KEY_TAP);
    EXPECT_EQ(ev[0].key, platform::KEY_ESCAPE);
    EXPECT_EQ(ev[0].line, 3);
    EXPECT_EQ(ev[1].kind, Kind::KEY_DOWN);
    EXPECT_EQ(ev[1].key, platform::KEY_LALT);
    EXPECT_EQ(ev[2].kind, Kind::KEY_UP);
    EXPECT_EQ(ev[2].key, platform::KEY_F4);
    EXPECT_EQ(ev[3].kind, Kind::TEXT);
    EXPECT_EQ(ev[3].text, "Hello  w\xC3\xB6rld ");  // spaces kept as written
    EXPECT_EQ(ev[4].kind, Kind::MOUSE_MOVE);
    EXPECT_FLOAT_EQ(ev[4].x, 512.5f);
    EXPECT_FLOAT_EQ(ev[4].y, -3.0f);
    EXPECT_EQ(ev[5].kind, Kind::PRESS);
    EXPECT_EQ(ev[5].button, 1);
    EXPECT_EQ(ev[6].kind, Kind::RELEASE);
    EXPECT_EQ(ev[6].button, 2);
    EXPECT_EQ(ev[7].kind, Kind::CLICK);
    EXPECT_EQ(ev[7].button, 3);
    EXPECT_EQ(ev[8].kind, Kind::WHEEL);
    EXPECT_EQ(ev[8].amount, -3);
    EXPECT_EQ(ev[9].kind, Kind::FOCUS_LOST);
    EXPECT_EQ(ev[10].kind, Kind::FOCUS_GAINED);
    EXPECT_EQ(ev[11].kind, Kind::CLOSE);
    EXPECT_EQ(ev[12].kind, Kind::SHOT);
    EXPECT_EQ(ev[12].text, "menu.png");
    EXPECT_EQ(ev[12].frame, 12);
}

TEST(InputScriptTest, BadLinesAreReportedWithTheirNumberAndSkipped) {
    const char* bad[] = {
        "key A",            // no frame
        "-1 key A",         // negative frame
        "x1 key A",
        "5",                // no command
        "5 jump",           // unknown command
        "5 key",            // no key name
        "5 key NOPE",       // unknown key
        "5 key A sideways",
        "5 key A down up",
        "5 text",
        "5 text ",
        "5 mouse 10",
        "5 mouse 10 y",
        "5 mouse nan 3",
        "5 press 0",
        "5 click 4",
        "5 release",
        "5 wheel 1.5",
        "5 wheel 99999",
        "5 focus-lost now",
        "5 shot",
        "5 shot a.png b.png",
        "99999999999999999999999 close",
    };
    for (const char* line : bad) {
        std::vector<std::string> errors;
        auto ev = parse(std::string("1 close\n") + line + "\n2 close\n", &errors);
        EXPECT_EQ(ev.size(), 2u) << line;
        ASSERT_EQ(errors.size(), 1u) << line;
        EXPECT_EQ(errors[0].rfind("line 2: ", 0), 0u) << errors[0];
    }
}

TEST(InputScriptTest, EventsAreSortedByFrameKeepingFileOrderWithinAFrame) {
    auto ev = parse("5 key A\n1 key B\n5 key C\n1 key D\n0 key E");
    ASSERT_EQ(ev.size(), 5u);
    const int keys[] = {platform::KEY_E, platform::KEY_B, platform::KEY_D, platform::KEY_A, platform::KEY_C};
    for (size_t i = 0; i < ev.size(); ++i) EXPECT_EQ(ev[i].key, keys[i]) << i;
}

TEST(InputScriptTest, WindowsLineEndsCommentsAndIndentationAreAccepted) {
    std::vector<std::string> errors;
    auto ev = parse("  # indented comment\r\n\t3 key space\r\n   \r\n4 text ab\r\n", &errors);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(ev.size(), 2u);
    EXPECT_EQ(ev[0].key, platform::KEY_SPACE);
    EXPECT_EQ(ev[0].line, 2);
    EXPECT_EQ(ev[1].text, "ab");
}

TEST(InputScriptTest, EmptyAndBinaryInputGiveNoEvents) {
    EXPECT_TRUE(parse("").empty());
    EXPECT_TRUE(parse("\n\n\n").empty());
    std::vector<std::string> errors;
    EXPECT_TRUE(parse(std::string("\0\xFF\x01 key", 6), &errors).empty());
    EXPECT_EQ(errors.size(), 1u);
}

}  // namespace
