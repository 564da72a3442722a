#include "gui/theme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gui/gui_test_support.h"
#include "platform/files.h"
#include "support/scratch_folder.h"

namespace {

const std::string kShippedTheme = std::string(FIELDSTACK_GAME_DIR) + "/gfx/gui/window/temat1.txt";

// A theme file naming every piece, pictures beside it in pieces/.
std::string themeText(bool withTopRight) {
    std::string okno = "OKNO {\n leftUp = \"pieces/lu.png\"\n Up = \"pieces/u.png\"\n";
    if (withTopRight) okno += " rightUp = \"pieces/ru.png\"\n";
    okno += " right = \"pieces/r.png\"\n rightdown = \"pieces/rd.png\"\n down = \"pieces/d.png\"\n"
            " leftdown = \"pieces/ld.png\"\n left = \"pieces/l.png\"\n srodek = \"pieces/c.png\"\n}\n";
    std::string belka = "BELKA {\n lewo = \"pieces/bl.png\"\n srodek = \"pieces/bm.png\"\n prawo = \"pieces/br.png\"\n"
                        " textRGB = 10.9, 20, 30\n outLineRGB = 1, 2, 3\n backRGB = 200, 100, 50\n"
                        " LU = \"pieces/lu.png\"\n Middle = \"pieces/c.png\"\n}\n";
    return "TEMAT {\n" + okno + belka + "}\n";
}

void writePieces(const ScratchFolder& f, const std::string& folder = "") {
    std::filesystem::create_directories(f.file(folder + "pieces"));
    writePng(f, folder + "pieces/lu.png", 20, 21);
    writePng(f, folder + "pieces/u.png", 1, 21);
    writePng(f, folder + "pieces/ru.png", 22, 23);
    writePng(f, folder + "pieces/r.png", 22, 1);
    writePng(f, folder + "pieces/rd.png", 24, 25);
    writePng(f, folder + "pieces/d.png", 1, 25);
    writePng(f, folder + "pieces/ld.png", 26, 27);
    writePng(f, folder + "pieces/l.png", 26, 1);
    writePng(f, folder + "pieces/c.png", 2, 2);
    writePng(f, folder + "pieces/bl.png", 12, 30);
    writePng(f, folder + "pieces/bm.png", 1, 31);
    writePng(f, folder + "pieces/br.png", 13, 30);
}

TEST(Theme, PiecesLoadRelativeToTheThemeFileWithTheirHandlesAndColours) {
    ScratchFolder f;
    writePieces(f, "skin/");
    const std::string path = f.write("skin/theme.txt", themeText(true));
    const std::string before = platform::currentFolder();

    TTheme t;
    t.loadTheme(path);

    // The working folder is where it was; the pictures were found beside the file.
    EXPECT_EQ(platform::currentFolder(), before);
    EXPECT_EQ(t.remPath, platform::absolutePath(before));
    for (int i = 0; i < 9; ++i) ASSERT_TRUE(t.oknoImg[i]) << i;
    // Pieces on the right and bottom edges are placed by their outer corner.
    struct Handle {
        int piece;
        float hx, hy;
    };
    for (const Handle& h : {Handle{TTheme::TOP_LEFT, 0, 0}, Handle{TTheme::TOP, 0, 0},
                            Handle{TTheme::TOP_RIGHT, 22, 0}, Handle{TTheme::RIGHT, 22, 0},
                            Handle{TTheme::BOTTOM_RIGHT, 24, 25}, Handle{TTheme::BOTTOM, 0, 25},
                            Handle{TTheme::BOTTOM_LEFT, 0, 27}, Handle{TTheme::LEFT, 0, 0},
                            Handle{TTheme::CENTRE, 0, 0}}) {
        EXPECT_EQ(t.oknoImg[h.piece]->handleX, h.hx) << h.piece;
        EXPECT_EQ(t.oknoImg[h.piece]->handleY, h.hy) << h.piece;
    }
    EXPECT_EQ(platform::imageWidth(t.bar[TTheme::BAR_RIGHT]), 13);
    EXPECT_EQ(t.barHeight, 31);  // the middle piece's height
    EXPECT_EQ(t.textRGB.r, 10);  // truncated
    EXPECT_EQ(t.textRGB.b, 30);
    EXPECT_EQ(t.outLineRGB.g, 2);
    EXPECT_EQ(t.backRGB.r, 200);
    EXPECT_EQ(t.backRGB.b, 50);
    // The box pieces the file names, and only those.
    EXPECT_TRUE(t.rect[TTheme::TOP_LEFT]);
    EXPECT_TRUE(t.rect[TTheme::CENTRE]);
    EXPECT_FALSE(t.rect[TTheme::TOP]);
}

TEST(Theme, OnlyAMissingTopRightPieceIsReported) {
    ScratchFolder f;
    writePieces(f);
    const std::string path = f.write("theme.txt", themeText(false));
    TTheme t;
    std::string reports = reportsOf([&] { t.loadTheme(path); });
    EXPECT_NE(reports.find("NO img: "), std::string::npos) << reports;
    EXPECT_FALSE(t.oknoImg[TTheme::TOP_RIGHT]);
    EXPECT_TRUE(t.oknoImg[TTheme::RIGHT]);
    // The box pieces missing from the file stay empty without a word.
    EXPECT_EQ(reports.find("Couldn't load"), std::string::npos) << reports;
}

TEST(Theme, AMissingThemeFileLeavesAnEmptyThemeThatStillRegisters) {
    ScratchFolder f;
    ThemeRef t;
    reportsOf([&] { t = createTheme("ghost", f.file("none.txt"), nullptr); });
    ASSERT_TRUE(t);
    EXPECT_EQ(t->barHeight, 0);
    EXPECT_FALSE(t->oknoImg[TTheme::TOP_LEFT]);
    EXPECT_EQ(currentTheme, t);
}

TEST(Theme, CreatedThemesAreFoundByIdInTheContainerFirstThenGlobally) {
    ScratchFolder f;
    const std::string path = f.write("theme.txt", "TEMAT { }\n");
    ThemeList mine;
    ThemeRef global, local;
    reportsOf([&] {
        global = createTheme("shared-Id", path, nullptr);
        local = createTheme("Shared-id", path, &mine);
    });
    EXPECT_EQ(local->id, "SHARED-ID");
    EXPECT_EQ(currentTheme, local);
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(globalThemes.back(), local);

    EXPECT_EQ(getThemeByID("shared-id", &mine), local);
    // Without the container the older global one with that id comes first.
    EXPECT_EQ(getThemeByID("SHARED-ID", nullptr), global);
    EXPECT_EQ(getThemeByID("no-such-theme", &mine), nullptr);
}

TEST(Theme, TheShippedThemeHasEveryPieceAndItsColours) {
    ASSERT_EQ(platform::pathKind(kShippedTheme), platform::PathKind::FILE) << kShippedTheme;
    TTheme t;
    std::string reports = reportsOf([&] { t.loadTheme(kShippedTheme); });
    EXPECT_EQ(reports, "");
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(t.oknoImg[i]) << "window piece " << i;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(t.bar[i]) << "bar piece " << i;
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(t.rect[i]) << "box piece " << i;
    EXPECT_EQ(t.barHeight, platform::imageHeight(t.bar[TTheme::BAR_LEFT]));
    EXPECT_EQ(platform::imageWidth(t.bar[TTheme::BAR_MIDDLE]), 1);  // stretched across the bar
    EXPECT_EQ(t.textRGB.r, 244);
    EXPECT_EQ(t.outLineRGB.b, 22);
    EXPECT_EQ(t.backRGB.g, 196);
}

}  // namespace
