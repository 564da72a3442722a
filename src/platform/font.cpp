// TrueType fonts through FreeType, and the text calls.
#include "platform/font.h"

#include <ft2build.h>
#include FT_OUTLINE_H

#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/files.h"
#include "platform/font_internal.h"
#include "platform/freetype_face.h"
#include "platform/render.h"
#include "platform/render_internal.h"
#include "platform/utf8.h"

namespace platform {
namespace {

class TrueTypeFont : public Font {
public:
    bool open(std::string bytes, int size, int style) {
        if (face_.open(std::move(bytes), size) != detail::FaceOpen::OK) return false;
        style_ = style;
        size_ = size;
        ascent_ = static_cast<float>(face()->size->metrics.ascender) / 64.0f;
        lineHeight = static_cast<int>(std::ceil(face()->size->metrics.height / 64.0));
        if (lineHeight <= 0) lineHeight = size;
        if (style & FONT_ITALIC) {
            // Lean the glyphs right by about 12 degrees.
            FT_Matrix shear;
            shear.xx = 0x10000;
            shear.xy = static_cast<FT_Fixed>(0.21 * 0x10000);
            shear.yx = 0;
            shear.yy = 0x10000;
            FT_Set_Transform(face(), &shear, nullptr);
        }
        // The Latin-1 range is ready at once; other characters come on first use.
        for (uint32_t cp = 32; cp < 256; ++cp) glyph(cp);
        return true;
    }

    // Text is measured and drawn every frame, so each pair is looked up in
    // the font once and remembered.
    float kerning(uint32_t a, uint32_t b) override {
        if (!face() || !FT_HAS_KERNING(face())) return 0.0f;
        const uint64_t pair = (static_cast<uint64_t>(a) << 32) | b;
        auto it = kerning_.find(pair);
        if (it != kerning_.end()) return it->second;
        FT_Vector k;
        float amount = 0.0f;
        if (FT_Get_Kerning(face(), FT_Get_Char_Index(face(), a), FT_Get_Char_Index(face(), b), FT_KERNING_DEFAULT,
                           &k) == 0)
            amount = static_cast<float>(k.x) / 64.0f;
        kerning_.emplace(pair, amount);
        return amount;
    }

protected:
    Glyph makeGlyph(uint32_t cp) override {
        Glyph g;
        bool smooth = (style_ & FONT_SMOOTH) != 0;
        FT_Int32 loadFlags = smooth ? FT_LOAD_DEFAULT : (FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME);
        if (FT_Load_Char(face(), cp, loadFlags | FT_LOAD_NO_BITMAP) != 0) return g;
        FT_GlyphSlot slot = face()->glyph;
        float extra = 0.0f;
        if ((style_ & FONT_BOLD) && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            FT_Pos strength = std::max<FT_Pos>(64, static_cast<FT_Pos>(size_) * 64 / 24);
            FT_Outline_Embolden(&slot->outline, strength);
            extra = static_cast<float>(strength) / 64.0f;
        }
        if (FT_Render_Glyph(slot, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return g;
        const FT_Bitmap& bm = slot->bitmap;
        g.advance = static_cast<float>(slot->advance.x) / 64.0f + extra;
        g.offsetX = static_cast<float>(slot->bitmap_left);
        g.offsetY = std::round(ascent_) - static_cast<float>(slot->bitmap_top);
        int w = static_cast<int>(bm.width), h = static_cast<int>(bm.rows);
        if (w <= 0 || h <= 0) return g;
        g.image = detail::glyphImage(w, h, detail::bitmapCoverage(bm));
        return g;
    }

private:
    FT_Face face() const { return face_.face(); }

    detail::FreeTypeFace face_;
    std::unordered_map<uint64_t, float> kerning_;  // by (first << 32 | second)
    int style_ = FONT_SMOOTH;
    int size_ = 0;
    float ascent_ = 0.0f;
};

FontRef selected;

Font& current() { return selected ? *selected : *detail::builtinFont(); }

float measure(Font& font, const std::string& text) {
    float width = 0.0f;
    size_t i = 0;
    uint32_t cp = 0, prev = 0;
    while (detail::nextCodePoint(text, i, cp)) {
        if (prev) width += font.kerning(prev, cp);
        width += font.glyph(cp).advance;
        prev = cp;
    }
    return width;
}

}  // namespace

const Glyph& Font::glyph(uint32_t cp) {
    auto it = glyphs_.find(cp);
    if (it != glyphs_.end()) return it->second;
    return glyphs_.emplace(cp, makeGlyph(cp)).first->second;
}

namespace detail {
ImageRef glyphImage(int w, int h, const std::vector<uint8_t>& coverage) {
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (size_t i = 0; i < coverage.size(); ++i) {
        rgba[i * 4 + 0] = 255;
        rgba[i * 4 + 1] = 255;
        rgba[i * 4 + 2] = 255;
        rgba[i * 4 + 3] = coverage[i];
    }
    // Glyphs share the atlas pages of ordinary images, so text and the
    // sprites around it go in one batch.
    return Image::fromRGBA(w, h, std::move(rgba), IMAGE_DEFAULT);
}
}  // namespace detail

FontRef loadFont(const std::string& path, int size, int style) {
    if (size <= 0 || size > 1024) return nullptr;
    std::string bytes;
    if (!readBinaryFile(path, bytes) || bytes.empty()) return nullptr;
    auto font = std::make_shared<TrueTypeFont>();
    if (!font->open(std::move(bytes), size, style)) return nullptr;
    return font;
}

void setFont(const FontRef& font) { selected = font; }
FontRef getFont() { return selected; }

int textWidth(const std::string& text) { return static_cast<int>(std::ceil(measure(current(), text))); }
int textHeight(const std::string&) { return current().lineHeight; }

int fontWidth(const FontRef& font, const std::string& text) {
    Font& f = font ? *font : *detail::builtinFont();
    return static_cast<int>(std::ceil(measure(f, text)));
}

int fontHeight(const FontRef& font) { return font ? font->lineHeight : detail::builtinFont()->lineHeight; }

void drawText(const std::string& text, float x, float y) {
    Font& font = current();
    float sx = 1.0f, sy = 1.0f;
    getScale(sx, sy);
    // Unscaled, unturned text sits on whole units so its pixels stay crisp.
    bool plain = sx == 1.0f && sy == 1.0f && getRotation() == 0.0f;
    if (plain) {
        x = std::floor(x + 0.5f);
        y = std::floor(y + 0.5f);
    }
    float pen = 0.0f;
    size_t i = 0;
    uint32_t cp = 0, prev = 0;
    while (detail::nextCodePoint(text, i, cp)) {
        if (prev) pen += font.kerning(prev, cp);
        const Glyph& g = font.glyph(cp);
        if (g.image) {
            float lx = pen + g.offsetX;
            if (plain) lx = std::floor(lx + 0.5f);
            detail::drawCellLocal(g.image, 0, x, y, lx, g.offsetY, static_cast<float>(g.image->width()),
                                  static_cast<float>(g.image->height()));
        }
        pen += g.advance;
        prev = cp;
    }
}

}  // namespace platform
