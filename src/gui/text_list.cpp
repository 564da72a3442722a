#include "gui/text_list.h"

#include <algorithm>

#include "app/numbers.h"
#include "gui/mouse.h"
#include "gui/text_draw.h"
#include "platform/render.h"

void TTextList::addEntry(const std::string& title, const std::string& id) { listaWpisow.push_back({title, id}); }

void TTextList::removeAll() {
    listaWpisow.clear();
    listaWidocznych.clear();
    start = 0;
    endInt = -1;
    overedOption = clickedOption = -1;
}

int TTextList::rowHeight() const { return std::max(1, platform::fontHeight(_font)); }

int TTextList::visibleRows() const { return std::max(1, floatToInt(dim.h) / rowHeight()); }

void TTextList::setStart(int first) {
    const int count = static_cast<int>(listaWpisow.size());
    start = std::clamp(first, 0, std::max(0, count - visibleRows()));
}

void TTextList::updateMe(float dx, float dy) {
    (void)dx;
    setStart(start);
    const int count = static_cast<int>(listaWpisow.size());
    endInt = std::min(count, start + visibleRows()) - 1;
    listaWidocznych.assign(listaWpisow.begin() + start, listaWpisow.begin() + (endInt + 1));

    // Ids of this frame only: a line left behind reports nothing.
    _clean();
    overedOption = clickedOption = -1;
    if (_over && currentMouse) {
        const int row = floatToInt((static_cast<float>(currentMouse->y) - (dim.y + dy)) /
                                   static_cast<float>(rowHeight()));
        const int line = start + row;
        if (row >= 0 && line <= endInt) {
            overedOption = line;
            _overOp = listaWpisow[line].id;
            if (_clicked) {
                clickedOption = line;
                _clickedOp = listaWpisow[line].id;
            }
        }
    }
}

void TTextList::_clean() {
    _clickedOp.clear();
    _overOp.clear();
}

void TTextList::draw(float dx, float dy) {
    if (_alpha == 0.0f || _scale == 0.0f) return;
    platform::setAlpha(_alpha);
    platform::setScale(1.0f, 1.0f);
    platform::setFont(_font);
    const float h = static_cast<float>(rowHeight());
    for (size_t k = 0; k < listaWidocznych.size(); ++k) {
        const int line = start + static_cast<int>(k);
        setTextColour(line == overedOption ? sec_rgb : rgb);
        platform::drawText(listaWidocznych[k].title, dim.x + dx, dim.y + dy + h * static_cast<float>(k));
    }
    setTextColour(TRGB{});
}

std::shared_ptr<TTextList> createTextList(const std::string& id, float x, float y, float w, float h, int r, int g,
                                          int b, const std::shared_ptr<TGuiObject>& slider,
                                          const platform::FontRef& font) {
    auto list = std::make_shared<TTextList>();
    list->_id = id;
    list->dim = newDim(x, y, w, h);
    list->rgb = newRGB(r, g, b);
    list->suwak = slider;
    list->_font = font;
    list->_class = TTextList::kKindCode;
    return list;
}
