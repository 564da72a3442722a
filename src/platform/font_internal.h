// The inside of an image font: glyph images with their placement, shared by
// the TrueType loader and the built-in font.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>

#include "platform/font.h"
#include "platform/image.h"

namespace platform {

struct Glyph {
    ImageRef image;        // null for glyphs without pixels (space)
    float offsetX = 0.0f;  // from the pen position to the image's left edge
    float offsetY = 0.0f;  // from the line's top to the image's top edge
    float advance = 0.0f;  // pen movement after the glyph
};

class Font {
public:
    virtual ~Font() = default;
    // The glyph of a code point, made on first use; a stand-in glyph for code
    // points the font lacks.
    const Glyph& glyph(uint32_t cp);
    // Extra pen movement between two code points (kerning).
    virtual float kerning(uint32_t, uint32_t) { return 0.0f; }

    int lineHeight = 0;

protected:
    virtual Glyph makeGlyph(uint32_t cp) = 0;

private:
    std::unordered_map<uint32_t, Glyph> glyphs_;
};

namespace detail {
// The built-in font (made on first use).
FontRef builtinFont();
// Pixels of a glyph as a white image whose alpha is the coverage.
ImageRef glyphImage(int w, int h, const std::vector<uint8_t>& coverage);
}  // namespace detail

}  // namespace platform
