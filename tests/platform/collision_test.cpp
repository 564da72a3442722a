// Pixel overlap of image outlines placed by their handles and turned about
// them, and the point-on-outline test.
#include "platform/collision.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using platform::ImageRef;
using platform::PlacedImage;

// A w x h image, opaque where `solid` says, handle in the middle.
ImageRef maskImage(int w, int h, const std::function<bool(int, int)>& solid) {
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] = solid(x, y) ? 255 : 0;
    ImageRef img = platform::Image::fromRGBA(w, h, std::move(rgba), platform::IMAGE_DEFAULT);
    if (img) img->midHandle();
    return img;
}

ImageRef solidImage(int w, int h) {
    return maskImage(w, h, [](int, int) { return true; });
}

PlacedImage at(const ImageRef& img, float x, float y, float rot = 0.0f) { return PlacedImage{img.get(), 0, x, y, rot}; }

TEST(CollisionTest, TurnedRectanglesOverlapByTheirPixels) {
    const ImageRef bar = solidImage(10, 40);    // x -5..5, y -20..20 about its handle
    const ImageRef square = solidImage(20, 20);
    struct Case {
        std::string name;
        PlacedImage a, b;
        bool overlap;
    };
    const std::vector<Case> cases = {
        {"side by side, one pixel shared", at(bar, 0, 0), at(bar, 9, 0), true},
        {"side by side, edges touching", at(bar, 0, 0), at(bar, 10, 0), false},
        {"upright bar beside", at(bar, 0, 0), at(bar, 24, 0), false},
        {"turned bar reaches across", at(bar, 0, 0), at(bar, 24, 0, 90), true},
        {"turned bar just short", at(bar, 0, 0), at(bar, 26, 0, 90), false},
        {"turned the other way", at(bar, 0, 0), at(bar, 24, 0, -90), true},
        {"crossing at right angles", at(bar, 0, 0), at(bar, 0, 0, 90), true},
        {"diamond tip dips in", at(square, 0, 0), at(square, 0, 22, 45), true},
        {"diamond tip stays out", at(square, 0, 0), at(square, 0, 26, 45), false},
        {"square itself stays out", at(square, 0, 0), at(square, 0, 22), false},
        {"far apart", at(square, 0, 0), at(square, 5000, 5000), false},
        {"no image", at(nullptr, 0, 0), at(square, 0, 0), false},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(platform::outlinesOverlap(k.a, k.b), k.overlap) << k.name;
        EXPECT_EQ(platform::outlinesOverlap(k.b, k.a), k.overlap) << k.name << " (swapped)";
    }
}

TEST(CollisionTest, OnlyOpaquePixelsCount) {
    // Two rings: their bounding squares overlap, their outlines do not.
    auto ring = [](int x, int y) { return x < 2 || y < 2 || x >= 38 || y >= 38; };
    const ImageRef a = maskImage(40, 40, ring);
    const ImageRef dot = solidImage(4, 4);
    EXPECT_FALSE(platform::outlinesOverlap(at(a, 0, 0), at(dot, 0, 0)));  // in the hole
    EXPECT_TRUE(platform::outlinesOverlap(at(a, 0, 0), at(dot, 18, 0)));  // on the ring

    // Alpha from half up is solid.
    std::vector<uint8_t> rgba(2 * 1 * 4, 255);
    rgba[3] = 127;
    rgba[7] = 128;
    ImageRef pair = platform::Image::fromRGBA(2, 1, rgba, platform::IMAGE_DEFAULT);
    ASSERT_TRUE(pair);
    EXPECT_FALSE(platform::outlineContains(at(pair, 0, 0), 0.5f, 0.5f));
    EXPECT_TRUE(platform::outlineContains(at(pair, 0, 0), 1.5f, 0.5f));
}

TEST(CollisionTest, PointOnAnOutlineTurnedClockwise) {
    // A bar hanging from its top: turned 90 degrees clockwise on the picture
    // (y grows downward) it points left.
    ImageRef bar = solidImage(10, 40);
    bar->setHandle(5.0f, 0.0f);
    struct Case {
        float rot, px, py;
        bool inside;
    };
    const std::vector<Case> cases = {
        {0, 100, 130, true},  {0, 100, 90, false},  {0, 106, 110, false},
        {90, 70, 100, true},  {90, 130, 100, false}, {90, 100, 130, false},
        {180, 100, 70, true}, {270, 130, 100, true}, {-90, 130, 100, true},
    };
    for (const Case& k : cases)
        EXPECT_EQ(platform::outlineContains(at(bar, 100, 100, k.rot), k.px, k.py), k.inside)
            << k.rot << " at " << k.px << ", " << k.py;
    EXPECT_FALSE(platform::outlineContains(at(nullptr, 0, 0), 0, 0));
}

}  // namespace
