// Distances on the picture.
#pragma once

#include <cmath>
#include <cstdlib>

#include "app/numbers.h"

// The square root of dx² + dy², where dx and dy are the absolute coordinate
// differences, each truncated toward zero to a whole number first.
inline float pointDistance(float x1, float y1, float x2, float y2) {
    double dx = floatToInt(std::fabs(static_cast<double>(x1) - x2));
    double dy = floatToInt(std::fabs(static_cast<double>(y1) - y2));
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

// Sine and cosine of an angle in degrees, exact at every multiple of 90
// degrees, so animations that end where sin(90 x progress) reaches 1 can test
// for equality.
inline float sinDeg(double degrees) {
    if (!std::isfinite(degrees)) return 0.0f;
    double r = std::fmod(degrees, 360.0);
    if (r < 0) r += 360.0;
    if (r == 0.0 || r == 180.0) return 0.0f;
    if (r == 90.0) return 1.0f;
    if (r == 270.0) return -1.0f;
    return static_cast<float>(std::sin(r * 3.14159265358979323846 / 180.0));
}

inline float cosDeg(double degrees) { return sinDeg(degrees + 90.0); }
