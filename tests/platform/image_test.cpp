// Images: decoding PNG and JPEG of every kind the content uses, damaged
// files, the masked flag, strip cutting and the per-pixel alpha kept for the
// card overlap test.
#include "platform/image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/scratch_folder.h"

namespace {

using platform::ImageRef;

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(FIELDSTACK_TEST_DATA) + "/platform/images/" + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct Pixel {
    int r, g, b, a;
};

Pixel pixelAt(const ImageRef& img, int x, int y) {
    const auto& p = img->rgba();
    size_t i = (static_cast<size_t>(y) * img->pixelWidth() + x) * 4;
    return {p[i], p[i + 1], p[i + 2], p[i + 3]};
}

struct DecodeCase {
    const char* file;
    int w, h;
    int x, y;        // the pixel checked
    Pixel expected;  // its colour and alpha
    int tolerance;   // JPEG is lossy
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesRgbaOfTheRightSizeAndColour) {
    const DecodeCase& c = GetParam();
    std::string bytes = fixture(c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    ImageRef img = platform::decodeImage(bytes, platform::IMAGE_DEFAULT);
    ASSERT_TRUE(img) << c.file;
    EXPECT_EQ(img->width(), c.w);
    EXPECT_EQ(img->height(), c.h);
    EXPECT_EQ(img->frameCount(), 1);
    ASSERT_EQ(img->rgba().size(), static_cast<size_t>(c.w) * c.h * 4);
    Pixel p = pixelAt(img, c.x, c.y);
    EXPECT_NEAR(p.r, c.expected.r, c.tolerance) << c.file;
    EXPECT_NEAR(p.g, c.expected.g, c.tolerance) << c.file;
    EXPECT_NEAR(p.b, c.expected.b, c.tolerance) << c.file;
    EXPECT_EQ(p.a, c.expected.a) << c.file;
    EXPECT_EQ(img->alphaAt(0, c.x, c.y), c.expected.a);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    ::testing::Values(DecodeCase{"rgba.png", 6, 5, 0, 0, {10, 20, 30, 128}, 0},
                      DecodeCase{"rgba.png", 6, 5, 1, 1, {255, 0, 0, 255}, 0},
                      DecodeCase{"palette_trns.png", 5, 3, 0, 0, {0, 0, 0, 0}, 0},
                      DecodeCase{"palette_trns.png", 5, 3, 1, 1, {255, 0, 0, 255}, 0},
                      DecodeCase{"palette_trns.png", 5, 3, 2, 1, {0, 255, 0, 255}, 0},
                      DecodeCase{"grey.png", 3, 3, 2, 2, {200, 200, 200, 255}, 0},
                      DecodeCase{"grey_alpha.png", 3, 3, 1, 1, {100, 100, 100, 50}, 0},
                      // 16-bit samples keep their high byte: 40000 / 256 = 156.
                      DecodeCase{"grey16.png", 3, 2, 2, 1, {156, 156, 156, 255}, 0},
                      DecodeCase{"rgb16.png", 4, 4, 3, 3, {255, 0, 0, 255}, 0},
                      DecodeCase{"one_bit.png", 9, 3, 8, 2, {255, 255, 255, 255}, 0},
                      DecodeCase{"interlaced.png", 9, 9, 8, 8, {255, 165, 0, 255}, 0},
                      DecodeCase{"rgb.jpg", 16, 16, 7, 7, {200, 100, 50, 255}, 3},
                      DecodeCase{"progressive.jpg", 16, 16, 15, 15, {9, 99, 199, 255}, 3},
                      DecodeCase{"grey.jpg", 16, 16, 3, 3, {90, 90, 90, 255}, 2},
                      // CMYK (10, 20, 30, 40) as ink: (255 - c) * (255 - k) / 255.
                      DecodeCase{"cmyk.jpg", 16, 16, 5, 5, {207, 198, 190, 255}, 4}));

TEST(DecodeDamagedTest, BrokenBytesGiveNullAndNeverCrash) {
    std::string png = fixture("interlaced.png");
    std::string jpg = fixture("rgb.jpg");
    ASSERT_GT(png.size(), 60u);
    ASSERT_GT(jpg.size(), 100u);

    std::string badCrc = png;
    size_t idat = png.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    badCrc[idat + 6] ^= 0x5A;  // inside the image data
    std::string hugePng = png;        // IHDR claims 100000 x 100000
    hugePng[16] = 0; hugePng[17] = 1; hugePng[18] = 0x86; hugePng[19] = 0xA0;
    hugePng[20] = 0; hugePng[21] = 1; hugePng[22] = 0x86; hugePng[23] = 0xA0;

    const std::string damaged[] = {
        "",
        "not an image at all",
        png.substr(0, 8),               // signature only
        png.substr(0, 40),              // header cut
        png.substr(0, png.size() / 2),  // image data cut
        badCrc,
        hugePng,
        jpg.substr(0, 3),
        jpg.substr(0, 20),  // cut inside the headers
        std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08\xFF\xFF\xFF\xFF\x01\x01\x11\x00", 15),
    };
    for (const std::string& bytes : damaged) {
        EXPECT_FALSE(platform::decodeImage(bytes, platform::IMAGE_DEFAULT)) << bytes.size() << " bytes";
    }
    // A JPEG cut inside its scan data still decodes (the rest is filled in)
    // or is refused; either way the picture has its full size.
    ImageRef cut = platform::decodeImage(jpg.substr(0, jpg.size() - 40), platform::IMAGE_DEFAULT);
    if (cut) {
        EXPECT_EQ(cut->rgba().size(), 16u * 16u * 4u);
    }
}

TEST(DecodeDamagedTest, EveryPrefixOfAFileIsSafe) {
    for (const char* name : {"palette_trns.png", "progressive.jpg"}) {
        std::string bytes = fixture(name);
        for (size_t n = 0; n < bytes.size(); ++n) {
            ImageRef img = platform::decodeImage(bytes.substr(0, n), platform::IMAGE_DEFAULT);
            if (img) {
                EXPECT_EQ(img->rgba().size(), static_cast<size_t>(img->pixelWidth()) * img->pixelHeight() * 4);
            }
        }
    }
}

TEST(LoadImageTest, MissingFileOrFolderGivesNull) {
    ScratchFolder dir;
    EXPECT_FALSE(platform::loadImage(dir.file("nothing.png")));
    EXPECT_FALSE(platform::loadImage(dir.path()));
    EXPECT_FALSE(platform::loadAnimImage(dir.file("nothing.png"), 2, 2, 0, 1));
}

TEST(MaskedTest, PureBlackTurnsTransparentOnlyInImagesWithoutAlpha) {
    ImageRef plain = platform::decodeImage(fixture("rgb_black.png"), platform::IMAGE_DEFAULT);
    ImageRef masked = platform::decodeImage(fixture("rgb_black.png"), platform::IMAGE_MASKED);
    ASSERT_TRUE(plain && masked);
    EXPECT_EQ(plain->alphaAt(0, 0, 0), 255);
    EXPECT_EQ(masked->alphaAt(0, 0, 0), 0);    // pure black
    EXPECT_EQ(masked->alphaAt(0, 1, 0), 255);  // (0, 0, 1) is not black
    EXPECT_EQ(masked->alphaAt(0, 2, 0), 255);
    EXPECT_EQ(masked->flags(), platform::IMAGE_MASKED);

    ImageRef withAlpha = platform::decodeImage(fixture("rgba_black.png"), platform::IMAGE_MASKED);
    ASSERT_TRUE(withAlpha);
    EXPECT_EQ(withAlpha->alphaAt(0, 0, 0), 255);  // its own alpha wins
    EXPECT_EQ(withAlpha->alphaAt(0, 1, 0), 0);
}

// A 6 x 4 picture of 2 x 2 cells (3 columns, 2 rows); every pixel's alpha
// tells its cell and place: cell * 10 + y * 2 + x.
ImageRef numberedCells() {
    std::vector<uint8_t> rgba(6 * 4 * 4, 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            int cell = (y / 2) * 3 + x / 2;
            rgba[(y * 6 + x) * 4 + 3] = static_cast<uint8_t>(cell * 10 + (y % 2) * 2 + (x % 2));
        }
    }
    return platform::Image::fromRGBA(6, 4, std::move(rgba), platform::IMAGE_DEFAULT);
}

TEST(StripTest, CellsReadLeftToRightThenTopToBottom) {
    ImageRef strip = platform::Image::asStrip(numberedCells(), 2, 2, 1, 4, platform::IMAGE_DEFAULT);
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->width(), 2);
    EXPECT_EQ(strip->height(), 2);
    EXPECT_EQ(strip->frameCount(), 4);
    for (int f = 0; f < 4; ++f) {
        int cell = f + 1;  // the strip starts at cell 1
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) EXPECT_EQ(strip->alphaAt(f, x, y), cell * 10 + y * 2 + x) << f;
        const uint8_t* plane = strip->cellAlpha(f);
        ASSERT_NE(plane, nullptr);
        EXPECT_EQ(plane[0], cell * 10);
        EXPECT_EQ(plane[3], cell * 10 + 3);
    }
    // Outside the cell or the strip there is nothing.
    EXPECT_EQ(strip->alphaAt(0, 2, 0), 0);
    EXPECT_EQ(strip->alphaAt(0, 0, -1), 0);
    EXPECT_EQ(strip->alphaAt(4, 0, 0), 0);
    EXPECT_EQ(strip->alphaAt(-1, 0, 0), 0);
    EXPECT_EQ(strip->cellAlpha(4), nullptr);
}

TEST(StripTest, CellsThatDoNotFitGiveNull) {
    ImageRef whole = numberedCells();
    EXPECT_TRUE(platform::Image::asStrip(whole, 2, 2, 0, 6, 0));
    EXPECT_FALSE(platform::Image::asStrip(whole, 2, 2, 0, 7, 0));
    EXPECT_FALSE(platform::Image::asStrip(whole, 2, 2, 5, 2, 0));
    EXPECT_FALSE(platform::Image::asStrip(whole, 7, 2, 0, 1, 0));
    EXPECT_FALSE(platform::Image::asStrip(whole, 0, 2, 0, 1, 0));
    EXPECT_FALSE(platform::Image::asStrip(whole, 2, 2, -1, 1, 0));
    EXPECT_FALSE(platform::Image::asStrip(whole, 2, 2, 0, 0, 0));
    EXPECT_FALSE(platform::Image::asStrip(nullptr, 2, 2, 0, 1, 0));
    // Cells that leave a remainder at the right and bottom are fine.
    ImageRef odd = platform::Image::asStrip(whole, 4, 3, 0, 1, 0);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->alphaAt(0, 3, 2), 4 * 10 + 0 * 2 + 1);  // pixel (3, 2) lies in cell 4
}

TEST(ImageTest, WholeImageAlphaAndHandles) {
    ImageRef img = numberedCells();
    EXPECT_EQ(img->alphaAt(0, 5, 3), 5 * 10 + 3);
    EXPECT_EQ(img->cellAlpha(0)[6 * 4 - 1], 5 * 10 + 3);
    img->midHandle();
    EXPECT_FLOAT_EQ(img->handleX, 3.0f);
    EXPECT_FLOAT_EQ(img->handleY, 2.0f);
    EXPECT_FALSE(platform::Image::fromRGBA(2, 2, std::vector<uint8_t>(15), 0));
    EXPECT_FALSE(platform::Image::fromRGBA(0, 2, {}, 0));
    EXPECT_EQ(platform::imageWidth(nullptr), 0);
    EXPECT_EQ(platform::imageFrames(nullptr), 0);
}

TEST(ImageTest, CapturedPictureMeasuresUnitsNotPixels) {
    // 4 x 2 pixels standing for 2 x 1 units (a window at twice the picture).
    std::vector<uint8_t> rgba(4 * 2 * 4, 255);
    rgba[(1 * 4 + 3) * 4 + 3] = 7;  // pixel (3, 1): unit (1, 0)'s lower right
    ImageRef img = platform::Image::fromPixels(4, 2, std::move(rgba), 2, 1, platform::IMAGE_FILTERED);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->width(), 2);
    EXPECT_EQ(img->height(), 1);
    EXPECT_FLOAT_EQ(img->pixelScale, 2.0f);
    EXPECT_EQ(img->alphaAt(0, 1, 0), 255);  // samples the unit's top-left pixel
    EXPECT_EQ(img->alphaAt(0, 2, 0), 0);
}

TEST(SavePngTest, WritesAFileThatDecodesToTheSamePixels) {
    ScratchFolder dir;
    std::vector<uint8_t> rgba;
    for (int i = 0; i < 5 * 3; ++i) {
        rgba.push_back(static_cast<uint8_t>(i * 17));
        rgba.push_back(static_cast<uint8_t>(255 - i));
        rgba.push_back(static_cast<uint8_t>(i));
        rgba.push_back(static_cast<uint8_t>(i * 16 + 15));
    }
    ASSERT_TRUE(platform::savePNG(dir.file("shot.png"), 5, 3, rgba));
    ImageRef back = platform::loadImage(dir.file("shot.png"), 0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width(), 5);
    EXPECT_EQ(back->height(), 3);
    EXPECT_EQ(back->rgba(), rgba);
    EXPECT_FALSE(platform::savePNG(dir.file("bad.png"), 5, 3, std::vector<uint8_t>(10)));
    EXPECT_FALSE(platform::savePNG(dir.file("missing/folder/x.png"), 5, 3, rgba));
}

}  // namespace
