// The GUI definition format on its own: tokens, blocks, entries, nested
// declarations and the value forms.
#include "gui/gui_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace {

using Tokens = std::vector<std::string>;

std::string captureErrors(const std::function<void()>& run) {
    testing::internal::CaptureStderr();
    run();
    return testing::internal::GetCapturedStderr();
}

TGuiBlock readOne(const std::string& text) {
    std::vector<Tokens> blocks = stworzListyTokenow(text);
    TGuiBlock b;
    if (!blocks.empty()) readGuiBlock(blocks[0], b);
    return b;
}

}  // namespace

TEST(GuiTokens, QuotesWhitespaceAndTrimming) {
    struct Case {
        std::string text;
        Tokens tokens;
    };
    const std::vector<Case> cases = {
        {"a b\tc\nd", {"a", "b", "c", "d"}},
        {"POSITION = \"10 20\"", {"POSITION", "=", "10 20"}},
        {"x=5", {"x=5"}},                                  // "=" only as a whole token
        {"a\r\nb \r\n", {"a", "b"}},                       // carriage returns trimmed away
        {"\"\"  \"  \"", {}},                              // empty and blank tokens dropped
        {"ab\"c d\"e", {"abc de"}},                        // quotes never part of a token
        {"\"unclosed { x", {"unclosed { x"}},               // quoting to the end
        {"{a}", {"{a}"}},
    };
    for (const Case& c : cases) EXPECT_EQ(tokenizeGuiText(c.text), c.tokens) << c.text;
}

TEST(GuiBlocks, GroupedByBraceDepth) {
    const std::vector<Tokens> blocks =
        stworzListyTokenow("A a { k = v } B b { M m { x = y } } C c { open = 1");
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0], (Tokens{"A", "a", "{", "k", "=", "v"}));
    EXPECT_EQ(blocks[1], (Tokens{"B", "b", "{", "M", "m", "{", "x", "=", "y", "}"}));
    EXPECT_EQ(blocks[2], (Tokens{"C", "c", "{", "open", "=", "1"}));  // unclosed: one more block
}

TEST(GuiBlocks, StrayCloseAndDeepNestingAreReportedAndDropped) {
    std::vector<Tokens> blocks;
    std::string err = captureErrors([&] { blocks = stworzListyTokenow("} A a { k = v }"); });
    EXPECT_NE(err.find(" >> BLAD! << : GUI file: '}' outside any block skipped"), std::string::npos);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0][0], "A");

    std::string deep = "BAR b ";
    for (int i = 0; i < 40; ++i) deep += "{ ";
    deep += "inner ";
    for (int i = 0; i < 40; ++i) deep += "} ";
    deep += "NEXT n { }";
    err = captureErrors([&] { blocks = stworzListyTokenow(deep); });
    EXPECT_NE(err.find("nested deeper than 32"), std::string::npos);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].size(), 2u + 32u + 31u);  // kind, name, 32 "{", 31 inner "}"
    EXPECT_EQ(blocks[1][0], "NEXT");
}

TEST(GuiBlocks, BlockWithoutNameIsReportedAndSkipped) {
    TGuiBlock b;
    std::string err = captureErrors([&] { EXPECT_FALSE(readGuiBlock({"LONELY"}, b)); });
    EXPECT_NE(err.find("GUI block without a name skipped : LONELY"), std::string::npos);
}

TEST(GuiBlocks, KindUpperCasedNameKeptThirdTokenSkipped) {
    TGuiBlock b = readOne("button MyId ( typ = TEXT_BUTTON )");
    EXPECT_EQ(b.kind, "BUTTON");
    EXPECT_EQ(b.name, "MyId");
    ASSERT_EQ(b.entries.size(), 1u);
    EXPECT_EQ(b.entries[0]._typ, "typ");  // case kept; readers compare upper-cased
    EXPECT_EQ(b.entries[0]._value, "TEXT_BUTTON");
}

TEST(GuiBlocks, UnquotedPositionShiftsTheCycle) {
    TGuiBlock b;
    std::string err = captureErrors([&] { b = readOne("BUTTON b { POSITION = 10 20 GFX = a.png }"); });
    EXPECT_EQ(err, " >> BLAD! << : Nieprawidlowy wpis :GFX\n");
    ASSERT_EQ(b.entries.size(), 2u);
    EXPECT_EQ(b.entries[0]._typ, "POSITION");
    EXPECT_EQ(b.entries[0]._value, "10");
    EXPECT_EQ(b.entries[1]._typ, "20");
    EXPECT_EQ(b.entries[1]._value, "=");  // a.png is a key without value: ignored
}

TEST(GuiBlocks, TokenWithEqualsInsideIsAKey) {
    TGuiBlock b;
    std::string err = captureErrors([&] { b = readOne("TEXT t { x=5 TXT = hello }"); });
    EXPECT_EQ(err, " >> BLAD! << : Nieprawidlowy wpis :TXT\n");
    ASSERT_EQ(b.entries.size(), 1u);
    EXPECT_EQ(b.entries[0]._typ, "x=5");
    EXPECT_EQ(b.entries[0]._value, "=");
}

TEST(GuiBlocks, BarDeclarationsNestAndUnclosedOnesAreDropped) {
    TGuiBlock b = readOne(
        "BAR menuBar { WIDTH = 1024 MENU file { TITLE = File COMMAND = new|New "
        "SUB more { COMMAND = a|A } COMMAND = exit|Exit } FONT = f MENU lost { TITLE = never");
    EXPECT_EQ(b.kind, "BAR");
    ASSERT_EQ(b.entries.size(), 2u);
    EXPECT_EQ(b.entries[0]._typ, "WIDTH");
    EXPECT_EQ(b.entries[1]._typ, "FONT");
    ASSERT_EQ(b.declarations.size(), 1u);  // "lost" never closes
    const TSmallObject& file = *b.declarations[0];
    EXPECT_EQ(file._typ, "MENU");
    EXPECT_EQ(file._name, "file");
    EXPECT_EQ(file._tytul, "");
    ASSERT_EQ(file._tokeny.size(), 4u);
    EXPECT_EQ(file._tokeny[1]->asEntry()->_value, "new|New");
    const TSmallObject* sub = file._tokeny[2]->asObject();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->_name, "more");
    ASSERT_EQ(sub->_tokeny.size(), 1u);
    EXPECT_EQ(file._tokeny[3]->asEntry()->_value, "exit|Exit");

    testing::internal::CaptureStdout();
    file.wyprintuj("> ");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "> MENU file\n>    TITLE = File\n>    COMMAND = new|New\n>    SUB more\n"
              ">       COMMAND = a|A\n>    COMMAND = exit|Exit\n");
}

TEST(GuiBlocks, LongChainsOfUnclosedDeclarationsAreDropped) {
    // No braces are needed to open declarations, so depth comes cheap; none
    // of them closes, so none is kept.
    std::string text = "BAR b { WIDTH = 5 ";
    for (int i = 0; i < 20000; ++i) text += "M m x ";
    TGuiBlock b;
    const std::string err = captureErrors([&] { b = readOne(text); });
    EXPECT_NE(err.find("Menu declaration nested deeper than 32 levels dropped : m"), std::string::npos);
    EXPECT_EQ(b.entries.size(), 1u);
    EXPECT_TRUE(b.declarations.empty());
}

TEST(GuiValues, NumberListsFlagsAndPaths) {
    EXPECT_EQ(guiNumberList("10 20"), (std::vector<int>{10, 20}));
    EXPECT_EQ(guiNumberList("10  20"), (std::vector<int>{10, 0, 20}));  // two spaces: empty piece
    EXPECT_EQ(guiNumberList("$10 -3x"), (std::vector<int>{16, -3}));
    EXPECT_EQ(guiNumberList(""), std::vector<int>{});
    EXPECT_EQ(guiListValue({5}, 1), 0);
    EXPECT_EQ(guiListValue({5}, 2, 300), 300);
    for (const char* t : {"TRUE", "true", "TrUe"}) EXPECT_TRUE(guiFlag(t)) << t;
    for (const char* t : {"1", "yes", "", "TRUE "}) EXPECT_FALSE(guiFlag(t)) << t;
    EXPECT_EQ(guiPath("a.png", "/x/y"), "/x/y/a.png");
    EXPECT_EQ(guiPath("../w/t.txt", "/x/y"), "/x/w/t.txt");
    EXPECT_EQ(guiPath("/abs.png", "/x/y"), "/abs.png");
    EXPECT_EQ(guiPath("", "/x/y"), "");
}

TEST(GuiValues, TextReferencesResolveAgainstTheFileFolder) {
    ScratchFolder dir;
    dir.write("txt/menu.txt", "first\nsecond\n");
    const std::string base = dir.file("gfx/gui");
    struct Case {
        std::string value, text;
    };
    const std::vector<Case> cases = {
        {"[../../txt/menu.txt|2]", "second"},
        {"[../../txt/menu.txt|0]", "(BEYOND TEXT ARRAY LENGTH!)"},
        {"[../../txt/menu.txt|3]", "(BEYOND TEXT ARRAY LENGTH!)"},
        {"[../../txt/menu.txt]", "(BEYOND TEXT ARRAY LENGTH!)"},  // no "|"
        {"[]", "(BEYOND TEXT ARRAY LENGTH!)"},
        {"[", "["},
        {"plain [text]!", "plain [text]!"},
        {"Open level file", "Open level file"},
    };
    for (const Case& c : cases) EXPECT_EQ(guiText(c.value, base), c.text) << c.value;
}
