// The widget container: loading definition files into fonts, themes and
// widgets, lookups, clicks and hovering, and the reports of faulty files.
#include "gui/gui.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gui/button.h"
#include "gui/gui_readers.h"
#include "gui/gui_selector.h"
#include "gui/menu_bar.h"
#include "gui/rgm_font.h"
#include "gui/text.h"
#include "gui/text_entry.h"
#include "gui/theme.h"
#include "gui/window.h"
#include "platform/files.h"
#include "support/scratch_folder.h"

namespace {

const char* const kTtf = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::string captureErrors(const std::function<void()>& run) {
    testing::internal::CaptureStderr();
    run();
    return testing::internal::GetCapturedStderr();
}

std::string ttfBytes() { return ScratchFolder::read(kTtf); }

int clickSounds = 0;
int overSounds = 0;

// Each test starts with no themes or global fonts and counts the sounds.
class GuiTest : public testing::Test {
protected:
    void SetUp() override {
        globalThemes.clear();
        currentTheme.reset();
        globalFonts.clear();
        clickSounds = overSounds = 0;
        guisound::click = [] { ++clickSounds; };
        guisound::over = [] { ++overSounds; };
    }
    void TearDown() override {
        guisound::click = nullptr;
        guisound::over = nullptr;
        globalThemes.clear();
        currentTheme.reset();
    }

    // A container loaded from text written to gfx/gui/t/t.gui; the errors it
    // reported go to errors.
    std::unique_ptr<TGui> load(const std::string& text) {
        const std::string path = dir.write("gfx/gui/t/t.gui", text);
        std::unique_ptr<TGui> gui;
        errors = captureErrors([&] { gui = loadGui(path); });
        return gui;
    }

    ScratchFolder dir;
    std::string errors;
};

// A widget whose hover and click are set by the test.
class FakeWidget : public TGuiObject {
public:
    int wantOver = 0, wantClicked = 0, updates = 0, draws = 0;
    void update(float, float) override {
        ++updates;
        _over = wantOver;
        _clicked = wantClicked;
    }
    void draw(float, float) override { ++draws; }
};

class FakeSelector : public TGuiSelector {
public:
    std::string nextClicked, nextOver;
    int cleans = 0;
    void update(float, float) override {
        _clickedOp = nextClicked;
        _overOp = nextOver;
    }
    void _clean() override {
        ++cleans;
        _clickedOp.clear();
        _overOp.clear();
    }
};

std::shared_ptr<FakeWidget> fake(const std::string& id) {
    auto w = std::make_shared<FakeWidget>();
    w->_id = id;
    return w;
}

}  // namespace

TEST_F(GuiTest, WorkedExampleBuildsFontsThemeAndFiveWidgetsInOrder) {
    dir.write("gfx/gui/example/font.ttf", ttfBytes());
    dir.write("gfx/gui/window/temat1.txt", "TEMAT { }\n");
    dir.write("txt/mainMenu.txt", "1\n2\n3\n4\nExit the game\n");
    const std::string path = dir.write("gfx/gui/example/example.gui", R"(FONT big { URL = font.ttf SIZE = 28 }
THEME standard { URL = ../window/temat1.txt }
BUTTON PLAYQUEST {
    TYP = FSTEP_BUTTON
    POSITION = "512 300"
    GFX = play.png
}
BUTTON EXIT {
    TYP = TEXT_BUTTON
    POSITION = "512 600"
    TXT = [../../../txt/mainMenu.txt|5]
    FONT = big
    RGB = "255 255 0"
    OUTLINE = "0 0 0"
}
TEXT title {
    POSITION = "100 50 824"
    TXT = "Open level file"
    ALIGN = CENTER
    SHADOW = "0 0 0"
}
WINDOW frame { POSITION = "200 150 624 468" THEME = standard }
BAR menuBar {
    POSITION = "0 0"
    WIDTH = 1024
    TEMAT = standard
    MENU file {
        TITLE = File
        COMMAND = new|New
        COMMAND = exit|Exit
    }
}
)");
    std::unique_ptr<TGui> gui;
    errors = captureErrors([&] { gui = loadGui(path); });
    // Only the missing pictures are reported.
    EXPECT_EQ(errors.find("Nie"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("No "), std::string::npos) << errors;

    ASSERT_EQ(gui->_fonts.size(), 1u);
    EXPECT_EQ(gui->_fonts[0]->_id, "big");
    EXPECT_NE(gui->_fonts[0]->_font, nullptr);
    EXPECT_EQ(TRGMFont::getByID("BIG", gui.get()), gui->_fonts[0].get());
    ASSERT_EQ(gui->_themes.size(), 1u);
    EXPECT_EQ(gui->_themes[0]->id, "STANDARD");
    EXPECT_EQ(currentTheme, gui->_themes[0]);

    ASSERT_EQ(gui->_listaObiektow.size(), 5u);
    const char* ids[] = {"PLAYQUEST", "EXIT", "title", "frame", "menuBar"};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(gui->_listaObiektow[i]->_id, ids[i]);

    auto* play = dynamic_cast<TButton*>(gui->_listaObiektow[0].get());
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->_typ, FSTEP_BUTTON);
    auto* exit = gui->find<TButton>("exit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->_typ, TEXT_BUTTON);
    EXPECT_EQ(exit->_txt, "Exit the game");
    EXPECT_EQ(exit->_font, gui->_fonts[0]->_font);
    EXPECT_EQ(exit->rgb.b, 0);
    ASSERT_TRUE(exit->outLine.has_value());
    EXPECT_EQ(exit->outLine->r, 0);

    auto* title = gui->find<TText>("TITLE");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->_txt, "Open level file");
    EXPECT_EQ(title->_align, 2);
    EXPECT_EQ(title->_shadow, 1);
    EXPECT_FLOAT_EQ(title->dim.w, 824.0f);

    auto* frame = gui->find<TWindow>("frame");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->theme, gui->_themes[0]);
    EXPECT_FLOAT_EQ(frame->dim.w, 624.0f);

    auto* bar = gui->find<TBelka>("menuBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->theme, gui->_themes[0]);
    ASSERT_EQ(bar->_menusList.size(), 1u);
    EXPECT_EQ(bar->_menusList[0]->id, "file");
}

TEST_F(GuiTest, MissingFileGivesEmptyContainer) {
    std::unique_ptr<TGui> gui;
    errors = captureErrors([&] { gui = loadGui(dir.file("nothing/here.gui")); });
    EXPECT_EQ(errors, " >> BLAD! << : Plik : " + dir.file("nothing/here.gui") + " nie istenieje!\n");
    ASSERT_NE(gui, nullptr);
    EXPECT_TRUE(gui->_listaObiektow.empty());
}

TEST_F(GuiTest, ReportsOfFaultyBlocks) {
    dir.write("gfx/gui/t/f.ttf", ttfBytes());
    struct Case {
        std::string text;
        std::string report;  // "" = nothing reported
        size_t widgets;
    };
    const std::vector<Case> cases = {
        {"BUTTON b { TYP = text_button }", "Unknown button type : 'text_button' !", 0},
        {"button b { typ = TEXT_BUTTON }", "", 1},
        {"BUTTON b { TYP = TEXT_BUTTON FONT = big } FONT big { URL = f.ttf }", "Nie znaleziono czcionki : big", 1},
        {"FONT big { SIZE = 20 }", "Nie podano scierzki do czcionki.", 0},
        {"FONT big { URL = nofont.ttf }",
         "Nie moge znalezc czcionki : nofont.ttf\n >> BLAD! << : Nie podano scierzki do czcionki.", 0},
        {"THEME t { }", "No path for theme file!", 0},
        {"WINDOW w { POSITION = \"1 2 3 4\" }", "No theme for window object!", 1},
        {"BAR b { WIDTH = 10 }", "No theme asigned for bar object!", 1},
        {"XBUTTON gone { TYP = nonsense { deeper = 1 } } TEXT kept { }", "", 1},
        {"TEXT open { TXT = unfinished", "", 1},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TGui> gui = load(c.text);
        if (c.report.empty()) EXPECT_EQ(errors, "") << c.text;
        else EXPECT_EQ(errors, " >> BLAD! << : " + c.report + "\n") << c.text;
        EXPECT_EQ(gui->_listaObiektow.size(), c.widgets) << c.text;
    }
}

TEST_F(GuiTest, WidgetValuesDefaultsAndLaterKeysWin) {
    std::unique_ptr<TGui> gui = load(
        "TEXT a { } "
        "TEXT b { POSITION = \"7  20\" RGB = \"-1 5 5\" VISIBLE = false ACTIVE = yes ALIGN = right } "
        "TEXTENTRY e { POSITION = \"1 2\" WIDTH = 8 WIDTH = 12 } "
        "TEXT open { TXT = unfinished");
    ASSERT_EQ(gui->_listaObiektow.size(), 4u);
    auto* a = gui->find<TText>("a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->_v, 1);
    EXPECT_EQ(a->_a, 1);
    EXPECT_EQ(a->_align, 1);
    EXPECT_FLOAT_EQ(a->dim.w, 10000000.0f);
    EXPECT_EQ(a->_shadow, 0);
    auto* b = gui->find<TText>("b");
    ASSERT_NE(b, nullptr);
    EXPECT_FLOAT_EQ(b->dim.x, 7.0f);
    EXPECT_FLOAT_EQ(b->dim.y, 0.0f);  // two spaces: the empty piece is y
    EXPECT_EQ(b->rgb.r, 255);         // no colour: white
    EXPECT_EQ(b->rgb.g, 255);
    EXPECT_EQ(b->_v, 0);
    EXPECT_EQ(b->_a, 0);
    EXPECT_EQ(b->_align, 0);
    auto* e = gui->find<TTextEntry>("e");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->_maxZnakow, 12);
    EXPECT_FLOAT_EQ(e->dim.w, 300.0f);
    EXPECT_EQ(gui->find<TText>("open")->_txt, "unfinished");
}

TEST_F(GuiTest, LookupsAreCaseInsensitiveAndFirstWins) {
    TGui gui;
    auto first = fake("EXIT");
    auto second = fake("exit");
    gui.addItem(first);
    gui.addItem(nullptr);  // not kept
    gui.addItem(second);
    EXPECT_EQ(gui._listaObiektow.size(), 2u);
    EXPECT_EQ(gui.getItem("Exit"), first.get());
    EXPECT_EQ(gui.getItem("none"), nullptr);

    second->wantClicked = 1;
    gui.update();
    EXPECT_EQ(gui._clicked, "exit");
    EXPECT_EQ(gui.clickedItem("EXIT"), 1);
    EXPECT_EQ(gui.clickedItem("exit"), 1);
    EXPECT_EQ(clickSounds, 2);  // each answer of 1 plays the sound
    EXPECT_EQ(gui.clickedItem("other"), 0);
    EXPECT_EQ(clickSounds, 2);

    second->wantClicked = 0;
    gui.update();
    EXPECT_EQ(gui.clickedItem(""), 0);  // nothing clicked is never an answer
}

TEST_F(GuiTest, FindReportsAMissingIdOnce) {
    TGui gui;
    gui.addItem(fake("b"));
    const std::string err = captureErrors([&] {
        EXPECT_EQ(gui.find<TGuiObject>("missing"), nullptr);
        EXPECT_EQ(gui.find<TGuiObject>("MISSING"), nullptr);
        EXPECT_EQ(gui.find<TButton>("b"), nullptr);  // there, but no button
        gui.setItemState("missing", 0, 0);
    });
    EXPECT_EQ(err,
              " >> BLAD! << : GUI widget not found : missing ()\n"
              " >> BLAD! << : GUI widget of another kind : b ()\n");
    EXPECT_NE(gui.find<FakeWidget>("B"), nullptr);
    gui.setItemVisible("b", 0);
    EXPECT_EQ(gui.getItem("b")->_v, 0);
}

TEST_F(GuiTest, UpdateTakesLastHitAndSelectorOperations) {
    TGui gui;
    auto a = fake("a");
    auto sel = std::make_shared<FakeSelector>();
    sel->_id = "bar";
    auto c = fake("c");
    gui.addItem(a);
    gui.addItem(sel);
    gui.addItem(c);

    a->wantOver = a->wantClicked = 1;
    sel->nextOver = "open";
    gui.update();
    EXPECT_EQ(gui._clicked, "a");
    EXPECT_EQ(gui._over, "open");  // the selector came later
    EXPECT_EQ(sel->cleans, 1);     // something was clicked by then
    EXPECT_EQ(overSounds, 1);

    gui.update();  // same hover: no new sound
    EXPECT_EQ(overSounds, 1);

    a->wantOver = a->wantClicked = 0;
    sel->nextClicked = "save";
    sel->nextOver = "";
    c->wantOver = 1;
    gui.update();
    EXPECT_EQ(gui._clicked, "save");
    EXPECT_EQ(gui._over, "c");
    EXPECT_EQ(overSounds, 2);

    sel->nextClicked = "";
    c->wantOver = 0;
    const int cleans = sel->cleans;
    gui.update();
    EXPECT_EQ(gui._clicked, "");
    EXPECT_EQ(gui._over, "");
    EXPECT_EQ(sel->cleans, cleans);  // nothing clicked: not cleaned
    EXPECT_EQ(overSounds, 2);        // losing the hover plays nothing
}

TEST_F(GuiTest, DrawAlphaAndClear) {
    TGui gui;
    auto shown = fake("shown");
    auto hidden = fake("hidden");
    hidden->_v = 0;
    gui.addItem(shown);
    gui.addItem(hidden);
    gui.draw();
    EXPECT_EQ(shown->draws, 1);
    EXPECT_EQ(hidden->draws, 0);
    gui.setGuiAlpha(0.25f);
    EXPECT_FLOAT_EQ(hidden->_alpha, 0.25f);
    EXPECT_FLOAT_EQ(hidden->_dAlpha, 0.25f);
    gui._clicked = "x";
    gui.clear();
    EXPECT_TRUE(gui._listaObiektow.empty());
    EXPECT_EQ(gui._clicked, "");
}

TEST_F(GuiTest, ReloadRebuildsWidgetsAndAccumulatesFonts) {
    dir.write("gfx/gui/t/f.ttf", ttfBytes());
    std::unique_ptr<TGui> gui = load("FONT f { URL = f.ttf } TEXT a { FONT = f }");
    ASSERT_EQ(gui->_fonts.size(), 1u);
    // Held so the old widget's address cannot be handed to the rebuilt one.
    const std::shared_ptr<TGuiObject> before = gui->_listaObiektow.front();
    ASSERT_EQ(before.get(), gui->getItem("a"));
    const std::string cwd = platform::currentFolder();
    gui->reload();
    EXPECT_EQ(platform::currentFolder(), cwd);
    EXPECT_EQ(gui->_fonts.size(), 2u);
    ASSERT_EQ(gui->_listaObiektow.size(), 1u);
    EXPECT_NE(gui->getItem("a"), before.get());
    EXPECT_EQ(gui->find<TText>("a")->_font, gui->_fonts[0]->_font);  // the old font is found first
    EXPECT_EQ(gui->_myPath, dir.file("gfx/gui/t/t.gui"));
}

TEST_F(GuiTest, FontsWithoutContainerGoToGlobalFonts) {
    dir.write("f.ttf", ttfBytes());
    GuiEntries entries = {{"url", dir.file("f.ttf")}, {"SIZE", "16"}};
    TRGMFont::createFromList("Global", entries, nullptr);
    ASSERT_EQ(globalFonts.size(), 1u);
    EXPECT_EQ(TRGMFont::getByID("GLOBAL", nullptr), globalFonts[0].get());
    TGui gui;
    EXPECT_EQ(TRGMFont::getByID("GLOBAL", &gui), nullptr);
}

TEST_F(GuiTest, DeclarationStepReadsOneMenu) {
    TGui gui;
    std::shared_ptr<TSmallObject> d = gui._odbierzDeklaracje("MENU", "file", {"TITLE", "=", "File"});
    EXPECT_EQ(d->_typ, "MENU");
    EXPECT_EQ(d->_name, "file");
    ASSERT_EQ(d->_tokeny.size(), 1u);
    EXPECT_EQ(d->_tokeny[0]->asEntry()->_value, "File");
    EXPECT_EQ(gui._createSimpleEntry("K", "V")->_typ, "K");
}

TEST_F(GuiTest, UnquotedPositionLeavesTheButtonWithoutImage) {
    std::vector<std::vector<std::string>> blocks =
        stworzListyTokenow("BUTTON b { POSITION = 10 20 GFX = a.png }");
    TGuiBlock block;
    errors = captureErrors([&] { ASSERT_TRUE(readGuiBlock(blocks[0], block)); });
    EXPECT_EQ(errors, " >> BLAD! << : Nieprawidlowy wpis :GFX\n");
    const TButtonValues v = readButtonValues(block.entries, nullptr);
    EXPECT_EQ(v.x, 10);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.gfx, "");
    EXPECT_EQ(v.typ, "SIMPLE_BUTTON");

    // DIR is case-sensitive: only "H" lays frames side by side.
    const TButtonValues h = readButtonValues({{"DIR", "H"}}, nullptr);
    const TButtonValues lower = readButtonValues({{"dir", "h"}}, nullptr);
    EXPECT_EQ(h.dir, TButton::kSideBySide);
    EXPECT_EQ(lower.dir, TButton::kStacked);
    EXPECT_FALSE(readButtonValues({{"OUTLINE", "none"}}, nullptr).outline.has_value());
    EXPECT_FALSE(readButtonValues({{"RGB", "-1"}}, nullptr).rgb.has_value());
}
