// What the window and the fonts need of the renderer, beyond render.h.
#pragma once

#include "platform/image.h"

namespace platform::detail {

// The window calls these around the life of its graphics context.
bool rendererStart(int drawableW, int drawableH);  // false when the context cannot draw
void rendererStop();
bool rendererActive();
// The window's drawable size changed; the picture follows at the next frame.
void rendererWindowResized(int drawableW, int drawableH);
// The renderer presents by swapping the window's buffers through this hook.
void setSwapHook(void (*swap)());

// One quad of a cell placed in local coordinates around an origin: the
// corner (lx, ly) and size (lw, lh) are scaled by the pen's scale and turned
// by its rotation around (originX, originY). (su0, sv0)-(su1, sv1) selects a
// part of the cell as fractions (0..1 for the whole cell). Uses the pen's
// colour, alpha and blend.
void drawCellLocal(const ImageRef& img, int frame, float originX, float originY, float lx, float ly,
                   float lw, float lh, float su0 = 0.0f, float sv0 = 0.0f, float su1 = 1.0f,
                   float sv1 = 1.0f, bool applyScale = true);

}  // namespace platform::detail
