// Base of every widget: id, visibility and activity, placement, hover and
// click state, and eased alpha and scale.
#pragma once

#include <string>

#include "gui/dim.h"

class TGuiObject {
public:
    TGuiObject() { clear(); }
    virtual ~TGuiObject() = default;

    std::string _id;
    int _v = 1;       // visible
    int _a = 1;       // active
    int _class = 0;   // kind code of the widget
    TDim dim;
    float _alpha = 1.0f, _dAlpha = 1.0f;
    float _scale = 1.0f, _dScale = 1.0f;
    TRGB rgb;
    int _over = 0;
    int _clicked = 0;
    int _holded = 0;
    float wzr = 0.03f;  // easing step of alpha and scale per frame unit
    int _key = 0;       // key that clicks the widget (0 = none)

    virtual void clear() {
        _v = 1;
        _a = 1;
        _over = 0;
        _clicked = 0;
    }
    virtual void update(float dx, float dy);
    virtual void draw(float dx, float dy) {
        (void)dx;
        (void)dy;
    }
    virtual void setState(int visible, int active) {
        _v = visible;
        _a = active;
    }
};
