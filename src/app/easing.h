// The one easing rule of the game: an animated value moves toward its target
// by a fixed step and is set exactly to the target when it would pass it, so
// endings can test for equality.
#pragma once

inline void easeToward(float& value, float target, float step) {
    if (value < target) {
        value += step;
        if (value > target) value = target;
    }
    if (value > target) {
        value -= step;
        if (value < target) value = target;
    }
}
