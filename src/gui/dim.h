// Placement and colour records every screen uses.
#pragma once

#include "app/geometry.h"

// A rectangle: position (centre for centred widgets, top-left otherwise),
// size, and the box used for hover tests.
struct TDim {
    float x = 0.0f, y = 0.0f;
    float h = 0.0f, w = 0.0f;
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;

    // Sets the box from the position and size.
    void update() {
        x1 = x;
        y1 = y;
        x2 = x + w;
        y2 = y + h;
    }
};

inline TDim newDim(float x, float y, float w, float h) {
    TDim d;
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    d.update();
    return d;
}

// Only the position; size and box stay 0.
inline TDim newDimAt(float x, float y) {
    TDim d;
    d.x = x;
    d.y = y;
    return d;
}

inline float dimDistance(const TDim& a, const TDim& b) { return pointDistance(a.x, a.y, b.x, b.y); }

// A colour, 0..255 per channel; white when created.
struct TRGB {
    int r = 255, g = 255, b = 255;
};

inline TRGB newRGB(int r, int g, int b) {
    TRGB c;
    c.r = r;
    c.g = g;
    c.b = b;
    return c;
}
