// Keyboard and mouse bookkeeping, fed by the window's event handling.
#include "platform/input.h"

#include <SDL2/SDL.h>

#include <array>
#include <cctype>
#include <deque>

namespace platform {
namespace {

std::array<bool, KEY_COUNT> keysDown{};
std::array<int, KEY_COUNT> keyHits{};
std::deque<int> typed;
constexpr size_t kMaxTyped = 256;  // nobody reads them: keep the queue bounded

constexpr int kButtons = 3;
std::array<bool, kButtons + 1> buttonsDown{};
std::array<int, kButtons + 1> buttonHits{};
float pointerX = 0.0f, pointerY = 0.0f;
int wheel = 0;
bool pointerHidden = false;

bool validKey(int key) { return key > 0 && key < KEY_COUNT; }
bool validButton(int b) { return b >= 1 && b <= kButtons; }

struct KeyName {
    const char* name;
    int key;
};

const KeyName kNames[] = {
    {"BACKSPACE", KEY_BACKSPACE}, {"TAB", KEY_TAB}, {"ENTER", KEY_ENTER}, {"RETURN", KEY_ENTER},
    {"ESCAPE", KEY_ESCAPE}, {"ESC", KEY_ESCAPE}, {"SPACE", KEY_SPACE}, {"PAGEUP", KEY_PAGEUP},
    {"PAGEDOWN", KEY_PAGEDOWN}, {"END", KEY_END}, {"HOME", KEY_HOME}, {"LEFT", KEY_LEFT},
    {"UP", KEY_UP}, {"RIGHT", KEY_RIGHT}, {"DOWN", KEY_DOWN}, {"INSERT", KEY_INSERT},
    {"DELETE", KEY_DELETE}, {"LSHIFT", KEY_LSHIFT}, {"RSHIFT", KEY_RSHIFT},
    {"LCONTROL", KEY_LCONTROL}, {"LCTRL", KEY_LCONTROL}, {"RCONTROL", KEY_RCONTROL},
    {"RCTRL", KEY_RCONTROL}, {"LALT", KEY_LALT}, {"RALT", KEY_RALT},
};

}  // namespace

int keyByName(const std::string& name) {
    std::string up;
    for (char c : name) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (up.size() == 1) {
        char c = up[0];
        if (c >= 'A' && c <= 'Z') return KEY_A + (c - 'A');
        if (c >= '0' && c <= '9') return KEY_0 + (c - '0');
    }
    if (up.size() >= 2 && up.size() <= 3 && up[0] == 'F') {
        int n = 0;
        for (size_t i = 1; i < up.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(up[i]))) return 0;
            n = n * 10 + (up[i] - '0');
        }
        return (n >= 1 && n <= 12) ? KEY_F1 + n - 1 : 0;
    }
    for (const KeyName& k : kNames)
        if (up == k.name) return k.key;
    return 0;
}

int keyHit(int key) {
    if (!validKey(key)) return 0;
    int n = keyHits[key];
    keyHits[key] = 0;
    return n;
}

bool keyDown(int key) { return validKey(key) && keysDown[key]; }

int getChar() {
    if (typed.empty()) return 0;
    int c = typed.front();
    typed.pop_front();
    return c;
}

void flushKeys() {
    keysDown.fill(false);
    keyHits.fill(0);
    typed.clear();
}

float mouseX() { return pointerX; }
float mouseY() { return pointerY; }

int mouseHit(int button) {
    if (!validButton(button)) return 0;
    int n = buttonHits[button];
    buttonHits[button] = 0;
    return n;
}

bool mouseDown(int button) { return validButton(button) && buttonsDown[button]; }

int mouseWheel() {
    int n = wheel;
    wheel = 0;
    return n;
}

void flushMouse() {
    buttonsDown.fill(false);
    buttonHits.fill(0);
    wheel = 0;
}

void showPointer() {
    pointerHidden = false;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_ENABLE);
}

void hidePointer() {
    pointerHidden = true;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_DISABLE);
}

void inputKeyEvent(int key, bool down) {
    if (!validKey(key)) return;
    if (down) ++keyHits[key];
    keysDown[key] = down;
}

void inputCharEvent(int codepoint) {
    if (codepoint <= 0 || codepoint > 0x10FFFF) return;
    if (typed.size() >= kMaxTyped) typed.pop_front();
    typed.push_back(codepoint);
}

void inputMouseMove(float x, float y) {
    pointerX = x;
    pointerY = y;
}

void inputMouseButton(int button, bool down) {
    if (!validButton(button)) return;
    if (down) ++buttonHits[button];
    buttonsDown[button] = down;
}

void inputWheel(int delta) { wheel += delta; }

void inputReleaseAll() {
    keysDown.fill(false);
    buttonsDown.fill(false);
}

namespace detail {
bool pointerIsHidden() { return pointerHidden; }
}  // namespace detail

}  // namespace platform
