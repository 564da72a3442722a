#include "gui/gui_object.h"

#include "app/easing.h"
#include "app/globals.h"
#include "app/numbers.h"
#include "gui/mouse.h"
#include "platform/input.h"
#include "platform/render.h"

bool guiKindHasUpdate(int kind) {
    switch (kind) {
        case GUI_KIND_BUTTON:
        case GUI_KIND_TEXT_LIST:
        case GUI_KIND_WINDOW:
        case GUI_KIND_TEXT:
        case GUI_KIND_ANIMATION:
        case GUI_KIND_SLIDER:
        case GUI_KIND_TEXT_ENTRY:
        case GUI_KIND_MENU_BAR:
        case GUI_KIND_CONTROL_CONTAINER:
            return true;
        default:
            return false;
    }
}

void TGuiObject::move(float dx, float dy) {
    dim.x += dx;
    dim.x1 += dx;
    dim.x2 += dx;
    dim.y += dy;
    dim.y1 += dy;
    dim.y2 += dy;
}

void TGuiObject::setPosition(int x, int y) {
    move(static_cast<float>(floatToInt(x - dim.x)), static_cast<float>(floatToInt(y - dim.y)));
}

void TGuiObject::clear() {
    _v = 1;
    _a = 1;
    _over = 0;
    _clicked = 0;
}

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
    updateClass(floatToInt(dx), floatToInt(dy));
    updateParams();
}

void TGuiObject::updateClass(int dx, int dy) {
    if (guiKindHasUpdate(_class)) updateMe(static_cast<float>(dx), static_cast<float>(dy));
}

void TGuiObject::updateParams() {
    float step = wzr * frameDelta;
    easeToward(_scale, _dScale, step);
    easeToward(_alpha, _dAlpha, step);
}

void TGuiObject::_drawFrame() {
    platform::setAlpha(1.0f);
    platform::setScale(1.0f, 1.0f);
    platform::setColor(255, 0, 0);
    platform::drawLine(dim.x1, dim.y1, dim.x2, dim.y1);
    platform::drawLine(dim.x2, dim.y1, dim.x2, dim.y2);
    platform::drawLine(dim.x2, dim.y2, dim.x1, dim.y2);
    platform::drawLine(dim.x1, dim.y2, dim.x1, dim.y1);
    platform::setColor(255, 255, 255);
}
