// The window and its OpenGL context.
//
// One window is created and kept for the whole run; switching between window
// and full screen changes that window rather than replacing it, so every
// loaded texture survives. Full screen uses the desktop's own mode (no video
// mode switch) and shows the picture scaled and centred.
#pragma once

#include <string>

namespace platform {

// Height of the desktop's current video mode (480 when the display reports
// no mode). Initialises the video system when needed.
int desktopHeight();

void setWindowTitle(const std::string& title);

// Opens (or changes) the window: depth 32 asks for full screen, depth 0 for a
// window of width x height pixels, at 60 Hz. False when it could not be
// opened; the previous window, if any, then stays as it was.
bool openGraphics(int width, int height, int depth);
bool graphicsOpen();
bool isFullScreen();
// The window's drawable size in pixels.
void windowSize(int& w, int& h);

// Lets the window system deliver pending events (input, focus, close,
// resize) into the game's state.
void processEvents();
// The window system asked the application to close (close button).
bool closeRequested();
// The window has lost the input focus.
bool appSuspended();

// Closes the window and the video system (at process end).
void closeGraphics();

}  // namespace platform
