#include "gui/gui.h"

#include "app/easing.h"
#include "app/globals.h"
#include "gui/mouse.h"
#include "platform/input.h"

void TGuiObject::update(float dx, float dy) {
    const TMouse* m = currentMouse;
    if (_v && _a && m) {
        bool inside = m->x >= dim.x1 + dx && m->x <= dim.x2 + dx && m->y >= dim.y1 + dy &&
                      m->y <= dim.y2 + dy;
        if (inside) {
            _over = 1;
            _clicked = m->leftPressed ? 1 : 0;
            _holded = m->leftHolded ? 1 : 0;
        } else {
            _over = 0;
            _clicked = 0;
        }
    } else {
        _over = 0;
        _clicked = 0;
    }
    if (_a && _key != 0 && platform::keyHit(_key)) {
        _clicked = 1;
        _over = 1;
    }
    float step = wzr * frameDelta;
    easeToward(_scale, _dScale, step);
    easeToward(_alpha, _dAlpha, step);
}

void TGui::update() {
    _clicked.clear();
    _over.clear();
    // An index walk: a widget's update may change the list.
    for (size_t i = 0; i < _listaObiektow.size(); ++i) {
        std::shared_ptr<TGuiObject> obj = _listaObiektow[i];
        obj->update(0.0f, 0.0f);
        if (obj->_over) _over = obj->_id;
        if (obj->_clicked) _clicked = obj->_id;
    }
}

void TGui::draw() {
    for (size_t i = 0; i < _listaObiektow.size(); ++i) {
        std::shared_ptr<TGuiObject> obj = _listaObiektow[i];
        if (obj->_v) obj->draw(0.0f, 0.0f);
    }
}
