// The game's key codes and SDL's, both ways (the window turns SDL key events
// into game keys; the test script turns game keys into SDL events).
#pragma once

#include <SDL2/SDL.h>

namespace platform::detail {

// The game key for an SDL key, 0 when the game has none for it.
int gameKeyFromSDL(SDL_Keycode sym);
// The SDL key and scan code that produce a game key. False when none does.
bool sdlKeyFromGame(int key, SDL_Keycode& sym, SDL_Scancode& scancode);

}  // namespace platform::detail
