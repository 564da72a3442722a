#include "gui/text.h"

#include "app/numbers.h"
#include "app/texts.h"
#include "gui/text_draw.h"
#include "gui/text_layout.h"
#include "platform/render.h"

void TText::setAlign(const std::string& word) {
    const int code = knownAlignCode(word);
    if (code >= 0) _align = code;
}

void TText::draw(float dx, float dy) {
    setTextColour(rgb);
    if (_alpha == 0.0f || _scale == 0.0f) return;
    if (_align < ALIGN_RIGHT || _align > ALIGN_JUSTIFY) return;
    platform::setAlpha(_alpha);
    platform::setScale(_scale, _scale);
    platform::setFont(_font);
    const int gap = floatToInt(_adW);
    if (_shadow && shRGB) {
        setTextColour(*shRGB);
        drawLayout(laidOut(_shadowLayout, floatToInt(dim.x + dx + 1), floatToInt(dim.y + dy + 1), gap));
        setTextColour(rgb);
    }
    // Centred text sits one unit lower, level with its shadow.
    const float down = _align == ALIGN_CENTER ? 1.0f : 0.0f;
    const WrappedLayout& layout = laidOut(_textLayout, floatToInt(dim.x + dx), floatToInt(dim.y + dy + down), gap);
    drawLayout(layout);
    dim.h = static_cast<float>(layout.height);
}

const WrappedLayout& TText::laidOut(KeptLayout& kept, int x, int y, int lineGap) {
    const platform::FontRef font = platform::getFont();
    const bool same = kept.valid && kept.text == _txt && kept.x == x && kept.y == y && kept.align == _align &&
                      kept.lineGap == lineGap && kept.width == dim.w && kept.font == font;
    if (!same) {
        kept.valid = true;
        kept.text = _txt;
        kept.x = x;
        kept.y = y;
        kept.align = _align;
        kept.lineGap = lineGap;
        kept.width = dim.w;
        kept.font = font;
        kept.layout = layoutInCurrentFont(_txt, x, y, dim.w, _align, lineGap);
    }
    return kept.layout;
}

int TText::countH() const {
    // Measured in the widget's own font, the default one when it has none.
    const platform::FontRef previous = platform::getFont();
    platform::setFont(_font);
    const int h = measureWrappedText(_txt, dim.w, alignWordFromCode(_align), _font, floatToInt(_adW));
    platform::setFont(previous);
    return h;
}

std::string TText::odczytajTekst(const std::string& reference) { return resolveTextReference(reference); }

std::shared_ptr<TText> createText(const std::string& id, const std::string& text, float x, float y, float width,
                                  const platform::FontRef& font, const std::string& alignWord, int visible,
                                  int active) {
    auto t = std::make_shared<TText>();
    t->_id = id;
    t->_txt = text;
    t->dim = newDimAt(static_cast<float>(floatToInt(x)), static_cast<float>(floatToInt(y)));
    t->dim.w = width;
    t->_font = font;
    t->_align = alignCodeFromWord(alignWord);
    t->rgb = TRGB{};
    t->setState(visible, active);
    t->_class = TText::kKindCode;
    return t;
}
