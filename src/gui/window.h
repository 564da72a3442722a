// Windows: frames drawn from a theme's nine pieces, stretched to any size,
// holding child widgets that sit relative to the window's top-left corner.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_object.h"
#include "gui/theme.h"

// A widget that holds others and passes its corner on as their offset.
class TControl : public TGuiObject {
public:
    TControl() { _class = GUI_KIND_CONTROL_CONTAINER; }

    std::vector<std::shared_ptr<TGuiObject>> listaObiektow;  // children, drawn in order
    ThemeRef theme;

    void draw(float dx, float dy) override { rysujObiekty(dx, dy); }
    void updateMe(float dx, float dy) override { updateObiekty(dx, dy); }

    // Draws every visible child at the corner (dim.x + dx, dim.y + dy).
    virtual void rysujObiekty(float dx, float dy);
    // Updates every child against the mouse with the same offset.
    virtual void updateObiekty(float dx, float dy);
    // Appends a child (a null is ignored).
    virtual void dodajObiekt(std::shared_ptr<TGuiObject> obj);
};

class TWindow : public TControl {
public:
    TWindow() { _class = GUI_KIND_WINDOW; }

    std::string title;
    // Stretch of the top and bottom pieces, of the left and right pieces, and
    // the horizontal and vertical stretch of the centre piece.
    float skala[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    float incX = 0.0f;  // width of the top-left piece
    float decX = 0.0f;  // width of the top-right piece
    float incY = 0.0f;  // height of the top-left piece
    float decY = 0.0f;  // height of the top-right piece

    // Computes the stretches from dim's size and the theme's pieces; missing
    // pieces count 0, and a stretch over a piece of size 0 is left as it is.
    virtual void obliczSkale();
    // Where one frame piece is drawn: its index in the theme's oknoImg, the
    // point its handle goes to and its stretch.
    struct PiecePlacement {
        int piece = 0;
        float x = 0.0f, y = 0.0f;
        float sx = 1.0f, sy = 1.0f;
    };
    // The nine pieces in drawing order (corners, then edges, then centre)
    // for a window whose corner is moved by (dx, dy).
    std::array<PiecePlacement, 9> frameLayout(float dx, float dy) const;

    // The frame (nothing without a theme), then the children.
    void draw(float dx, float dy) override;
};

// A window at (x, y) of w x h; centreX / centreY centre it on the picture
// (integer division). A null theme takes currentTheme.
std::shared_ptr<TWindow> createWindow(const std::string& id, int x, int y, int w, int h, ThemeRef theme,
                                      int centreX, int centreY, int visible, int active);
