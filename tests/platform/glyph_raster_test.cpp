// Rasterising TrueType glyphs on the CPU for the font-baking tools.
#include "platform/glyph_raster.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/scratch_folder.h"

namespace {

const char* const kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

const platform::RasterGlyph* find(const platform::RasterFont& f, uint32_t cp) {
    for (const auto& g : f.glyphs)
        if (g.codepoint == cp) return &g;
    return nullptr;
}

TEST(GlyphRaster, GivesCoverageAndMetricsOfEachGlyph) {
    platform::RasterFont f;
    std::string error;
    ASSERT_TRUE(platform::rasterizeGlyphs(kFont, 22, {'A', 'g', ' ', '.'}, f, error)) << error;
    EXPECT_EQ(f.familyName, "DejaVu Sans");
    EXPECT_NE(f.styleName.find("Bold"), std::string::npos);
    EXPECT_EQ(f.pixelSize, 22);
    EXPECT_GT(f.ascent, 0);
    EXPECT_GT(f.descent, 0);
    EXPECT_GE(f.lineHeight, f.ascent + f.descent - 1);
    ASSERT_EQ(f.glyphs.size(), 4u);
    EXPECT_TRUE(f.missing.empty());

    const auto* a = find(f, 'A');
    ASSERT_TRUE(a);
    EXPECT_GT(a->width, 8);
    EXPECT_GT(a->height, 12);
    EXPECT_LE(a->height, 22);
    EXPECT_EQ(a->coverage.size(), static_cast<size_t>(a->width) * a->height);
    EXPECT_EQ(*std::max_element(a->coverage.begin(), a->coverage.end()), 255);  // solid strokes
    EXPECT_GT(a->advance, 0);
    EXPECT_LE(a->bearingY, f.ascent);  // capitals stand on the baseline, below the ascent

    const auto* g = find(f, 'g');
    ASSERT_TRUE(g);
    EXPECT_GT(g->height - g->bearingY, 2);  // the descender reaches below the baseline

    const auto* space = find(f, ' ');
    ASSERT_TRUE(space);
    EXPECT_EQ(space->width, 0);
    EXPECT_TRUE(space->coverage.empty());
    EXPECT_GT(space->advance, 0);
}

TEST(GlyphRaster, BiggerSizesGiveBiggerGlyphs) {
    platform::RasterFont small, big;
    std::string error;
    ASSERT_TRUE(platform::rasterizeGlyphs(kFont, 12, {'M'}, small, error)) << error;
    ASSERT_TRUE(platform::rasterizeGlyphs(kFont, 48, {'M'}, big, error)) << error;
    EXPECT_GT(big.glyphs[0].height, 3 * small.glyphs[0].height);
    EXPECT_GT(big.glyphs[0].advance, 3 * small.glyphs[0].advance);
}

TEST(GlyphRaster, ListsMissingCodePointsAndKeepsKerningPairs) {
    platform::RasterFont f;
    std::string error;
    ASSERT_TRUE(platform::rasterizeGlyphs(kFont, 22, {'A', 'V', 0x10FFFD, 'A'}, f, error)) << error;
    ASSERT_EQ(f.glyphs.size(), 2u);  // the repeated A counts once
    EXPECT_EQ(f.missing, std::vector<uint32_t>{0x10FFFD});
    bool av = false;
    for (const auto& k : f.kerning) {
        EXPECT_NE(k.amount, 0);
        av = av || (k.first == 'A' && k.second == 'V' && k.amount < 0);
    }
    EXPECT_TRUE(av);
}

TEST(GlyphRaster, FailsWithAReasonOnBadInput) {
    platform::RasterFont f;
    std::string error;
    EXPECT_FALSE(platform::rasterizeGlyphs("/nonexistent/font.ttf", 22, {'A'}, f, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(platform::rasterizeGlyphs(kFont, 0, {'A'}, f, error));
    EXPECT_FALSE(platform::rasterizeGlyphs(kFont, 2000, {'A'}, f, error));
    EXPECT_FALSE(platform::rasterizeGlyphs("/usr/share/fonts/truetype/dejavu", 22, {'A'}, f, error));  // a folder
    ScratchFolder dir;
    EXPECT_FALSE(platform::rasterizeGlyphs(dir.write("fake.ttf", "not a font at all"), 22, {'A'}, f, error));
    EXPECT_NE(error.find("not a font"), std::string::npos);
}

}  // namespace
