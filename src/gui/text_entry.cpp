#include "gui/text_entry.h"

#include "app/numbers.h"
#include "app/strings.h"
#include "gui/text_draw.h"
#include "gui/text_layout.h"
#include "platform/input.h"
#include "platform/render.h"
#include "platform/system.h"
#include "platform/utf8.h"

namespace {

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isTypedCharacter(int code) {
    if (code < 32 || code == 127) return false;
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    return true;
}

}  // namespace

int characterCount(const std::string& text) {
    int n = 0;
    size_t i = 0;
    uint32_t cp = 0;
    while (platform::detail::nextCodePoint(text, i, cp)) ++n;
    return n;
}

void TTextEntry::takeCharacter(int code) {
    if (code == platform::KEY_BACKSPACE) {
        _txt = cutCharacters(_txt, 0, 1);
    } else if (code == platform::KEY_ENTER) {
        _clicked = 1;
    } else if (isTypedCharacter(code) && characterCount(_txt) < _maxZnakow) {
        appendUtf8(_txt, static_cast<uint32_t>(code));
    }
}

void TTextEntry::blink(int now) {
    if (now > _czas) {
        _czas = now + _interwal;
        _trigger = _trigger ? 0 : 1;
    }
}

void TTextEntry::updateMe(float dx, float dy) {
    (void)dx;
    (void)dy;
    const int code = platform::getChar();
    if (code != 0) takeCharacter(code);
    blink(platform::millisecs());
}

std::string TTextEntry::shownText() const {
    if (static_cast<float>(platform::fontWidth(_font, _txt)) < dim.w) return _txt;
    return textTailThatFits(_txt, static_cast<float>(floatToInt(dim.w)),
                            [this](const std::string& t) { return platform::fontWidth(_font, t); });
}

float TTextEntry::cursorX(float dx) const {
    return dim.x + dx + static_cast<float>(platform::fontWidth(_font, shownText())) + 2.0f;
}

void TTextEntry::draw(float dx, float dy) {
    if (_scale == 0.0f) return;
    platform::setScale(_scale, _scale);
    platform::setAlpha(_alpha);
    setTextColour(rgb);
    platform::setFont(_font);
    if (static_cast<float>(platform::textWidth(_txt)) < dim.w)
        platform::drawText(_txt, dim.x + dx, dim.y + dy);
    else
        drawTextTail(_txt, floatToInt(dim.x + dx), floatToInt(dim.y + dy), floatToInt(dim.w));
    if (_trigger && _a) platform::drawRect(cursorX(dx), dim.y + dy, _curWidth, _curHeight);
}

std::shared_ptr<TTextEntry> createTextEntry(const std::string& id, const platform::FontRef& font, float x,
                                            float y, float width, int maxChars, const std::optional<TRGB>& colour,
                                            int visible, int active) {
    auto e = std::make_shared<TTextEntry>();
    e->_id = id;
    e->_font = font;
    e->dim = newDimAt(x, y);
    e->dim.w = width;
    e->dim.h = static_cast<float>(platform::fontHeight(font));
    e->_maxZnakow = maxChars;
    e->_curWidth = static_cast<float>(platform::fontWidth(font, "A"));
    e->_curHeight = static_cast<float>(platform::fontHeight(font));
    e->rgb = colour && colour->r >= 0 ? *colour : TRGB{};
    e->_trigger = 1;
    e->_czas = platform::millisecs() + e->_interwal;
    e->setState(visible, active);
    e->_class = TTextEntry::kKindCode;
    return e;
}
