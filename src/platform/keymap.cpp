// Key code translation between SDL and the game.
#include "platform/keymap.h"

#include "platform/input.h"

namespace platform::detail {
namespace {

struct KeyPair {
    SDL_Keycode sym;
    int key;
};

// Keys other than letters, digits and function keys.
const KeyPair kKeys[] = {
    {SDLK_BACKSPACE, KEY_BACKSPACE}, {SDLK_TAB, KEY_TAB}, {SDLK_RETURN, KEY_ENTER},
    {SDLK_KP_ENTER, KEY_ENTER}, {SDLK_ESCAPE, KEY_ESCAPE}, {SDLK_SPACE, KEY_SPACE},
    {SDLK_PAGEUP, KEY_PAGEUP}, {SDLK_PAGEDOWN, KEY_PAGEDOWN}, {SDLK_END, KEY_END},
    {SDLK_HOME, KEY_HOME}, {SDLK_LEFT, KEY_LEFT}, {SDLK_UP, KEY_UP}, {SDLK_RIGHT, KEY_RIGHT},
    {SDLK_DOWN, KEY_DOWN}, {SDLK_INSERT, KEY_INSERT}, {SDLK_DELETE, KEY_DELETE},
    {SDLK_LSHIFT, KEY_LSHIFT}, {SDLK_RSHIFT, KEY_RSHIFT}, {SDLK_LCTRL, KEY_LCONTROL},
    {SDLK_RCTRL, KEY_RCONTROL}, {SDLK_LALT, KEY_LALT}, {SDLK_RALT, KEY_RALT},
};

}  // namespace

int gameKeyFromSDL(SDL_Keycode sym) {
    if (sym >= SDLK_a && sym <= SDLK_z) return KEY_A + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return KEY_0 + (sym - SDLK_0);
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return KEY_F1 + (sym - SDLK_F1);
    for (const KeyPair& k : kKeys)
        if (k.sym == sym) return k.key;
    return 0;
}

bool sdlKeyFromGame(int key, SDL_Keycode& sym, SDL_Scancode& scancode) {
    sym = SDLK_UNKNOWN;
    if (key >= KEY_A && key <= KEY_Z) {
        sym = SDLK_a + (key - KEY_A);
    } else if (key >= KEY_0 && key <= KEY_9) {
        sym = SDLK_0 + (key - KEY_0);
    } else if (key >= KEY_F1 && key <= KEY_F12) {
        sym = SDLK_F1 + (key - KEY_F1);
    } else {
        for (const KeyPair& k : kKeys) {
            if (k.key == key) {
                sym = k.sym;
                break;
            }
        }
    }
    if (sym == SDLK_UNKNOWN) return false;
    scancode = SDL_GetScancodeFromKey(sym);
    return true;
}

}  // namespace platform::detail
