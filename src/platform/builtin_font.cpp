// The built-in font: a fixed-width bitmap font compiled into the program,
// used for text whenever no font is selected.
#include <vector>

#include "platform/font_internal.h"

namespace platform {
namespace {

#include "platform/builtin_font_data.inc"

class BuiltinFont : public Font {
public:
    BuiltinFont() { lineHeight = kBuiltinCellH; }

protected:
    Glyph makeGlyph(uint32_t cp) override {
        if (cp < static_cast<uint32_t>(kBuiltinFirst) || cp > static_cast<uint32_t>(kBuiltinLast)) cp = '?';
        const unsigned char* rows = kBuiltinGlyphs[cp - kBuiltinFirst];
        std::vector<uint8_t> coverage(static_cast<size_t>(kBuiltinCellW) * kBuiltinCellH, 0);
        bool any = false;
        for (int y = 0; y < kBuiltinCellH; ++y) {
            for (int x = 0; x < kBuiltinCellW; ++x) {
                bool on = (rows[y * kBuiltinRowBytes + x / 8] & (0x80 >> (x % 8))) != 0;
                coverage[static_cast<size_t>(y) * kBuiltinCellW + x] = on ? 255 : 0;
                any = any || on;
            }
        }
        Glyph g;
        g.advance = static_cast<float>(kBuiltinCellW);
        if (any) g.image = detail::glyphImage(kBuiltinCellW, kBuiltinCellH, coverage);
        return g;
    }
};

}  // namespace

namespace detail {
FontRef builtinFont() {
    static FontRef font = std::make_shared<BuiltinFont>();
    return font;
}
}  // namespace detail

}  // namespace platform
