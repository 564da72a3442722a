#include "gui/menu_bar.h"

#include <gtest/gtest.h>

#include <string>

#include "gui/gui.h"
#include "gui/gui_file.h"
#include "gui/gui_test_support.h"

namespace {

// A bar theme: ends 12 x 30 around a 1 px middle, box pieces 8 x 8 (edges 4 wide).
ThemeRef barTheme() {
    auto t = std::make_shared<TTheme>();
    t->bar[TTheme::BAR_LEFT] = solidImage(12, 30);
    t->bar[TTheme::BAR_MIDDLE] = solidImage(1, 30);
    t->bar[TTheme::BAR_RIGHT] = solidImage(12, 30);
    t->barHeight = 30;
    for (int i = 0; i < 9; ++i) t->rect[i] = solidImage(i % 2 ? 4 : 8, 8);
    return t;
}

const char* const kBar =
    "BAR menuBar { POSITION = \"0 0\" WIDTH = 1024\n"
    "  MENU file { TITLE = File COMMAND = new|New COMMAND = exit|Exit\n"
    "    MENU recent { TITLE = Recent COMMAND = one|One } }\n"
    "  MENU view { TITLE = View COMMAND = Grid COMMAND = \"bad|Bad|nofont\" } }\n";

class MenuBar : public ::testing::Test {
protected:
    void SetUp() override { build(0, 0); }

    void build(int x, int y) {
        auto blocks = stworzListyTokenow(kBar);
        ASSERT_EQ(blocks.size(), 1u);
        TGuiBlock block;
        ASSERT_TRUE(readGuiBlock(blocks[0], block));
        bar = createMenuBar("menuBar", x, y, 1024, barTheme(), nullptr, 1, 1);
        reports = reportsOf([&] { TBelka::createMenus(*bar, block.declarations, nullptr); });
        bar->_poukladajMenu();
        ASSERT_EQ(bar->_menusList.size(), 2u);
        file = bar->_menusList[0].get();
        view = bar->_menusList[1].get();
        recent = file->_barTitles[2]->asMenu();
        ASSERT_TRUE(recent);
    }

    // One frame of the bar (as the container runs it).
    void frame() { bar->update(0.0f, 0.0f); }
    // Enough frames for every fade to end, the mouse standing still.
    void settle() {
        for (int i = 0; i < 20; ++i) frame();
    }
    // A point inside an entry's area on screen.
    float sx(const TBarTitle& t) const { return t.dim.x + bar->dim.x + 2.0f; }
    float sy(const TBarTitle& t) const { return t.dim.y + bar->dim.y + 2.0f; }
    void hover(const TBarTitle& t) {
        m.moveTo(sx(t), sy(t));
        frame();
    }
    void click(const TBarTitle& t) {
        m.press(sx(t), sy(t));
        frame();
        m.release();
    }
    void openFile() {
        click(*file);
        settle();
    }

    TestMouse m;
    std::shared_ptr<TBelka> bar;
    TMenu* file = nullptr;
    TMenu* view = nullptr;
    TMenu* recent = nullptr;
    std::string reports;
};

TEST_F(MenuBar, DeclarationsBecomeMenusCommandsAndSubmenus) {
    EXPECT_EQ(file->id, "file");
    EXPECT_EQ(file->title, "File");
    EXPECT_EQ(file->_first, 1);
    ASSERT_EQ(file->_barTitles.size(), 3u);
    EXPECT_EQ(file->_barTitles[1]->id, "exit");
    EXPECT_EQ(file->_barTitles[1]->title, "  Exit");
    EXPECT_EQ(file->_barTitles[1]->_parent, file);
    EXPECT_EQ(recent->_first, 0);
    EXPECT_EQ(recent->_parent, file);
    EXPECT_EQ(recent->_barTitles[0]->id, "one");
    // A command without "|" is its own id and caption.
    EXPECT_EQ(view->_barTitles[0]->id, "Grid");
    EXPECT_EQ(view->_barTitles[0]->title, "  Grid");
    // An unknown font of a command is reported with the whole value; the
    // command stays, in the bar's font.
    EXPECT_NE(reports.find("Nie znaleziono czcionki : bad|Bad|nofont"), std::string::npos) << reports;
    EXPECT_EQ(view->_barTitles[1]->title, "  Bad");
}

TEST_F(MenuBar, ACheckedEntryShowsAStarInPlaceOfItsLeadingSpaces) {
    TBarTitle* grid = view->_barTitles[0].get();
    EXPECT_EQ(grid->shownText(), "  Grid");
    grid->checked = 1;
    EXPECT_EQ(grid->shownText(), "* Grid");
}

TEST_F(MenuBar, MenusAreLaidOutAlongTheBarAndBoxesBelowAndBeside) {
    const int l = platform::fontHeight(nullptr);
    EXPECT_EQ(bar->dim.h, 30.0f);
    EXPECT_EQ(bar->_widthScale, 1000.0f);  // 1024 - both ends
    EXPECT_EQ(file->dim.x, 10.0f);
    EXPECT_EQ(file->dim.y, static_cast<float>(static_cast<int>(15.0f - l / 2)));
    EXPECT_EQ(view->dim.x, 10.0f + platform::fontWidth(nullptr, "File") + 30.0f);

    const int maxW = file->_getMaxWidth();
    EXPECT_EQ(maxW, std::max({platform::fontWidth(nullptr, "  New"), platform::fontWidth(nullptr, "  Exit"),
                              platform::fontWidth(nullptr, "Recent")}) +
                        platform::fontWidth(nullptr, "* "));
    EXPECT_FLOAT_EQ(file->_comRect.y, file->dim.y + 1.5f * l);
    EXPECT_EQ(file->_comRect.w, maxW + 40.0f);
    EXPECT_EQ(file->_comRect.h, static_cast<float>(l / 2 + 3 * (l + 1)));
    // Entries one line plus one pixel apart, as wide as the widest.
    for (size_t i = 0; i < file->_barTitles.size(); ++i) {
        const TBarTitle& e = *file->_barTitles[i];
        EXPECT_EQ(e.dim.x, static_cast<float>(static_cast<int>(file->_comRect.x + 10.0f))) << i;
        EXPECT_EQ(e.dim.y, static_cast<int>(file->_comRect.y) + static_cast<float>(i * (l + 1))) << i;
        EXPECT_EQ(e.dim.w, static_cast<float>(maxW)) << i;
    }
    // The submenu's box opens to the right of its title, level with it.
    EXPECT_EQ(recent->_comRect.x, recent->dim.x + maxW);
    EXPECT_EQ(recent->_comRect.y, recent->dim.y);
}

TEST_F(MenuBar, AClickOnATitleOpensItsMenu) {
    EXPECT_EQ(file->_barTitles[0]->_alpha, 0.0f);  // closed at first
    click(*file);
    EXPECT_EQ(bar->_actualMenu, file);
    EXPECT_EQ(file->_dBoxA, 1.0f);
    settle();
    EXPECT_EQ(file->_boxA, 1.0f);
    EXPECT_EQ(file->_barTitles[0]->_alpha, 1.0f);
    EXPECT_EQ(view->_dBoxA, 0.0f);
}

TEST_F(MenuBar, HoveringATitleWithNoMenuOpenDoesNothing) {
    hover(*view);
    settle();
    EXPECT_EQ(view->_dBoxA, 0.0f);
    EXPECT_EQ(bar->_actualMenu, nullptr);
    EXPECT_EQ(bar->_overOp, "");  // titles are not commands
}

TEST_F(MenuBar, ChoosingACommandReportsItInTheSameFrameConsumesThePressAndClosesAll) {
    openFile();
    hover(*recent);
    settle();
    ASSERT_EQ(recent->_boxA, 1.0f);

    // Through a container: a widget after the bar under the same point must
    // not see the press.
    TGui gui;
    gui.addItem(bar);
    auto below = std::make_shared<TGuiObject>();
    below->_id = "below";
    below->dim = newDim(0, 0, 1024, 768);
    gui.addItem(below);

    TBarTitle* exit = file->_barTitles[1].get();
    m.press(sx(*exit), sy(*exit));
    gui.update();
    EXPECT_EQ(gui._clicked, "exit");
    EXPECT_EQ(below->_clicked, 0);
    EXPECT_EQ(m.mouse.leftPressed, 0);
    EXPECT_EQ(file->_dBoxA, 0.0f);
    EXPECT_EQ(recent->_dBoxA, 0.0f);
    for (const auto& e : file->_barTitles) EXPECT_EQ(e->_dAlpha, 0.0f);
    for (const auto& e : recent->_barTitles) EXPECT_EQ(e->_dAlpha, 0.0f);
    m.release();
    // The next frame reports nothing.
    gui.update();
    EXPECT_EQ(gui._clicked, "");
}

TEST_F(MenuBar, AfterAChoiceHoveringAnotherTitleOpensItButNotTheSameOne) {
    openFile();
    click(*file->_barTitles[0]);  // "new"
    settle();
    EXPECT_EQ(file->_boxA, 0.0f);

    hover(*file);
    EXPECT_EQ(file->_dBoxA, 0.0f);
    hover(*view);
    EXPECT_EQ(view->_dBoxA, 1.0f);
    EXPECT_EQ(bar->_actualMenu, view);
    // And moving along the bar switches back.
    hover(*file);
    EXPECT_EQ(file->_dBoxA, 1.0f);
    EXPECT_EQ(view->_dBoxA, 0.0f);
}

TEST_F(MenuBar, ASubmenuOpensOnHoverAndClosesWhenTheMouseLeavesItsBox) {
    openFile();
    hover(*recent);
    EXPECT_EQ(recent->_dBoxA, 1.0f);
    settle();
    // Into its box, onto its command: it stays open, and so does File.
    hover(*recent->_barTitles[0]);
    settle();
    EXPECT_EQ(recent->_dBoxA, 1.0f);
    EXPECT_EQ(file->_rozwiniety, 1);
    // Away from every box: the submenu closes, the top-level menu stays.
    m.moveTo(900.0f, 600.0f);
    settle();
    EXPECT_EQ(recent->_boxA, 0.0f);
    EXPECT_EQ(file->_boxA, 1.0f);
    // A press outside closes it and forgets the open menu.
    m.press(900.0f, 600.0f);
    frame();
    m.release();
    EXPECT_EQ(file->_dBoxA, 0.0f);
    EXPECT_EQ(bar->_actualMenu, nullptr);
    EXPECT_EQ(bar->_clickedOp, "");
}

TEST_F(MenuBar, ABarLowerDownReactsWhereItsMenusAreDrawn) {
    build(0, 100);
    // At the title's unshifted place nothing opens.
    m.press(file->dim.x + 2.0f, file->dim.y + 2.0f);
    frame();
    m.release();
    EXPECT_EQ(file->_dBoxA, 0.0f);
    openFile();
    EXPECT_EQ(file->_boxA, 1.0f);
    // The box is tested 100 px down too: hovering the submenu title there opens it.
    hover(*recent);
    EXPECT_EQ(recent->_dBoxA, 1.0f);
    EXPECT_EQ(recent->rect.y, recent->dim.y + 100.0f);
    settle();
    // Resting on its command keeps the submenu open.
    TBarTitle* one = recent->_barTitles[0].get();
    hover(*one);
    settle();
    EXPECT_EQ(recent->_boxA, 1.0f);
    // A press inside File's box but on no entry leaves File open.
    m.press(file->_comRect.x + 2.0f, file->_comRect.y + 100.0f + 5.0f);
    frame();
    m.release();
    EXPECT_EQ(file->_dBoxA, 1.0f);
    EXPECT_EQ(bar->_actualMenu, file);
    m.press(sx(*one), sy(*one));
    frame();
    m.release();
    EXPECT_EQ(bar->_clickedOp, "one");
}

TEST_F(MenuBar, AHiddenBarNeitherOpensNorConsumesPresses) {
    bar->_v = 0;
    m.press(sx(*file), sy(*file));
    frame();
    EXPECT_EQ(m.mouse.leftPressed, 1);
    EXPECT_EQ(file->_dBoxA, 0.0f);
}

TEST_F(MenuBar, PathsFindEntriesThroughMenusAndSubmenus) {
    struct Case {
        const char* path;
        const char* id;  // nullptr: not found
        bool reported;   // "Nie znaleziono ..." for a missing menu
    };
    for (const Case& c : {Case{"file:new", "new", false}, Case{"FILE:exit", "exit", false},
                          Case{"file:recent", "recent", false}, Case{"file:recent:one", "one", false},
                          Case{"view:Grid", "Grid", false}, Case{"file:NEW", nullptr, false},
                          Case{"file:recent:two", nullptr, false}, Case{"edit:new", nullptr, true},
                          Case{"file", nullptr, true}}) {
        TBarTitle* found = nullptr;
        std::string r = reportsOf([&] { found = bar->getBarTitle(c.path); });
        if (c.id) {
            ASSERT_TRUE(found) << c.path;
            EXPECT_EQ(found->id, c.id) << c.path;
        } else {
            EXPECT_EQ(found, nullptr) << c.path;
        }
        EXPECT_EQ(r.find("w belce :menuBar") != std::string::npos, c.reported) << c.path << r;
    }
    std::string r = reportsOf([&] { bar->getBarTitle("edit:new"); });
    EXPECT_NE(r.find("Nie znaleziono edit w belce :menuBar"), std::string::npos) << r;
}

TEST_F(MenuBar, ABarWithoutAThemeHasNoHeightAndDrawsNothingOfOne) {
    ThemeRef before = currentTheme;
    currentTheme = nullptr;
    auto plain = createMenuBar("plain", 0, 0, 500, nullptr, nullptr, 1, 1);
    EXPECT_EQ(plain->theme, nullptr);
    EXPECT_EQ(plain->dim.h, 0.0f);
    EXPECT_EQ(plain->_widthScale, 500.0f);
    plain->draw(0.0f, 0.0f);  // nothing of a theme, no failure
    plain->update(0.0f, 0.0f);
    currentTheme = before;
}

}  // namespace

namespace {

// A whole definition file: the shipped theme by THEME, a window and a bar.
TEST(MenuBarFile, ABarDeclaredInAGuiFileReportsItsCommandsToTheContainer) {
    ScratchFolder f;
    const std::string theme = std::string(FIELDSTACK_GAME_DIR) + "/gfx/gui/window/temat1.txt";
    const std::string path = f.write(
        "screen/screen.gui", "THEME standard { URL = " + theme + " }\n" +
                                 "WINDOW frame { POSITION = \"200 150 624 468\" THEME = standard }\n" + kBar);
    std::unique_ptr<TGui> gui;
    std::string r = reportsOf([&] { gui = loadGui(path); });
    ASSERT_EQ(gui->_listaObiektow.size(), 2u) << r;
    auto* bar = dynamic_cast<TBelka*>(gui->_listaObiektow[1].get());
    ASSERT_TRUE(bar);
    ASSERT_TRUE(bar->theme);
    EXPECT_EQ(bar->theme->id, "STANDARD");
    EXPECT_EQ(bar->dim.h, static_cast<float>(bar->theme->barHeight));
    EXPECT_GT(bar->dim.h, 0.0f);

    TestMouse m;
    TBarTitle* exit = bar->getBarTitle("file:exit");
    ASSERT_TRUE(exit);
    TMenu* file = exit->_parent;
    m.press(file->dim.x + 2.0f, file->dim.y + 2.0f);
    gui->update();
    m.release();
    for (int i = 0; i < 20; ++i) gui->update();
    m.press(exit->dim.x + 2.0f, exit->dim.y + 2.0f);
    gui->update();
    EXPECT_EQ(gui->_clicked, "exit");
}

}  // namespace
