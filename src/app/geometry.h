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
