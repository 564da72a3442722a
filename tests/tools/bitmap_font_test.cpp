// Baking a TrueType font into bitmap-font pages and writing them: the page
// pixels match the glyphs, the records lie on their pages, the descriptor
// the game reads comes out whole, and the bytes never change between runs.
#include "bmfont/bitmap_font.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/files.h"
#include "platform/glyph_raster.h"
#include "platform/image.h"
#include "support/scratch_folder.h"

namespace {

const char* const kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

bmfont::BakeOptions smallBake() {
    bmfont::BakeOptions o;
    o.fontPath = kFont;
    o.pixelSize = 22;
    o.pageWidth = 128;
    o.pageHeight = 64;
    o.pageStem = "t";
    o.codepoints = {' ', '0', '1', ':', 'A', 'V', 'g', 0xC5 /* A with ring */};
    return o;
}

TEST(BitmapFont, BakedPagesHoldEachGlyphsCoverageAsWhiteAlpha) {
    bmfont::BakedFont font;
    std::string error;
    ASSERT_TRUE(bmfont::bakeFont(smallBake(), font, error)) << error;
    platform::RasterFont raster;
    ASSERT_TRUE(platform::rasterizeGlyphs(kFont, 22, smallBake().codepoints, raster, error)) << error;
    ASSERT_EQ(font.pages.size(), 1u);
    const bmfont::BakedPage& page = font.pages[0];
    EXPECT_EQ(page.fileName, "t_0.png");
    ASSERT_EQ(font.descriptor.chars.size(), raster.glyphs.size());

    for (size_t i = 0; i < raster.glyphs.size(); ++i) {
        const auto& g = raster.glyphs[i];
        const auto& c = font.descriptor.chars[i];
        EXPECT_EQ(c.id, g.codepoint);
        EXPECT_EQ(c.xadvance, g.advance);
        EXPECT_EQ(c.width, g.width);
        EXPECT_EQ(c.height, g.height);
        if (g.width == 0) continue;
        EXPECT_EQ(c.xoffset, g.bearingX);
        EXPECT_EQ(c.yoffset, raster.ascent - g.bearingY);  // from the line's top
        ASSERT_LE(c.x + c.width, page.width);
        ASSERT_LE(c.y + c.height, page.height);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) {
                size_t p = (static_cast<size_t>(c.y + y) * page.width + c.x + x) * 4;
                ASSERT_EQ(page.rgba[p + 3], g.coverage[static_cast<size_t>(y) * g.width + x]);
                ASSERT_EQ(page.rgba[p], 255);
            }
    }
    // The space takes no room but moves the pen.
    EXPECT_EQ(font.descriptor.chars[0].width, 0);
    EXPECT_GT(font.descriptor.chars[0].xadvance, 0);
}

TEST(BitmapFont, DescriptorCarriesWhatTheGameReliesOn) {
    bmfont::BakedFont font;
    std::string error;
    ASSERT_TRUE(bmfont::bakeFont(smallBake(), font, error)) << error;
    const bmfont::Descriptor& d = font.descriptor;
    EXPECT_EQ(d.info.fontSize, 22);  // positive: the game's line step
    EXPECT_EQ(d.info.spacingHoriz, 0);  // the game adds it to every advance
    EXPECT_EQ(d.info.spacingVert, 0);
    EXPECT_TRUE(d.info.bitField & bmfont::INFO_BOLD);
    EXPECT_EQ(d.common.bitField, 0);  // not packed
    EXPECT_EQ(d.common.pages, 1);
    EXPECT_EQ(d.common.scaleW, 128);
    EXPECT_EQ(d.common.scaleH, 64);
    EXPECT_GE(d.common.lineHeight, 22);
    EXPECT_GT(d.common.base, 0);
    // DejaVu kerns A against V.
    bool av = false;
    for (const auto& k : d.kerning) av = av || (k.first == 'A' && k.second == 'V' && k.amount < 0);
    EXPECT_TRUE(av);
}

TEST(BitmapFont, WrittenFilesReadBackAndRepeatByteForByte) {
    ScratchFolder dir;
    bmfont::BakedFont font;
    std::string error;
    ASSERT_TRUE(bmfont::bakeFont(smallBake(), font, error)) << error;
    ASSERT_TRUE(bmfont::writeBakedFont(font, dir.file("t"), error)) << error;
    const std::string fnt1 = ScratchFolder::read(dir.file("t.fnt"));
    const std::string png1 = ScratchFolder::read(dir.file("t_0.png"));

    bmfont::Descriptor back;
    ASSERT_TRUE(bmfont::decodeDescriptor(fnt1, back, error)) << error;
    EXPECT_EQ(back.pageNames, std::vector<std::string>{"t_0.png"});
    EXPECT_EQ(back.chars.size(), font.descriptor.chars.size());
    platform::ImageRef page = platform::decodeImage(png1);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->width(), 128);
    EXPECT_EQ(page->height(), 64);

    bmfont::BakedFont again;
    ASSERT_TRUE(bmfont::bakeFont(smallBake(), again, error)) << error;
    ASSERT_TRUE(bmfont::writeBakedFont(again, dir.file("t"), error)) << error;
    EXPECT_EQ(ScratchFolder::read(dir.file("t.fnt")), fnt1);
    EXPECT_EQ(ScratchFolder::read(dir.file("t_0.png")), png1);
}

TEST(BitmapFont, RefusesPagesThatAreNotPowersOfTwoOrTooSmall) {
    bmfont::BakedFont font;
    std::string error;
    bmfont::BakeOptions o = smallBake();
    o.pageWidth = 100;
    EXPECT_FALSE(bmfont::bakeFont(o, font, error));
    EXPECT_NE(error.find("power of two"), std::string::npos);
    o = smallBake();
    o.pageWidth = o.pageHeight = 16;  // a 22-pixel glyph cannot fit
    EXPECT_FALSE(bmfont::bakeFont(o, font, error));
    o = smallBake();
    o.codepoints = bmfont::latin1Printable();
    o.maxPages = 1;  // 191 glyphs on 128 x 64 need several pages
    EXPECT_FALSE(bmfont::bakeFont(o, font, error));
    o.maxPages = 0;
    ASSERT_TRUE(bmfont::bakeFont(o, font, error)) << error;
    EXPECT_GT(font.pages.size(), 1u);
    std::set<int> pagesUsed;
    for (const auto& c : font.descriptor.chars) pagesUsed.insert(c.page);
    EXPECT_EQ(pagesUsed.size(), font.pages.size());
    EXPECT_EQ(font.descriptor.common.pages, font.pages.size());
}

TEST(BitmapFont, ReportsCharactersTheFontLacksAndFailsOnAMissingFont) {
    bmfont::BakedFont font;
    std::string error;
    bmfont::BakeOptions o = smallBake();
    o.codepoints = {'A', 0x10FFFD};
    ASSERT_TRUE(bmfont::bakeFont(o, font, error)) << error;
    EXPECT_EQ(font.missing, std::vector<uint32_t>{0x10FFFD});
    EXPECT_EQ(font.descriptor.chars.size(), 1u);
    o.fontPath = "/nonexistent/font.ttf";
    EXPECT_FALSE(bmfont::bakeFont(o, font, error));
    EXPECT_FALSE(error.empty());
}

struct RangeCase {
    const char* text;
    bool ok;
    std::vector<uint32_t> expected;
};

class CharacterRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CharacterRanges, ParseAsWritten) {
    std::vector<uint32_t> out;
    EXPECT_EQ(bmfont::parseCharacterRanges(GetParam().text, out), GetParam().ok) << GetParam().text;
    if (GetParam().ok) {
        EXPECT_EQ(out, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CharacterRanges,
                         ::testing::Values(RangeCase{"65", true, {65}}, RangeCase{"48-50,58", true, {48, 49, 50, 58}},
                                           RangeCase{"0x41-0x43", true, {65, 66, 67}},
                                           RangeCase{" 32 - 33 , 65 ", true, {32, 33, 65}},
                                           RangeCase{"", false, {}}, RangeCase{"66-65", false, {}},
                                           RangeCase{"65,", false, {}}, RangeCase{"a-z", false, {}},
                                           RangeCase{"0x110000", false, {}}, RangeCase{"-5", false, {}}));

TEST(CharacterRanges, Latin1PrintableLeavesOutTheControlCodes) {
    const std::vector<uint32_t> cps = bmfont::latin1Printable();
    EXPECT_EQ(cps.size(), 95u + 96u);
    EXPECT_EQ(cps.front(), 32u);
    EXPECT_EQ(cps.back(), 255u);
    for (uint32_t c : cps) EXPECT_FALSE(c < 32 || (c > 126 && c < 160)) << c;
}

}  // namespace
