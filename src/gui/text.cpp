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
    const std::string word = alignWordFromCode(_align);
    if (word.empty()) return;
    platform::setAlpha(_alpha);
    platform::setScale(_scale, _scale);
    platform::setFont(_font);
    const int gap = floatToInt(_adW);
    if (_shadow && shRGB) {
        setTextColour(*shRGB);
        drawWrappedText(_txt, floatToInt(dim.x + dx + 1), floatToInt(dim.y + dy + 1), dim.w, word, _adh, _font,
                        gap);
        setTextColour(rgb);
    }
    // Centred text sits one unit lower, level with its shadow.
    const float down = _align == ALIGN_CENTER ? 1.0f : 0.0f;
    dim.h = static_cast<float>(
        drawWrappedText(_txt, floatToInt(dim.x + dx), floatToInt(dim.y + dy + down), dim.w, word, _adh, _font, gap));
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
