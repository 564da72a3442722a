// The one easing rule of the game: an animated value moves toward its target
// by a fixed step and is set exactly to the target when it would pass it, so
// endings can test for equality.
#pragma once

// True when this step reached the target (landing on it exactly included);
// false when it fell short or the value already sat on the target.
inline bool easeToward(float& value, float target, float step) {
    if (value < target) {
        value += step;
        if (value >= target) {
            value = target;
            return true;
        }
    } else if (value > target) {
        value -= step;
        if (value <= target) {
            value = target;
            return true;
        }
    }
    return false;
}
