#include "gui/window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gui/gui_test_support.h"
#include "platform/files.h"

namespace {

// A theme with the window pieces of the given sizes (w, h each; 0 0 = missing).
ThemeRef themeOfSizes(const std::vector<std::pair<int, int>>& sizes) {
    auto t = std::make_shared<TTheme>();
    for (size_t i = 0; i < sizes.size() && i < 9; ++i) {
        if (sizes[i].first > 0) t->oknoImg[i] = solidImage(sizes[i].first, sizes[i].second);
    }
    return t;
}

// Corners 20 x 20, top and bottom 1 x 20, left and right 20 x 1, centre 1 x 1.
ThemeRef squareTheme() {
    return themeOfSizes({{20, 20}, {1, 20}, {20, 20}, {20, 1}, {20, 20}, {1, 20}, {20, 20}, {20, 1}, {1, 1}});
}

TEST(Window, StretchesFillTheSpaceBetweenTheCorners) {
    auto win = createWindow("w", 10, 20, 300, 200, squareTheme(), 0, 0, 1, 1);
    EXPECT_FLOAT_EQ(win->skala[0], 260.0f);
    EXPECT_FLOAT_EQ(win->skala[1], 160.0f);
    EXPECT_FLOAT_EQ(win->skala[2], 260.0f);
    EXPECT_FLOAT_EQ(win->skala[3], 160.0f);
    EXPECT_EQ(win->incX, 20.0f);
    EXPECT_EQ(win->decY, 20.0f);
    EXPECT_EQ(win->_class, GUI_KIND_WINDOW);
    EXPECT_EQ(win->dim.x2, 310.0f);
    EXPECT_EQ(win->dim.y2, 220.0f);
}

TEST(Window, MissingPiecesCountZeroAndLeaveTheirStretchAlone) {
    // Only the corners: no edge or centre to divide by.
    auto win = createWindow("w", 0, 0, 300, 200,
                            themeOfSizes({{20, 20}, {0, 0}, {30, 20}, {0, 0}, {20, 20}, {0, 0}, {20, 20}}), 0,
                            0, 1, 1);
    for (float s : win->skala) EXPECT_EQ(s, 0.0f);
    EXPECT_EQ(win->decX, 30.0f);
    // No top-left piece: the top edge starts at the window's corner.
    auto bare = createWindow("w", 0, 0, 100, 100, themeOfSizes({{0, 0}, {2, 20}}), 0, 0, 1, 1);
    EXPECT_FLOAT_EQ(bare->skala[0], 50.0f);
    EXPECT_EQ(bare->incX, 0.0f);
}

TEST(Window, CentringUsesThePictureSize) {
    auto win = createWindow("w", 5, 6, 300, 201, squareTheme(), 1, 1, 0, 0);
    EXPECT_EQ(win->dim.x, 362.0f);  // (1024 - 300) / 2
    EXPECT_EQ(win->dim.y, 283.0f);  // (768 - 201) / 2, integer division
    EXPECT_EQ(win->_v, 0);
    EXPECT_EQ(win->_a, 0);
    auto left = createWindow("w", 5, 6, 300, 200, squareTheme(), 0, 1, 1, 1);
    EXPECT_EQ(left->dim.x, 5.0f);
}

TEST(Window, ANullThemeTakesTheCurrentOne) {
    ThemeRef before = currentTheme;
    currentTheme = squareTheme();
    auto win = createWindow("w", 0, 0, 300, 200, nullptr, 0, 0, 1, 1);
    EXPECT_EQ(win->theme, currentTheme);
    EXPECT_FLOAT_EQ(win->skala[0], 260.0f);
    currentTheme = nullptr;
    auto none = createWindow("w", 0, 0, 300, 200, nullptr, 0, 0, 1, 1);
    EXPECT_EQ(none->theme, nullptr);
    none->draw(0.0f, 0.0f);  // draws nothing, does not fail
    currentTheme = before;
}

// A child that records the offsets it was given.
class ProbeChild : public TGuiObject {
public:
    float updX = -1, updY = -1, drawX = -1, drawY = -1;
    void update(float dx, float dy) override {
        updX = dx;
        updY = dy;
    }
    void draw(float dx, float dy) override {
        drawX = dx;
        drawY = dy;
    }
};

TEST(Window, ChildrenSitRelativeToTheWindowCorner) {
    auto win = createWindow("w", 100, 50, 300, 200, nullptr, 0, 0, 1, 1);
    auto child = std::make_shared<ProbeChild>();
    auto hidden = std::make_shared<ProbeChild>();
    hidden->_v = 0;
    win->dodajObiekt(child);
    win->dodajObiekt(hidden);
    win->dodajObiekt(nullptr);  // ignored
    ASSERT_EQ(win->listaObiektow.size(), 2u);

    TestMouse m;
    win->update(7.0f, 3.0f);
    EXPECT_EQ(child->updX, 107.0f);
    EXPECT_EQ(child->updY, 53.0f);
    win->rysujObiekty(7.0f, 3.0f);
    EXPECT_EQ(child->drawX, 107.0f);
    EXPECT_EQ(child->drawY, 53.0f);
    EXPECT_EQ(hidden->drawX, -1.0f);  // hidden children are not drawn
}

// --- The shipped theme ---

const std::string kShippedTheme = std::string(FIELDSTACK_GAME_DIR) + "/gfx/gui/window/temat1.txt";

// The alpha the frame shows at a point of a window placed at (0, 0), from the
// piece covering it (its handle and stretch applied); -1 when no piece does.
int frameAlphaAt(const TWindow& win, int px, int py) {
    int found = -1;
    for (const TWindow::PiecePlacement& p : win.frameLayout(0.0f, 0.0f)) {
        const platform::ImageRef& img = win.theme->oknoImg[p.piece];
        if (!img) continue;
        const float left = p.x - img->handleX * p.sx, top = p.y - img->handleY * p.sy;
        const float cx = static_cast<float>(px) + 0.5f, cy = static_cast<float>(py) + 0.5f;
        if (cx < left || cy < top || cx >= left + img->width() * p.sx || cy >= top + img->height() * p.sy) {
            continue;
        }
        const int ix = static_cast<int>((cx - left) / p.sx), iy = static_cast<int>((cy - top) / p.sy);
        found = img->alphaAt(0, ix, iy);
    }
    return found;
}

class ShippedWindow : public ::testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_EQ(platform::pathKind(kShippedTheme), platform::PathKind::FILE) << kShippedTheme;
        theme = std::make_shared<TTheme>();
        theme->loadTheme(kShippedTheme);
    }
    ThemeRef theme;
};

TEST_P(ShippedWindow, PiecesTileTheRectangleAndTheGlassIsInsetByTheShadow) {
    const auto [w, h] = GetParam();
    auto win = createWindow("w", 0, 0, w, h, theme, 0, 0, 1, 1);
    // Corners and stretched edges meet exactly at the window's size.
    const auto& p = theme->oknoImg;
    EXPECT_NEAR(win->incX + win->skala[0] * platform::imageWidth(p[TTheme::TOP]) + win->decX, w, 1e-3);
    EXPECT_NEAR(win->incY + win->skala[1] * platform::imageHeight(p[TTheme::RIGHT]) +
                    platform::imageHeight(p[TTheme::BOTTOM_RIGHT]),
                h, 1e-3);
    for (float s : win->skala) EXPECT_GT(s, 0.0f);

    // Every point of the middle row and column is covered by a piece.
    for (int x = 0; x < w; ++x) ASSERT_GE(frameAlphaAt(*win, x, h / 2), 0) << "x " << x;
    for (int y = 0; y < h; ++y) ASSERT_GE(frameAlphaAt(*win, w / 2, y), 0) << "y " << y;

    // The glass (its gold border) begins 14 px in from the left and right, 10
    // from the top and 18 from the bottom; outside it only the soft shadow.
    struct Edge {
        const char* name;
        int insideX, insideY, outsideX, outsideY;
    };
    for (const Edge& e : {Edge{"left", 14, h / 2, 13, h / 2}, Edge{"right", w - 15, h / 2, w - 14, h / 2},
                          Edge{"top", w / 2, 10, w / 2, 9}, Edge{"bottom", w / 2, h - 19, w / 2, h - 18}}) {
        EXPECT_GE(frameAlphaAt(*win, e.insideX, e.insideY), 200) << e.name;
        EXPECT_LT(frameAlphaAt(*win, e.outsideX, e.outsideY), 128) << e.name;
    }
    // The middle is glass.
    EXPECT_GE(frameAlphaAt(*win, w / 2, h / 2), 200);
}

// The smallest window the pieces make without overlapping, and two usual ones.
INSTANTIATE_TEST_SUITE_P(Sizes, ShippedWindow,
                         ::testing::Values(std::make_pair(89, 91), std::make_pair(200, 150),
                                           std::make_pair(624, 468)));

TEST_F(ShippedWindow, TheMinimumWindowIsTheCornersPlusOnePixel) {
    const auto& p = theme->oknoImg;
    EXPECT_EQ(platform::imageWidth(p[TTheme::TOP_LEFT]) + platform::imageWidth(p[TTheme::TOP_RIGHT]) + 1, 89);
    EXPECT_EQ(platform::imageHeight(p[TTheme::TOP_LEFT]) + platform::imageHeight(p[TTheme::BOTTOM_LEFT]) + 1, 91);
}

}  // namespace
