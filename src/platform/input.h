// Keyboard and mouse, polled.
//
// Key codes are the game's own (the numbers its GUI files and scripts use):
// 8 Backspace, 9 Tab, 13 Enter, 27 Escape, 32 Space, 37..40 arrows (left, up,
// right, down), 48..57 digits, 65..90 letters, 112..123 F1..F12, 160/161 left
// and right Shift, 162/163 Control, 164/165 Alt, 46 Delete, 36 Home, 35 End.
//
// A key hit counts presses since the last query of that key, then clears
// (the keyboard's auto-repeat does not count as a press); typed characters
// queue up, auto-repeat included (Backspace, Enter and Escape queue as 8, 13
// and 27). The mouse position is in picture units. Everything comes through the
// window's event queue, which is also where the test hooks inject events.
#pragma once

#include <string>

namespace platform {

enum Key : int {
    KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_SPACE = 32,
    KEY_PAGEUP = 33, KEY_PAGEDOWN = 34, KEY_END = 35, KEY_HOME = 36,
    KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40, KEY_INSERT = 45, KEY_DELETE = 46,
    KEY_0 = 48, KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9,
    KEY_A = 65, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L,
    KEY_M, KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X,
    KEY_Y, KEY_Z,
    KEY_F1 = 112, KEY_F2, KEY_F3, KEY_F4, KEY_F5, KEY_F6, KEY_F7, KEY_F8, KEY_F9, KEY_F10,
    KEY_F11, KEY_F12,
    KEY_LSHIFT = 160, KEY_RSHIFT = 161, KEY_LCONTROL = 162, KEY_RCONTROL = 163,
    KEY_LALT = 164, KEY_RALT = 165,
    KEY_COUNT = 256,
};

// Key code by name ("ESCAPE", "A", "F4", "LALT", ...), 0 when unknown. Used by
// the input script of the test hooks.
int keyByName(const std::string& name);

int keyHit(int key);
bool keyDown(int key);
// The next typed character as a Unicode code point, or 0 when none is queued.
int getChar();
void flushKeys();

float mouseX();
float mouseY();
// Buttons 1 (left), 2 (right), 3 (middle).
int mouseHit(int button);
bool mouseDown(int button);
// Wheel movement since the last query (positive away from the user).
int mouseWheel();
void flushMouse();

void showPointer();
void hidePointer();

// Injection points used by the window's event handling (and by tests of the
// input bookkeeping).
void inputKeyEvent(int key, bool down);
void inputCharEvent(int codepoint);
void inputMouseMove(float x, float y);
void inputMouseButton(int button, bool down);
void inputWheel(int delta);
// Lets go of every held key and button (the window lost the focus, so their
// releases will not arrive). Hits and typed characters stay.
void inputReleaseAll();

}  // namespace platform
