// Drawing text with the platform's image fonts: wrapped text in a box, text
// with a one-unit outline, and the fitting tail of a text too long for its
// box. Everything draws with the current pen (colour, alpha, scale) and, where
// a font is given, selects it first.
#pragma once

#include <optional>
#include <string>

#include "gui/dim.h"
#include "gui/text_layout.h"
#include "platform/font.h"

// Lays out and draws a text in a box of the given width (see
// layoutWrappedText for the rules) with the line height of "A" in the font plus
// lineGap, and returns the height of the laid-out text. When a font is given it
// becomes the current font; otherwise the current font is used. The ignored
// parameter is kept for the callers that pass one.
int drawWrappedText(const std::string& text, int x, int y, float width, const std::string& alignWord,
                    float ignored, const platform::FontRef& font, int lineGap);

// The layout drawWrappedText draws, in the current font: the line height of
// "A" plus lineGap, the align code as layoutWrappedText takes it.
WrappedLayout layoutInCurrentFont(const std::string& text, int x, int y, float width, int align, int lineGap);
// Draws the pieces of a layout with the current font and pen.
void drawLayout(const WrappedLayout& layout);

// The height drawWrappedText would return, without drawing. A null font
// measures with the current font.
int measureWrappedText(const std::string& text, float width, const std::string& alignWord,
                       const platform::FontRef& font, int lineGap);

// With the current font: the text anchored at x (LEFT: starting there, RIGHT:
// ending there, CENTER: centred on it), drawn four times in the outline colour
// one unit off diagonally, then once in the text colour. No outline colour
// means black, no text colour white.
void drawOutlinedText(const std::string& text, int x, int y, const std::optional<TRGB>& outline,
                      const std::optional<TRGB>& colour, const std::string& alignWord);

// Draws at (x, y) the shortest tail of the text, prefixed with "..", that fits
// maxWidth in the current font, and returns it; "" (nothing drawn) when even
// ".." and the last character do not fit.
std::string drawTextTail(const std::string& text, int x, int y, int maxWidth);

// Sets the pen's colour to c; a colour whose red is negative (the GUI files'
// "no colour") draws white.
void setTextColour(const TRGB& c);
