// Reading GUI definition files as the game's container does, for the
// content validator: tokens, blocks, entries, schemes and text references;
// and resolving the paths written inside content files.
#include "validate_content/gui_file.h"

#include <gtest/gtest.h>

#include <random>

#include "gui/gui_file.h"
#include "validate_content/content_paths_resolve.h"

namespace {

TEST(GuiFile, TokensSplitAtWhiteSpaceAndQuotesGroupAndVanish) {
    const std::vector<std::string> t =
        tokenizeGuiText("BUTTON b {\r\n\tPOSITION = \"10 20\"\r\n  TXT = \"\" GFX=x.png\n}");
    const std::vector<std::string> expected = {"BUTTON", "b", "{", "POSITION", "=", "10 20", "TXT", "=", "GFX=x.png", "}"};
    EXPECT_EQ(t, expected);  // the empty quoted value is dropped; "=" glued to its key is one token
}

TEST(GuiFile, ReadsTheWorkedExampleIntoBlocksAndEntries) {
    const std::string text =
        "FONT big { URL = font.ttf SIZE = 28 }\n"
        "THEME standard { URL = ../window/temat1.txt }\n"
        "BUTTON PLAYQUEST {\n    TYP = FSTEP_BUTTON\n    POSITION = \"512 300\"\n    GFX = play.png\n}\n"
        "TEXT title {\n POSITION = \"100 50 824\"\n TXT = \"Open level file\"\n ALIGN = CENTER\n}\n"
        "BAR menuBar {\n POSITION = \"0 0\"\n WIDTH = 1024\n MENU file {\n  TITLE = File\n  COMMAND = new|New\n }\n"
        " FONT = big\n}\n";
    GuiDocument doc = parseGui(text);
    EXPECT_TRUE(doc.problems.empty());
    ASSERT_EQ(doc.blocks.size(), 5u);
    EXPECT_EQ(doc.blocks[0].kind, "FONT");
    EXPECT_EQ(doc.blocks[0].name, "big");
    ASSERT_TRUE(guiValue(doc.blocks[0], "url"));
    EXPECT_EQ(*guiValue(doc.blocks[0], "url"), "font.ttf");
    EXPECT_EQ(*guiValue(doc.blocks[2], "POSITION"), "512 300");
    EXPECT_EQ(*guiValue(doc.blocks[3], "TXT"), "Open level file");
    // The BAR's nested menu is stepped over; the entry after it is read.
    const GuiBlock& bar = doc.blocks[4];
    EXPECT_TRUE(bar.problems.empty());
    ASSERT_TRUE(guiValue(bar, "FONT"));
    EXPECT_EQ(*guiValue(bar, "FONT"), "big");
    EXPECT_EQ(guiValue(bar, "TITLE"), nullptr);
    for (const GuiBlock& b : doc.blocks) EXPECT_TRUE(b.problems.empty()) << b.name;
}

TEST(GuiFile, NotesTheMistakesTheContainerWouldMisread) {
    // POSITION = 10 20 without quotes: "20" becomes a key and GFX its bad separator.
    GuiDocument doc = parseGui("BUTTON b { POSITION = 10 20 GFX = a.png }");
    ASSERT_EQ(doc.blocks.size(), 1u);
    ASSERT_FALSE(doc.blocks[0].problems.empty());
    EXPECT_NE(doc.blocks[0].problems[0].find("\"GFX\" after key 20"), std::string::npos);

    doc = parseGui("TEXT t { TXT = hello ");
    ASSERT_EQ(doc.blocks.size(), 1u);
    EXPECT_EQ(doc.problems.size(), 1u);  // not closed
    EXPECT_EQ(*guiValue(doc.blocks[0], "TXT"), "hello");  // the game still creates it

    doc = parseGui("} BUTTON b { }");
    EXPECT_FALSE(doc.problems.empty());
}

TEST(GuiFile, LaterEntriesWinAndKindsAreUpperCased) {
    GuiDocument doc = parseGui("button b { typ = TEXT_BUTTON TXT = one TXT = two }");
    ASSERT_EQ(doc.blocks.size(), 1u);
    EXPECT_EQ(doc.blocks[0].kind, "BUTTON");
    EXPECT_EQ(*guiValue(doc.blocks[0], "TXT"), "two");
    EXPECT_TRUE(isGuiWidgetKind("BUTTON"));
    EXPECT_TRUE(isGuiKind("FONT"));
    EXPECT_FALSE(isGuiKind("XBUTTON"));
    EXPECT_FALSE(isGuiWidgetKind("THEME"));
}

TEST(GuiFile, SchemeFramesAreTheNumbersOutsideBrackets) {
    EXPECT_EQ(schemeFrames("[NORMAL] 1 2 [OVER(80)] 3"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(schemeFrames("[NORMAL 1] 0"), (std::vector<int>{0}));
    EXPECT_EQ(schemeFrames("[LOOP(100)] 0 1 2 1"), (std::vector<int>{0, 1, 2, 1}));
    EXPECT_TRUE(schemeFrames("").empty());
}

struct RefCase {
    const char* value;
    bool isReference, wellFormed;
    const char* path;
    int line;
};

class TextReferences : public ::testing::TestWithParam<RefCase> {};

TEST_P(TextReferences, ParseAsTheGameResolvesThem) {
    const RefCase& c = GetParam();
    TextReference r = parseTextReference(c.value);
    EXPECT_EQ(r.isReference, c.isReference) << c.value;
    EXPECT_EQ(r.wellFormed, c.wellFormed) << c.value;
    if (c.wellFormed) {
        EXPECT_EQ(r.path, c.path);
        EXPECT_EQ(r.line, c.line);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextReferences,
                         ::testing::Values(RefCase{"[../../../txt/mainMenu.txt|5]", true, true, "../../../txt/mainMenu.txt", 5},
                                           RefCase{"[a.txt|0]", true, true, "a.txt", 0},
                                           RefCase{"[a.txt]", true, false, "", 0},
                                           RefCase{"Play", false, false, "", 0}, RefCase{"[", false, false, "", 0},
                                           RefCase{"[x|2", false, false, "", 0}));

struct ResolveCase {
    const char* folder;
    const char* path;
    const char* expected;  // nullptr: refused
};

class ContentPathResolve : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ContentPathResolve, FoldsDotsInsideTheGameFolder) {
    const ResolveCase& c = GetParam();
    std::optional<std::string> r = resolveContentPath(c.folder, c.path);
    if (!c.expected) {
        EXPECT_FALSE(r) << c.path;
    } else {
        ASSERT_TRUE(r) << c.path;
        EXPECT_EQ(*r, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ContentPathResolve,
                         ::testing::Values(ResolveCase{"gfx/gui/mainMenu", "../../fonts/a.ttf", "gfx/fonts/a.ttf"},
                                           ResolveCase{"gfx/gui/mainMenu", "../../../txt/m.txt", "txt/m.txt"},
                                           ResolveCase{"gfx/gui/window", "./okno.png", "gfx/gui/window/okno.png"},
                                           ResolveCase{"", "gfx//cards/a.png", "gfx/cards/a.png"},
                                           ResolveCase{"gfx", "../../x.png", nullptr},
                                           ResolveCase{"", "/etc/passwd", nullptr}, ResolveCase{"", "", nullptr},
                                           ResolveCase{"gfx", "..", nullptr}));

TEST(GuiFile, SurvivesAnyText) {
    const std::string alphabet = "{}=\"[]| \t\n\rAB01.x/";
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const size_t length = rng() % 80;
        for (size_t i = 0; i < length; ++i) text.push_back(alphabet[rng() % alphabet.size()]);
        GuiDocument doc = parseGui(text);
        for (const GuiBlock& b : doc.blocks)
            for (const GuiEntry& e : b.entries) EXPECT_NE(e.key, "");
        schemeFrames(text);
        parseTextReference(text);
        resolveContentPath(text, text);
    }
}

TEST(ContentPathResolve, FolderOfAPath) {
    EXPECT_EQ(contentFolderOf("gfx/gui/mainMenu/mainMenu.gui"), "gfx/gui/mainMenu");
    EXPECT_EQ(contentFolderOf("top.txt"), "");
}

}  // namespace
