// Packing glyph rectangles onto pages: inside the page, apart by the gap,
// onto further pages when full, and refused when they cannot fit.
#include "bmfont/glyph_packer.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using bmfont::PackBox;
using bmfont::PackResult;

// Every placed box lies inside its page with the gap kept to the top and
// left edges and to every other box on the same page.
void expectSoundPlacement(const std::vector<PackBox>& boxes, const PackResult& r, int pageW, int pageH, int gap) {
    ASSERT_EQ(r.places.size(), boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].width <= 0 || boxes[i].height <= 0) continue;
        const auto& p = r.places[i];
        EXPECT_GE(p.page, 0);
        EXPECT_LT(p.page, r.pages);
        EXPECT_GE(p.x, gap) << i;
        EXPECT_GE(p.y, gap) << i;
        EXPECT_LE(p.x + boxes[i].width + gap, pageW) << i;
        EXPECT_LE(p.y + boxes[i].height + gap, pageH) << i;
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[j].width <= 0 || boxes[j].height <= 0 || r.places[j].page != p.page) continue;
            const auto& q = r.places[j];
            bool apart = p.x + boxes[i].width + gap <= q.x || q.x + boxes[j].width + gap <= p.x ||
                         p.y + boxes[i].height + gap <= q.y || q.y + boxes[j].height + gap <= p.y;
            EXPECT_TRUE(apart) << "boxes " << i << " and " << j << " overlap or touch";
        }
    }
}

TEST(GlyphPacker, PlacesManyGlyphSizedBoxesApartOnOnePage) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> w(1, 16), h(1, 24);
    std::vector<PackBox> boxes;
    for (int i = 0; i < 150; ++i) boxes.push_back({w(rng), h(rng)});
    boxes.push_back({0, 0});  // a space
    PackResult r;
    ASSERT_TRUE(bmfont::packBoxes(boxes, 256, 256, 1, 1, r));
    EXPECT_EQ(r.pages, 1);
    expectSoundPlacement(boxes, r, 256, 256, 1);
}

TEST(GlyphPacker, OpensFurtherPagesWhenOneIsFull) {
    // Nine 30 x 30 boxes with gap 2 fit three to a shelf on 100 x 100: 9 boxes, one page;
    // ten need a second page.
    std::vector<PackBox> boxes(10, PackBox{30, 30});
    PackResult r;
    ASSERT_TRUE(bmfont::packBoxes(boxes, 100, 100, 2, 0, r));
    EXPECT_EQ(r.pages, 2);
    expectSoundPlacement(boxes, r, 100, 100, 2);
    int onSecond = 0;
    for (const auto& p : r.places) onSecond += p.page == 1;
    EXPECT_EQ(onSecond, 1);
}

TEST(GlyphPacker, RefusesMorePagesThanAllowedAndBoxesLargerThanAPage) {
    PackResult r;
    EXPECT_FALSE(bmfont::packBoxes(std::vector<PackBox>(10, PackBox{30, 30}), 100, 100, 2, 1, r));
    EXPECT_FALSE(bmfont::packBoxes({{99, 10}}, 100, 100, 1, 0, r));  // 99 + 2 gaps > 100
    EXPECT_TRUE(bmfont::packBoxes({{98, 10}}, 100, 100, 1, 0, r));
}

TEST(GlyphPacker, GivesTheSamePlacementEveryTime) {
    std::vector<PackBox> boxes = {{5, 9}, {7, 9}, {5, 9}, {3, 12}, {0, 0}, {7, 9}};
    PackResult a, b;
    ASSERT_TRUE(bmfont::packBoxes(boxes, 32, 32, 1, 0, a));
    ASSERT_TRUE(bmfont::packBoxes(boxes, 32, 32, 1, 0, b));
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(a.places[i].page, b.places[i].page);
        EXPECT_EQ(a.places[i].x, b.places[i].x);
        EXPECT_EQ(a.places[i].y, b.places[i].y);
    }
    expectSoundPlacement(boxes, a, 32, 32, 1);
}

TEST(GlyphPacker, OnlyEmptyBoxesUseNoPage) {
    PackResult r;
    ASSERT_TRUE(bmfont::packBoxes({{0, 0}, {0, 5}}, 16, 16, 1, 1, r));
    EXPECT_EQ(r.pages, 0);
}

}  // namespace
