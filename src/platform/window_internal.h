// What the test hooks need of the window to inject events as the window
// system would send them.
#pragma once

#include <cstdint>

namespace platform::detail {

bool windowExists();
uint32_t windowId();
// A point of the picture (units) in window coordinates.
void pictureToWindow(float x, float y, int& wx, int& wy);
// Whether the pointer is hidden (kept by the input bookkeeping).
bool pointerIsHidden();

}  // namespace platform::detail
