// Base of every widget: id, visibility and activity, placement, hover and
// click state against the application's mouse, eased alpha and scale, and the
// dispatch of each kind's own per-frame step.
#pragma once

#include <string>

#include "gui/dim.h"

// Kind codes carried in TGuiObject::_class; the container and the per-frame
// dispatch tell widgets apart by them.
enum GuiKind : int {
    GUI_KIND_BUTTON = 0,
    GUI_KIND_TEXT_LIST = 1,
    GUI_KIND_WINDOW = 2,
    GUI_KIND_TEXT = 3,
    GUI_KIND_ANIMATION = 7,
    GUI_KIND_SLIDER = 8,
    GUI_KIND_TEXT_ENTRY = 9,
    GUI_KIND_MENU_BAR = 10,
    GUI_KIND_CONTROL_CONTAINER = 11,
};

// Whether a kind code names a widget that has its own per-frame step.
bool guiKindHasUpdate(int kind);

class TGuiObject {
public:
    TGuiObject() { clear(); }
    virtual ~TGuiObject() = default;

    std::string _id;
    int _v = 1;       // visible (drawn by the container)
    int _a = 1;       // active (reacts to the mouse and its key)
    int _class = 0;   // kind code (GuiKind)
    TDim dim;
    float _alpha = 1.0f, _dAlpha = 1.0f;  // current and target alpha
    float _scale = 1.0f, _dScale = 1.0f;  // current and target scale
    TRGB rgb;
    int _over = 0;     // the mouse is inside the box
    int _clicked = 0;  // pressed inside the box this frame, or the key was hit
    int _holded = 0;   // the left button was held inside the box
    float wzr = 0.03f;  // easing step of alpha and scale per frame unit
    int _key = 0;       // key that clicks the widget (0 = none)

    // Moves the position and the box.
    virtual void move(float dx, float dy);
    // Moves to (x, y) by whole steps: the differences are truncated.
    virtual void setPosition(int x, int y);
    // Visible and active, neither hovered nor clicked.
    virtual void clear();
    // The per-frame step: hover and click, the widget's key, the kind's own
    // step, then alpha and scale easing. (dx, dy) is the offset of the
    // widget's container.
    virtual void update(float dx, float dy);
    // Calls the kind's own step (updateMe) for codes that name a widget.
    virtual void updateClass(int dx, int dy);
    // Eases scale and alpha toward their targets by wzr * frameDelta.
    virtual void updateParams();
    virtual void wygasAlpha() { _dAlpha = 0.0f; }  // fade out
    virtual void wygasScale() { _dScale = 0.0f; }  // shrink away
    // Debugging aid: the box outline in red.
    virtual void _drawFrame();
    virtual void draw(float dx, float dy) {
        (void)dx;
        (void)dy;
    }
    virtual void setKey(int k) { _key = k; }
    virtual void setRGB(int r, int g, int b) { rgb = newRGB(r, g, b); }
    virtual void setState(int visible, int active) {
        _v = visible;
        _a = active;
    }
    // Buttons recompute their box here; nothing in the base.
    virtual void countDims() {}
    virtual void countDims2() {}

    // The kind's own per-frame step, after hover and click are known. Every
    // widget kind overrides it; the base does nothing.
    virtual void updateMe(float dx, float dy) {
        (void)dx;
        (void)dy;
    }
};
