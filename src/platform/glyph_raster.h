// Glyphs of a TrueType font rasterised once on the CPU, for tools that bake a
// font into pictures (the bitmap-font generator) rather than draw text.
//
// Each glyph comes out as an 8-bit coverage bitmap (anti-aliased, hinted the
// same way as the game's TrueType fonts) with its metrics in whole pixels;
// the kerning pairs between the glyphs asked for come with them. Nothing here
// needs a window, and no call depends on an earlier one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct RasterGlyph {
    uint32_t codepoint = 0;
    int width = 0;     // bitmap size in pixels (0 x 0 for glyphs without ink, such as space)
    int height = 0;
    int bearingX = 0;  // from the pen position to the bitmap's left edge
    int bearingY = 0;  // from the baseline up to the bitmap's top edge
    int advance = 0;   // pen movement after the glyph
    std::vector<uint8_t> coverage;  // width * height bytes, row by row, 0 = none, 255 = full
};

struct KerningPair {
    uint32_t first = 0;
    uint32_t second = 0;
    int amount = 0;  // extra pen movement in pixels between first and second (negative = closer)
};

struct RasterFont {
    std::string familyName;  // as the font file names itself ("DejaVu Sans")
    std::string styleName;   // "Condensed Bold"
    int pixelSize = 0;
    int ascent = 0;      // baseline below the top of a line, in pixels
    int descent = 0;     // lowest point below the baseline, in pixels (positive)
    int lineHeight = 0;  // distance between two baselines, in pixels
    std::vector<RasterGlyph> glyphs;    // in the order asked for; code points the font lacks are left out
    std::vector<uint32_t> missing;      // code points asked for that the font has no glyph for
    std::vector<KerningPair> kerning;   // non-zero pairs among the glyphs, in glyph order
};

// Rasterises the code points of the font file at a pixel size. False (with
// error saying why) when the file cannot be read or is not a scalable font
// or the size is outside 1..1024; a code point the font lacks is not an
// error, it is listed in `missing`.
bool rasterizeGlyphs(const std::string& fontPath, int pixelSize, const std::vector<uint32_t>& codepoints,
                     RasterFont& out, std::string& error);

}  // namespace platform
