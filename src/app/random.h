// The game's random numbers, all from the platform's one seeded generator.
#pragma once

#include "platform/system.h"

// Uniform from a to b inclusive; the bounds are swapped when a > b.
inline int randomInt(int a, int b) { return platform::randomInt(a, b); }
// Uniform in the half-open range [a, b).
inline float randomFloat(float a, float b) { return platform::randomFloat(a, b); }
