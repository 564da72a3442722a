#include "gui/text_draw.h"

#include "gui/text_layout.h"
#include "platform/render.h"

namespace {

int currentFontWidth(const std::string& text) { return platform::textWidth(text); }

int lineHeightOf(int lineGap) { return platform::textHeight("A") + lineGap; }

}  // namespace

int drawWrappedText(const std::string& text, int x, int y, float width, const std::string& alignWord,
                    float ignored, const platform::FontRef& font, int lineGap) {
    (void)ignored;
    if (font) platform::setFont(font);
    const WrappedLayout layout = layoutInCurrentFont(text, x, y, width, alignCodeFromWord(alignWord), lineGap);
    drawLayout(layout);
    return layout.height;
}

WrappedLayout layoutInCurrentFont(const std::string& text, int x, int y, float width, int align, int lineGap) {
    return layoutWrappedText(text, static_cast<float>(x), static_cast<float>(y), width, align,
                             lineHeightOf(lineGap), currentFontWidth);
}

void drawLayout(const WrappedLayout& layout) {
    for (const TextPiece& piece : layout.pieces) platform::drawText(piece.text, piece.x, piece.y);
}

int measureWrappedText(const std::string& text, float width, const std::string& alignWord,
                       const platform::FontRef& font, int lineGap) {
    const platform::FontRef previous = platform::getFont();
    if (font) platform::setFont(font);
    const WrappedLayout layout = layoutInCurrentFont(text, 0, 0, width, alignCodeFromWord(alignWord), lineGap);
    platform::setFont(previous);
    return layout.height;
}

void setTextColour(const TRGB& c) {
    if (c.r < 0)
        platform::setColor(255, 255, 255);
    else
        platform::setColor(c.r, c.g, c.b);
}

void drawOutlinedText(const std::string& text, int x, int y, const std::optional<TRGB>& outline,
                      const std::optional<TRGB>& colour, const std::string& alignWord) {
    const float tx = static_cast<float>(anchoredTextX(x, platform::textWidth(text), alignWord));
    const float ty = static_cast<float>(y);
    setTextColour(outline.value_or(newRGB(0, 0, 0)));
    platform::drawText(text, tx - 1, ty - 1);
    platform::drawText(text, tx + 1, ty - 1);
    platform::drawText(text, tx - 1, ty + 1);
    platform::drawText(text, tx + 1, ty + 1);
    setTextColour(colour.value_or(TRGB{}));
    platform::drawText(text, tx, ty);
}

std::string drawTextTail(const std::string& text, int x, int y, int maxWidth) {
    const std::string tail = textTailThatFits(text, static_cast<float>(maxWidth), currentFontWidth);
    if (!tail.empty()) platform::drawText(tail, static_cast<float>(x), static_cast<float>(y));
    return tail;
}
