// The picture's fit into the window, the pen, and drawing without a window.
#include "platform/render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/font.h"
#include "platform/window.h"

namespace {

struct FitCase {
    int winW, winH, picW, picH;
    float scale, offsetX, offsetY;
};

class FitPictureTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitPictureTest, ScalesByTheTighterSideAndCentres) {
    const FitCase& c = GetParam();
    platform::PictureFit fit = platform::fitPicture(c.winW, c.winH, c.picW, c.picH);
    EXPECT_FLOAT_EQ(fit.scale, c.scale);
    EXPECT_FLOAT_EQ(fit.offsetX, c.offsetX);
    EXPECT_FLOAT_EQ(fit.offsetY, c.offsetY);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FitPictureTest,
    ::testing::Values(FitCase{1024, 768, 1024, 768, 1.0f, 0, 0},
                      FitCase{800, 600, 1024, 768, 0.78125f, 0, 0},
                      FitCase{819, 614, 1024, 768, 614.0f / 768.0f, 0, 0},   // height is tighter
                      FitCase{640, 480, 1024, 768, 0.625f, 0, 0},
                      FitCase{1280, 1024, 1024, 768, 1.25f, 0, 32},           // bars above and below
                      FitCase{1920, 1080, 1024, 768, 1.40625f, 240, 0},       // bars left and right
                      FitCase{2048, 768, 1024, 768, 1.0f, 512, 0},
                      FitCase{1025, 768, 1024, 768, 1.0f, 0, 0},              // half pixel rounds down
                      FitCase{100, 2000, 1024, 768, 100.0f / 1024.0f, 0, 962},
                      FitCase{0, 0, 1024, 768, 1.0f, 0, 0},                   // minimised window
                      FitCase{1024, 768, 0, 768, 1.0f, 0, 0},
                      FitCase{-5, 768, 1024, 768, 1.0f, 0, 0}));

TEST(FitPictureTest, MapsWindowPointsBackToPictureUnits) {
    // The mouse mapping inverts the fit: a picture point drawn at
    // offset + p * scale reads back as p.
    platform::PictureFit fit = platform::fitPicture(1920, 1080, 1024, 768);
    for (float p : {0.0f, 100.0f, 512.0f, 1023.0f}) {
        float window = fit.offsetX + p * fit.scale;
        EXPECT_NEAR((window - fit.offsetX) / fit.scale, p, 1e-3f);
    }
}

// The pen is global state; every test leaves it as it found it.
class PenTest : public ::testing::Test {
protected:
    void TearDown() override { platform::resetDrawState(); }
};

TEST_F(PenTest, ValuesAreClampedAndResetRestoresTheDefaults) {
    platform::setColor(300, -4, 128);
    int r, g, b;
    platform::getColor(r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 128);
    platform::setAlpha(1.5f);
    EXPECT_FLOAT_EQ(platform::getAlpha(), 1.0f);
    platform::setAlpha(-0.5f);
    EXPECT_FLOAT_EQ(platform::getAlpha(), 0.0f);
    platform::setAlpha(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(platform::getAlpha(), 0.0f);
    platform::setBlend(platform::Blend::LIGHT);
    platform::setScale(2.0f, 3.0f);
    platform::setRotation(45.0f);

    platform::resetDrawState();
    platform::getColor(r, g, b);
    EXPECT_EQ(r + g + b, 255 * 3);
    EXPECT_FLOAT_EQ(platform::getAlpha(), 1.0f);
    EXPECT_EQ(platform::getBlend(), platform::Blend::ALPHA);
    float sx, sy;
    platform::getScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1.0f);
    EXPECT_FLOAT_EQ(sy, 1.0f);
    EXPECT_FLOAT_EQ(platform::getRotation(), 0.0f);
}

TEST_F(PenTest, DrawingWithoutAWindowDoesNothingAndCapturesNothing) {
    ASSERT_FALSE(platform::graphicsOpen());
    std::vector<uint8_t> rgba(16 * 4, 255);
    platform::ImageRef img = platform::Image::fromRGBA(4, 4, rgba, platform::IMAGE_DEFAULT);
    platform::setRotation(30.0f);
    platform::cls();
    platform::drawImage(img, 10, 10);
    platform::drawImage(img, 10, 10, 99);  // no such frame
    platform::drawImage(nullptr, 0, 0);
    platform::drawImageRect(img, 0, 0, 100, 50);
    platform::drawSubImage(img, 0, 0, 1, 1, 2, 2);
    platform::drawRect(0, 0, 1024, 768);
    platform::drawLine(0, 0, 100, 100);
    platform::setClip(10, 10, 100, 100);
    platform::clearClip();
    platform::drawText("no window", 5, 5);
    platform::waitForGpu();
    // The image stays on the CPU side, ready for a window that opens later.
    EXPECT_FALSE(img->texture);
    EXPECT_EQ(img->rgba().size(), rgba.size());
    EXPECT_FALSE(platform::captureImage(0, 0, 10, 10));
    EXPECT_FALSE(platform::capturePresentedImage(0, 0, 10, 10));
    int w = -1, h = -1;
    std::vector<uint8_t> shot(3);
    EXPECT_FALSE(platform::readPresentedPixels(w, h, shot));
    EXPECT_EQ(w, 0);
    EXPECT_TRUE(shot.empty());
    EXPECT_EQ(platform::lastFrameStats().drawCalls, 0);
}

TEST(VirtualScreenTest, PictureSizeIsKeptAndBadSizesIgnored) {
    platform::setVirtualScreen(1024, 768);
    EXPECT_FLOAT_EQ(platform::virtualWidth(), 1024.0f);
    EXPECT_FLOAT_EQ(platform::virtualHeight(), 768.0f);
    platform::setVirtualScreen(0, 10);
    platform::setVirtualScreen(800, -1);
    EXPECT_FLOAT_EQ(platform::virtualWidth(), 1024.0f);
    EXPECT_FLOAT_EQ(platform::virtualHeight(), 768.0f);
}

TEST(TextTest, BuiltInFontMeasuresWithoutAWindow) {
    platform::setFont(nullptr);
    int one = platform::textWidth("M");
    EXPECT_GT(one, 0);
    EXPECT_EQ(platform::textWidth("MMMM"), 4 * one);  // fixed width
    EXPECT_EQ(platform::textWidth(""), 0);
    EXPECT_GT(platform::textHeight("x"), 0);
    EXPECT_EQ(platform::textHeight(""), platform::textHeight("Tall text"));
    // Broken UTF-8 still measures, one character per stray byte.
    EXPECT_EQ(platform::textWidth("\xC3"), one);
    EXPECT_EQ(platform::textWidth("\xC3\xA9"), one);  // e acute
}

TEST(TextTest, TrueTypeFontsMeasureAndStylesWiden) {
    const char* path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    platform::FontRef plain = platform::loadFont(path, 24, platform::FONT_SMOOTH);
    if (!plain) GTEST_SKIP() << "DejaVu Sans is not installed";
    platform::FontRef bold = platform::loadFont(path, 24, platform::FONT_SMOOTH | platform::FONT_BOLD);
    platform::FontRef big = platform::loadFont(path, 48, platform::FONT_SMOOTH);
    ASSERT_TRUE(bold && big);
    int w = platform::fontWidth(plain, "Fieldstack");
    EXPECT_GT(w, 50);
    EXPECT_GT(platform::fontWidth(bold, "Fieldstack"), w);
    EXPECT_NEAR(platform::fontWidth(big, "Fieldstack"), 2 * w, w / 8);
    EXPECT_GE(platform::fontHeight(plain), 24);
    EXPECT_GT(platform::fontHeight(big), platform::fontHeight(plain));
    // The selected font answers the text calls.
    platform::setFont(plain);
    EXPECT_EQ(platform::textWidth("Fieldstack"), w);
    EXPECT_EQ(platform::getFont(), plain);
    platform::setFont(nullptr);
    // Characters outside Latin-1 are rasterised on demand.
    EXPECT_GT(platform::fontWidth(plain, "\xC5\x81\xC3\xB3\xC4\x87"), 0);  // Polish letters
}

TEST(TextTest, TrueTypeKerningPullsPairsTogetherAndIsKeptPerPair) {
    platform::FontRef font = platform::loadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 48,
                                                platform::FONT_SMOOTH);
    if (!font) GTEST_SKIP() << "DejaVu Sans is not installed";
    const int a = platform::fontWidth(font, "A"), v = platform::fontWidth(font, "V");
    const int h = platform::fontWidth(font, "H");
    const int av = platform::fontWidth(font, "AV");
    EXPECT_LT(av, a + v);
    // Measured again, the pair gives the same; other pairs keep their own.
    EXPECT_EQ(platform::fontWidth(font, "AV"), av);
    EXPECT_EQ(platform::fontWidth(font, "AH"), a + h);
    EXPECT_EQ(platform::fontWidth(font, "HA"), h + a);
    EXPECT_EQ(platform::fontWidth(font, "AVAV"), platform::fontWidth(font, "AVA") + av - a);
}

TEST(TextTest, BadFontFilesGiveNull) {
    EXPECT_FALSE(platform::loadFont("/nonexistent/font.ttf", 20));
    EXPECT_FALSE(platform::loadFont(std::string(FIELDSTACK_TEST_DATA) + "/platform/images/rgba.png", 20));
    EXPECT_FALSE(platform::loadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0));
}

}  // namespace
