// The one window, its OpenGL context and the window system's events.
#include "platform/window.h"

#include <SDL2/SDL.h>

#include <cmath>
#include <cstdio>

#include "platform/audio.h"
#include "platform/input.h"
#include "platform/keymap.h"
#include "platform/render.h"
#include "platform/render_internal.h"
#include "platform/testhooks.h"
#include "platform/utf8.h"
#include "platform/window_internal.h"

namespace platform {
namespace {

SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
std::string title = "Fieldstack";
bool fullScreen = false;
bool quitAsked = false;
bool focusLost = false;
bool minimized = false;

bool startVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    // Keep a full-screen window on the desktop when the focus moves away; the
    // game shows its pause picture instead.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "video start failed: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

void swapWindow() {
    if (window) SDL_GL_SwapWindow(window);
}

void drawableSize(int& w, int& h) {
    w = h = 0;
    if (window) SDL_GL_GetDrawableSize(window, &w, &h);
}

void noteResize() {
    int w = 0, h = 0;
    drawableSize(w, h);
    detail::rendererWindowResized(w, h);
}

// The current fit of the picture in window coordinates (points, as mouse
// events report them).
PictureFit windowFit() {
    int w = 0, h = 0;
    if (window) SDL_GetWindowSize(window, &w, &h);
    return fitPicture(w, h, static_cast<int>(virtualWidth()), static_cast<int>(virtualHeight()));
}

void mouseToPicture(int wx, int wy) {
    PictureFit fit = windowFit();
    inputMouseMove((wx - fit.offsetX) / fit.scale, (wy - fit.offsetY) / fit.scale);
}

int gameButton(uint8_t sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 3;
        default: return 0;
    }
}

void handleWindowEvent(const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_CLOSE: quitAsked = true; break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            focusLost = true;
            inputReleaseAll();
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: focusLost = false; break;
        case SDL_WINDOWEVENT_MINIMIZED:
            minimized = true;
            inputReleaseAll();
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED: minimized = false; break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESIZED: noteResize(); break;
        default: break;
    }
}

void handleEvent(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: quitAsked = true; break;
        case SDL_WINDOWEVENT: handleWindowEvent(e.window); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            bool down = e.type == SDL_KEYDOWN;
            int key = detail::gameKeyFromSDL(e.key.keysym.sym);
            if (down) {
                // Characters that text input does not deliver.
                if (key == KEY_BACKSPACE || key == KEY_ENTER || key == KEY_ESCAPE) inputCharEvent(key);
                if (key && !e.key.repeat) inputKeyEvent(key, true);
            } else if (key) {
                inputKeyEvent(key, false);
            }
            break;
        }
        case SDL_TEXTINPUT: {
            std::string text(e.text.text);
            size_t i = 0;
            uint32_t cp = 0;
            while (detail::nextCodePoint(text, i, cp)) inputCharEvent(static_cast<int>(cp));
            break;
        }
        case SDL_MOUSEMOTION: mouseToPicture(e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            mouseToPicture(e.button.x, e.button.y);
            int b = gameButton(e.button.button);
            if (b) inputMouseButton(b, e.type == SDL_MOUSEBUTTONDOWN);
            break;
        }
        case SDL_MOUSEWHEEL: {
            int dy = e.wheel.y;
            if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) dy = -dy;
            inputWheel(dy);
            break;
        }
        default: break;
    }
}

void destroyWindow() {
    detail::rendererStop();
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    context = nullptr;
    window = nullptr;
}

// The desktop's bounds, where a full-screen window goes.
bool desktopBounds(SDL_Rect& r) {
    int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
    return SDL_GetDisplayBounds(display < 0 ? 0 : display, &r) == 0 && r.w > 0 && r.h > 0;
}

// Covers the desktop before asking for full screen: a window manager then
// makes it full screen; without one (a bare X server) the window still
// covers the screen.
void coverDesktop() {
    SDL_Rect r;
    if (!desktopBounds(r)) return;
    SDL_SetWindowPosition(window, r.x, r.y);
    SDL_SetWindowSize(window, r.w, r.h);
}

bool createWindow(int width, int height, bool full) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    SDL_Rect desk;
    if (full) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        if (desktopBounds(desk)) {
            x = desk.x;
            y = desk.y;
            width = desk.w;
            height = desk.h;
        }
    }
    window = SDL_CreateWindow(title.c_str(), x, y, width, height, flags);
    if (!window) {
        std::fprintf(stderr, "window failed: %s\n", SDL_GetError());
        return false;
    }
    context = SDL_GL_CreateContext(window);
    if (!context) {
        std::fprintf(stderr, "OpenGL 3.3 context failed: %s\n", SDL_GetError());
        destroyWindow();
        return false;
    }
    SDL_GL_MakeCurrent(window, context);
    // The renderer paces frames itself; waiting for the display as well would
    // halve the rate on some systems.
    SDL_GL_SetSwapInterval(0);
    int dw = 0, dh = 0;
    drawableSize(dw, dh);
    if (!detail::rendererStart(dw, dh)) {
        destroyWindow();
        return false;
    }
    detail::setSwapHook(swapWindow);
    fullScreen = full;
    SDL_ShowCursor(detail::pointerIsHidden() ? SDL_DISABLE : SDL_ENABLE);
    SDL_StartTextInput();
    return true;
}

bool changeWindow(int width, int height, bool full) {
    if (full) {
        if (!fullScreen) {
            int oldX = 0, oldY = 0, oldW = 0, oldH = 0;
            SDL_GetWindowPosition(window, &oldX, &oldY);
            SDL_GetWindowSize(window, &oldW, &oldH);
            coverDesktop();
            if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
                std::fprintf(stderr, "full screen failed: %s\n", SDL_GetError());
                SDL_SetWindowSize(window, oldW, oldH);
                SDL_SetWindowPosition(window, oldX, oldY);
                return false;
            }
        }
    } else {
        if (fullScreen && SDL_SetWindowFullscreen(window, 0) != 0) {
            std::fprintf(stderr, "leaving full screen failed: %s\n", SDL_GetError());
            return false;
        }
        SDL_SetWindowSize(window, width, height);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    fullScreen = full;
    noteResize();
    return true;
}

}  // namespace

int desktopHeight() {
    if (testHooks().failWindow || !startVideo()) return 480;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.h <= 0) return 480;
    return mode.h;
}

void setWindowTitle(const std::string& text) {
    title = text;
    if (window) SDL_SetWindowTitle(window, title.c_str());
}

bool openGraphics(int width, int height, int depth) {
    if (testHooks().failWindow) return false;
    if (width <= 0 || height <= 0) return false;
    if (!startVideo()) return false;
    bool full = depth == 32;
    if (window) return changeWindow(width, height, full);
    return createWindow(width, height, full);
}

bool graphicsOpen() { return window != nullptr; }
bool isFullScreen() { return window != nullptr && fullScreen; }
void windowSize(int& w, int& h) { drawableSize(w, h); }

void processEvents() {
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) handleEvent(e);
    }
    updateAudio();
}

bool closeRequested() { return quitAsked; }
bool appSuspended() { return focusLost || minimized; }

void closeGraphics() {
    destroyWindow();
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

namespace detail {

bool windowExists() { return window != nullptr; }
uint32_t windowId() { return window ? SDL_GetWindowID(window) : 0; }

void pictureToWindow(float x, float y, int& wx, int& wy) {
    PictureFit fit = windowFit();
    wx = static_cast<int>(std::lround(fit.offsetX + x * fit.scale));
    wy = static_cast<int>(std::lround(fit.offsetY + y * fit.scale));
}

}  // namespace detail
}  // namespace platform
