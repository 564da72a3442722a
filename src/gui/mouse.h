// The application's mouse: position in the picture, presses and holds of the
// three buttons as the widgets read them each frame, and optional image
// cursors.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/dim.h"
#include "platform/image.h"

// An image cursor, still or animated.
class TCursor {
public:
    std::string _id;
    platform::ImageRef _img;
    int _time = 0;       // clock of the next frame change
    int _timeDelta = 0;  // ms per frame
    int _frame = 0;
    int _maxFrames = 0;  // index of the last frame; 0 for a still cursor
    int _hx = 0, _hy = 0;  // hot spot

    virtual ~TCursor() = default;
    // Advances the animation; 1 when the frame changed.
    virtual int update();
    virtual void draw(float x, float y);
};

class TMouse {
public:
    TMouse();
    // A mouse that goes away stops being the current one.
    virtual ~TMouse();

    std::vector<std::shared_ptr<TCursor>> listaKursorow;
    int x = 0, y = 0;      // position in the picture (truncated)
    int px = 0, py = 0;    // position of the previous update
    int vx = 0, vy = 0;    // previous minus current position
    int leftPressed = 0, rightPressed = 0;  // presses since the previous update
    int leftHolded = 0;    // left button down (0 in a pressing frame)
    int rightHolded = 0;   // cleared by clear(), never set by update()
    int middleHit = 0, middleHold = 0;
    int _v = 1;            // draw the cursor
    std::shared_ptr<TCursor> cur;
    platform::ImageRef point;  // not used by the mouse
    int _leftHolded = 0;       // a hold of the left button is being timed
    int _leftHoldedTime = 0;   // clock when the current hold began

    virtual void update();
    virtual int getHoldedTime();
    virtual int inRect(int rx, int ry, int rw, int rh);
    virtual int inDim(const TDim& d);
    // Cursor from an image (still) or from a path (still, or a strip of
    // `frames` cells side by side when frames >= 2).
    virtual void loadCursor(const std::string& id, const platform::ImageRef& img, int hx, int hy);
    virtual void loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames,
                            int timeDelta);
    virtual void setCursor(const std::string& id);
    virtual void draw();
    virtual void show() { _v = 1; }
    virtual void hide() { _v = 0; }
    virtual void clear();

private:
    void addCursor(const std::string& id, const platform::ImageRef& img, int hx, int hy, int maxFrames,
                   int timeDelta);
};

// The mouse every widget's hover test reads (the last TMouse created).
extern TMouse* currentMouse;
