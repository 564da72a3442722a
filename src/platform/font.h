// Image fonts: TrueType files rasterised at a pixel size, and the built-in
// default font used when no font is selected.
//
// Text is UTF-8. Glyphs are cut into one texture per font so a line of text
// is drawn as part of the sprite batch. Text is drawn with the pen of
// render.h (colour, alpha, blend, scale, rotation); (x, y) is the top-left of
// the text's box.
#pragma once

#include <memory>
#include <string>

namespace platform {

// Font style flags as the content names them.
enum FontStyle : int {
    FONT_BOLD = 1,
    FONT_ITALIC = 2,
    FONT_SMOOTH = 4,  // anti-aliased; without it glyphs are hard-edged
};

class Font;
using FontRef = std::shared_ptr<Font>;

// Loads a TrueType file at a pixel size. Null on failure.
FontRef loadFont(const std::string& path, int size, int style = FONT_SMOOTH);

// Selects the font used by text calls; null selects the built-in font.
void setFont(const FontRef& font);
FontRef getFont();

// Width and height in picture units of a text in the selected font (before
// the pen's scale). The height is the font's line height.
int textWidth(const std::string& text);
int textHeight(const std::string& text);
int fontWidth(const FontRef& font, const std::string& text);
int fontHeight(const FontRef& font);
void drawText(const std::string& text, float x, float y);

}  // namespace platform
