// Glyph rasterising through FreeType for the font-baking tools. The glyphs
// are loaded and rendered with the same settings as the game's smoothed
// TrueType fonts (font.cpp), so a baked font looks like the live one.
#include "platform/glyph_raster.h"

#include <cmath>
#include <unordered_set>
#include <utility>

#include "platform/files.h"
#include "platform/freetype_face.h"

namespace platform {
namespace {

// Reads the font file into a face at the pixel size; false with the reason.
bool openFace(const std::string& path, int pixelSize, detail::FreeTypeFace& face, std::string& error) {
    std::string bytes;
    if (!readBinaryFile(path, bytes) || bytes.empty()) {
        error = "cannot read the font file " + path;
        return false;
    }
    switch (face.open(std::move(bytes), pixelSize)) {
        case detail::FaceOpen::OK: return true;
        case detail::FaceOpen::NO_FREETYPE: error = "FreeType could not start"; break;
        case detail::FaceOpen::NOT_A_FONT: error = path + " is not a font file FreeType can read"; break;
        case detail::FaceOpen::NOT_SCALABLE: error = path + " is not a scalable font"; break;
        case detail::FaceOpen::BAD_SIZE:
            error = path + " cannot be set to " + std::to_string(pixelSize) + " pixels";
            break;
    }
    return false;
}

int roundedPixels(FT_Pos v26_6) { return static_cast<int>(std::lround(static_cast<double>(v26_6) / 64.0)); }

bool renderGlyph(FT_Face face, uint32_t cp, RasterGlyph& g) {
    if (FT_Load_Char(face, cp, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return false;
    FT_GlyphSlot slot = face->glyph;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;
    const FT_Bitmap& bm = slot->bitmap;
    g.codepoint = cp;
    g.advance = roundedPixels(slot->advance.x);
    g.bearingX = slot->bitmap_left;
    g.bearingY = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    if (g.width <= 0 || g.height <= 0 || bm.pixel_mode != FT_PIXEL_MODE_GRAY) {
        g.width = g.height = 0;
        return true;
    }
    g.coverage = detail::bitmapCoverage(bm);
    return true;
}

}  // namespace

bool rasterizeGlyphs(const std::string& fontPath, int pixelSize, const std::vector<uint32_t>& codepoints,
                     RasterFont& out, std::string& error) {
    out = RasterFont{};
    error.clear();
    if (pixelSize < 1 || pixelSize > 1024) {
        error = "pixel size " + std::to_string(pixelSize) + " is outside 1..1024";
        return false;
    }
    detail::FreeTypeFace fontFace;
    if (!openFace(fontPath, pixelSize, fontFace, error)) return false;
    FT_Face face = fontFace.face();

    out.familyName = face->family_name ? face->family_name : "";
    out.styleName = face->style_name ? face->style_name : "";
    out.pixelSize = pixelSize;
    out.ascent = roundedPixels(face->size->metrics.ascender);
    out.descent = -roundedPixels(face->size->metrics.descender);
    out.lineHeight = static_cast<int>(std::ceil(static_cast<double>(face->size->metrics.height) / 64.0));
    if (out.lineHeight <= 0) out.lineHeight = pixelSize;

    std::unordered_set<uint32_t> seen;
    std::vector<FT_UInt> indices;
    for (uint32_t cp : codepoints) {
        if (!seen.insert(cp).second) continue;
        FT_UInt index = FT_Get_Char_Index(face, cp);
        RasterGlyph g;
        if (index == 0 || !renderGlyph(face, cp, g)) {
            out.missing.push_back(cp);
            continue;
        }
        out.glyphs.push_back(std::move(g));
        indices.push_back(index);
    }

    if (FT_HAS_KERNING(face)) {
        for (size_t a = 0; a < out.glyphs.size(); ++a) {
            for (size_t b = 0; b < out.glyphs.size(); ++b) {
                FT_Vector k;
                if (FT_Get_Kerning(face, indices[a], indices[b], FT_KERNING_DEFAULT, &k) != 0) continue;
                int amount = roundedPixels(k.x);
                if (amount != 0) out.kerning.push_back({out.glyphs[a].codepoint, out.glyphs[b].codepoint, amount});
            }
        }
    }
    return true;
}

}  // namespace platform
