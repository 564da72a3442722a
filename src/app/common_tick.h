// The tick every screen runs first in its update: frame timer, mouse, the
// quit keys and the window's close button, the pause picture while the window
// is in the background, and the sound manager.
#pragma once

// frameTimer.Update(), frameDelta := its delta, then window-system events.
void tickFrameTimer();
// The common tick (see above).
void standardUpdate();
// The blocking pause picture: the last picture dimmed with the pause text,
// until the window is active again.
void pauseScreen();
// Left Alt held and F4 hit, or the window's close button: the player wants out.
bool quitRequested();
