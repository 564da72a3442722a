// Glyph rasterising through FreeType for the font-baking tools. The glyphs
// are loaded and rendered with the same settings as the game's smoothed
// TrueType fonts (font.cpp), so a baked font looks like the live one.
#include "platform/glyph_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <unordered_set>

#include "platform/files.h"

namespace platform {
namespace {

// FreeType's library and face for the length of one call.
class FaceSession {
public:
    ~FaceSession() {
        if (face_) FT_Done_Face(face_);
        if (lib_) FT_Done_FreeType(lib_);
    }

    bool open(const std::string& path, int pixelSize, std::string& error) {
        if (!readBinaryFile(path, bytes_) || bytes_.empty()) {
            error = "cannot read the font file " + path;
            return false;
        }
        if (FT_Init_FreeType(&lib_) != 0) {
            lib_ = nullptr;
            error = "FreeType could not start";
            return false;
        }
        if (FT_New_Memory_Face(lib_, reinterpret_cast<const FT_Byte*>(bytes_.data()),
                               static_cast<FT_Long>(bytes_.size()), 0, &face_) != 0) {
            face_ = nullptr;
            error = path + " is not a font file FreeType can read";
            return false;
        }
        if (!FT_IS_SCALABLE(face_)) {
            error = path + " is not a scalable font";
            return false;
        }
        if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
            error = path + " cannot be set to " + std::to_string(pixelSize) + " pixels";
            return false;
        }
        return true;
    }

    FT_Face face() const { return face_; }

private:
    std::string bytes_;  // FreeType reads from it for the face's life
    FT_Library lib_ = nullptr;
    FT_Face face_ = nullptr;
};

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
    const int levels = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
    g.coverage.assign(static_cast<size_t>(g.width) * g.height, 0);
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
        for (int x = 0; x < g.width; ++x)
            g.coverage[static_cast<size_t>(y) * g.width + x] = static_cast<uint8_t>(row[x] * 255 / levels);
    }
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
    FaceSession session;
    if (!session.open(fontPath, pixelSize, error)) return false;
    FT_Face face = session.face();

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
