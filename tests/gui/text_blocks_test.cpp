// TEXT and TEXTENTRY blocks of a definition file, read into widgets.
#include <gtest/gtest.h>

#include "gui/gui.h"
#include "gui/text.h"
#include "gui/text_entry.h"
#include "platform/font.h"
#include "support/scratch_folder.h"

namespace {

TEST(TextBlocks, ReadIntoWidgetsWithTheirColoursAndDefaults) {
    ScratchFolder folder;
    folder.write("txt/menu.txt", "Play\nQuit the game\n");
    const std::string path = folder.write(
        "gfx/gui/menu/menu.gui",
        "TEXT title {\n"
        "  POSITION = \"100 50 824\"\n"
        "  TXT = [../../../txt/menu.txt|2]\n"
        "  ALIGN = justify\n"
        "  SHADOW = \"0 0 0\"\n"
        "  RGB = \"10 20 30\"\n"
        "}\n"
        "TEXT plain { TXT = \"a b\" RGB = \"-1 5 5\" }\n"
        "TEXTENTRY name { POSITION = \"300 200\" WIDTH = 12 RGB = \"-1 0 0\" }\n"
        "TEXTENTRY wide { POSITION = \"0 0 450\" }\n");
    std::unique_ptr<TGui> gui = loadGui(path);

    TText* title = gui->find<TText>("title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->_txt, "Quit the game");
    EXPECT_EQ(title->_align, 3);
    EXPECT_FLOAT_EQ(title->dim.w, 824.0f);
    EXPECT_EQ(title->_shadow, 1);
    ASSERT_TRUE(title->shRGB.has_value());
    EXPECT_EQ(title->shRGB->r, 0);
    EXPECT_EQ(title->rgb.g, 20);

    TText* plain = gui->find<TText>("plain");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->_align, 1);
    EXPECT_FLOAT_EQ(plain->dim.w, 10000000.0f);
    EXPECT_EQ(plain->_shadow, 0);
    EXPECT_EQ(plain->rgb.r, 255);  // -1: white
    EXPECT_EQ(plain->rgb.g, 255);
    plain->draw(0, 0);
    EXPECT_FLOAT_EQ(plain->dim.h, static_cast<float>(platform::fontHeight(nullptr)));

    TTextEntry* name = gui->find<TTextEntry>("name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->_maxZnakow, 12);
    EXPECT_FLOAT_EQ(name->dim.w, 300.0f);
    EXPECT_EQ(name->rgb.g, 255);
    TTextEntry* wide = gui->find<TTextEntry>("wide");
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->_maxZnakow, 25);
    EXPECT_FLOAT_EQ(wide->dim.w, 450.0f);
}

}  // namespace
