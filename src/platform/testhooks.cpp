// Deterministic test hooks: fixed seed, virtual clock, scripted input and
// screenshots, all switched on by environment variables (see testhooks.h).
//
// Input script format (FIELDSTACK_SCRIPT=<file>), one event per line, UTF-8:
//
//   # a comment; blank lines are ignored
//   <frame> key <NAME> [down|up]  key by name (ESCAPE, ENTER, SPACE, A..Z, 0..9,
//                                 F1..F12, LEFT, UP, RIGHT, DOWN, LALT, RALT,
//                                 LSHIFT, RSHIFT, LCONTROL, RCONTROL, BACKSPACE,
//                                 TAB, DELETE, HOME, END, PAGEUP, PAGEDOWN,
//                                 INSERT; any letter case). Without down/up:
//                                 pressed at <frame>, released one frame later.
//   <frame> text <characters...>  typed characters: everything after "text "
//                                 to the end of the line, spaces included
//   <frame> mouse <x> <y>         pointer to (x, y) in picture units
//   <frame> press <button>        button 1 (left), 2 (right) or 3 (middle) down
//   <frame> release <button>      button up
//   <frame> click <button>        pressed at <frame>, released one frame later
//   <frame> wheel <n>             wheel steps (positive away from the user)
//   <frame> focus-lost            the window loses the input focus
//   <frame> focus-gained          the window gets the focus back
//   <frame> close                 the window system asks the program to close
//   <frame> shot <file.png>       screenshot of the picture presented as frame
//                                 <frame>, written as PNG into
//                                 FIELDSTACK_SCREENSHOT_DIR (or the working
//                                 folder; an absolute path is used as it is)
//
// <frame> counts presented frames: a line's events are sent right after the
// <frame>-th present (lines for frame 0 go with the first present), so the
// game sees them when it next processes window events, while it builds frame
// <frame> + 1. Events go through the window system's event queue as real key,
// text, mouse and window events, so they take the same path as a player's
// input. Key lines press keys but type no characters (as with a real
// keyboard, characters come from text lines), except ENTER, BACKSPACE and
// ESCAPE, whose presses also queue 13, 8 and 27. Lines that cannot be read
// are reported on standard error and skipped.
#include "platform/testhooks.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/files.h"
#include "platform/input.h"
#include "platform/keymap.h"
#include "platform/render.h"
#include "platform/window_internal.h"

namespace platform {
namespace {

std::string envOr(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool envFlag(const char* name) {
    std::string v = envOr(name);
    return !v.empty() && v != "0" && v != "false" && v != "no";
}

TestHooks readHooks() {
    TestHooks h;
    std::string seed = envOr("FIELDSTACK_SEED");
    if (!seed.empty()) {
        char* end = nullptr;
        errno = 0;
        unsigned long long v = std::strtoull(seed.c_str(), &end, 10);
        if (errno == 0 && end && *end == '\0' && seed[0] != '-' && v <= 0xFFFFFFFFull) {
            h.hasSeed = true;
            h.seed = static_cast<uint32_t>(v);
        } else {
            std::fprintf(stderr, "FIELDSTACK_SEED ignored: not a number from 0 to 4294967295: %s\n",
                         seed.c_str());
        }
    }
    h.virtualClock = envFlag("FIELDSTACK_VIRTUAL_CLOCK");
    h.scriptPath = envOr("FIELDSTACK_SCRIPT");
    h.screenshotDir = envOr("FIELDSTACK_SCREENSHOT_DIR");
    h.failWindow = envFlag("FIELDSTACK_NO_WINDOW_FOR_TESTS");
    return h;
}

bool parseInteger(const std::string& s, long long& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || !end || *end != '\0') return false;
    out = v;
    return true;
}

bool parseNumber(const std::string& s, float& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    float v = std::strtof(s.c_str(), &end);
    if (errno != 0 || !end || *end != '\0' || !std::isfinite(v)) return false;
    out = v;
    return true;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Reads one line into an event; returns the reason when it cannot.
std::string parseLine(const std::string& raw, ScriptEvent& ev) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream in(line);
    std::string frameText, command;
    in >> frameText >> command;
    long long frame = 0;
    if (!parseInteger(frameText, frame) || frame < 0) return "frame number expected";
    ev.frame = frame;
    command = lower(command);
    std::vector<std::string> args;
    std::string word;
    while (in >> word) args.push_back(word);
    auto needArgs = [&](size_t lo, size_t hi) { return args.size() >= lo && args.size() <= hi; };
    auto button = [&](const std::string& s, int& b) {
        long long v = 0;
        if (!parseInteger(s, v) || v < 1 || v > 3) return false;
        b = static_cast<int>(v);
        return true;
    };

    if (command == "key") {
        if (!needArgs(1, 2)) return "key needs a name and optionally down or up";
        ev.key = keyByName(args[0]);
        if (ev.key == 0) return "unknown key " + args[0];
        ev.kind = ScriptEvent::Kind::KEY_TAP;
        if (args.size() == 2) {
            std::string mode = lower(args[1]);
            if (mode == "down") ev.kind = ScriptEvent::Kind::KEY_DOWN;
            else if (mode == "up") ev.kind = ScriptEvent::Kind::KEY_UP;
            else return "down or up expected after the key name";
        }
    } else if (command == "text") {
        // Everything after the command word and one separator, kept as it is.
        size_t pos = line.find_first_not_of(" \t");
        pos = line.find_first_of(" \t", pos);                       // after the frame
        pos = line.find_first_not_of(" \t", pos);                   // the command
        pos = pos == std::string::npos ? pos : line.find_first_of(" \t", pos);
        if (pos == std::string::npos || pos + 1 >= line.size()) return "text needs characters";
        ev.kind = ScriptEvent::Kind::TEXT;
        ev.text = line.substr(pos + 1);
    } else if (command == "mouse") {
        if (!needArgs(2, 2) || !parseNumber(args[0], ev.x) || !parseNumber(args[1], ev.y))
            return "mouse needs x and y";
        ev.kind = ScriptEvent::Kind::MOUSE_MOVE;
    } else if (command == "press" || command == "release" || command == "click") {
        if (!needArgs(1, 1) || !button(args[0], ev.button)) return command + " needs a button 1, 2 or 3";
        ev.kind = command == "press"     ? ScriptEvent::Kind::PRESS
                  : command == "release" ? ScriptEvent::Kind::RELEASE
                                         : ScriptEvent::Kind::CLICK;
    } else if (command == "wheel") {
        long long v = 0;
        if (!needArgs(1, 1) || !parseInteger(args[0], v) || v < -1000 || v > 1000)
            return "wheel needs a whole number of steps";
        ev.kind = ScriptEvent::Kind::WHEEL;
        ev.amount = static_cast<int>(v);
    } else if (command == "focus-lost" || command == "focus-gained" || command == "close") {
        if (!args.empty()) return command + " takes nothing more";
        ev.kind = command == "focus-lost"     ? ScriptEvent::Kind::FOCUS_LOST
                  : command == "focus-gained" ? ScriptEvent::Kind::FOCUS_GAINED
                                              : ScriptEvent::Kind::CLOSE;
    } else if (command == "shot") {
        if (!needArgs(1, 1)) return "shot needs one file name";
        ev.kind = ScriptEvent::Kind::SHOT;
        ev.text = args[0];
    } else {
        return command.empty() ? "command expected after the frame number" : "unknown command " + command;
    }
    return "";
}

// ---------------------------------------------------------------- delivery

struct Pending {
    long long frame;
    ScriptEvent ev;
};

struct ScriptState {
    bool loaded = false;
    std::vector<ScriptEvent> events;
    size_t next = 0;
    std::vector<Pending> later;  // releases of taps and clicks
    float mouseX = 0, mouseY = 0;
};

ScriptState& script() {
    static ScriptState state;
    return state;
}

void loadScript(ScriptState& st) {
    st.loaded = true;
    const std::string& path = testHooks().scriptPath;
    if (path.empty()) return;
    std::string text;
    if (!readBinaryFile(path, text)) {
        std::fprintf(stderr, "input script not readable: %s\n", path.c_str());
        return;
    }
    std::vector<std::string> errors;
    st.events = parseInputScript(text, &errors);
    for (const std::string& e : errors) std::fprintf(stderr, "input script %s: %s\n", path.c_str(), e.c_str());
}

void pushKey(int key, bool down) {
    SDL_Keycode sym;
    SDL_Scancode scancode;
    if (!detail::sdlKeyFromGame(key, sym, scancode)) return;
    SDL_Event e;
    SDL_zero(e);
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = detail::windowId();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    SDL_PushEvent(&e);
}

void pushText(const std::string& text) {
    // A text event holds up to 31 bytes; cut between whole characters.
    size_t i = 0;
    while (i < text.size()) {
        size_t n = std::min<size_t>(text.size() - i, sizeof(SDL_TextInputEvent::text) - 1);
        while (n > 0 && i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) --n;
        if (n == 0) n = 1;
        SDL_Event e;
        SDL_zero(e);
        e.type = SDL_TEXTINPUT;
        e.text.windowID = detail::windowId();
        std::memcpy(e.text.text, text.data() + i, n);
        SDL_PushEvent(&e);
        i += n;
    }
}

void pushMouseMove(float x, float y) {
    int wx = 0, wy = 0;
    detail::pictureToWindow(x, y, wx, wy);
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = detail::windowId();
    e.motion.x = wx;
    e.motion.y = wy;
    SDL_PushEvent(&e);
}

void pushButton(int button, bool down, float x, float y) {
    static const uint8_t sdlButtons[4] = {0, SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE};
    int wx = 0, wy = 0;
    detail::pictureToWindow(x, y, wx, wy);
    SDL_Event e;
    SDL_zero(e);
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = detail::windowId();
    e.button.button = sdlButtons[button];
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = wx;
    e.button.y = wy;
    SDL_PushEvent(&e);
}

void pushWindowEvent(SDL_WindowEventID id) {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = detail::windowId();
    e.window.event = static_cast<uint8_t>(id);
    SDL_PushEvent(&e);
}

std::string shotPath(const std::string& name) {
    if (!name.empty() && name[0] == '/') return name;
    std::string dir = testHooks().screenshotDir;
    if (dir.empty()) return name;
    if (dir.back() != '/') dir += '/';
    return dir + name;
}

void takeShot(const std::string& name) {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    std::string path = shotPath(name);
    if (!readPresentedPixels(w, h, rgba)) {
        std::fprintf(stderr, "screenshot %s skipped: no picture\n", path.c_str());
        return;
    }
    if (!savePNG(path, w, h, rgba)) std::fprintf(stderr, "screenshot %s could not be written\n", path.c_str());
}

void deliver(ScriptState& st, const ScriptEvent& ev, long long frame) {
    using K = ScriptEvent::Kind;
    switch (ev.kind) {
        case K::KEY_TAP: {
            pushKey(ev.key, true);
            ScriptEvent up = ev;
            up.kind = K::KEY_UP;
            st.later.push_back({frame + 1, up});
            break;
        }
        case K::KEY_DOWN: pushKey(ev.key, true); break;
        case K::KEY_UP: pushKey(ev.key, false); break;
        case K::TEXT: pushText(ev.text); break;
        case K::MOUSE_MOVE:
            st.mouseX = ev.x;
            st.mouseY = ev.y;
            pushMouseMove(ev.x, ev.y);
            break;
        case K::PRESS: pushButton(ev.button, true, st.mouseX, st.mouseY); break;
        case K::RELEASE: pushButton(ev.button, false, st.mouseX, st.mouseY); break;
        case K::CLICK: {
            pushButton(ev.button, true, st.mouseX, st.mouseY);
            ScriptEvent up = ev;
            up.kind = K::RELEASE;
            st.later.push_back({frame + 1, up});
            break;
        }
        case K::WHEEL: {
            SDL_Event e;
            SDL_zero(e);
            e.type = SDL_MOUSEWHEEL;
            e.wheel.windowID = detail::windowId();
            e.wheel.y = ev.amount;
            e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
            SDL_PushEvent(&e);
            break;
        }
        case K::FOCUS_LOST: pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST); break;
        case K::FOCUS_GAINED: pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED); break;
        case K::CLOSE: {
            SDL_Event e;
            SDL_zero(e);
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
            break;
        }
        case K::SHOT: takeShot(ev.text); break;
    }
}

}  // namespace

const TestHooks& testHooks() {
    static const TestHooks hooks = readHooks();
    return hooks;
}

std::vector<ScriptEvent> parseInputScript(const std::string& text, std::vector<std::string>* errors) {
    std::vector<ScriptEvent> events;
    size_t start = 0;
    int lineNo = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        ++lineNo;
        start = end + 1;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') {
            if (end == text.size()) break;
            continue;
        }
        ScriptEvent ev;
        ev.line = lineNo;
        std::string why = parseLine(line.substr(first), ev);
        if (why.empty()) {
            events.push_back(ev);
        } else if (errors) {
            errors->push_back("line " + std::to_string(lineNo) + ": " + why);
        }
        if (end == text.size()) break;
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return events;
}

void runScriptForFrame(long long frame) {
    ScriptState& st = script();
    if (!st.loaded) loadScript(st);
    if (st.events.empty() && st.later.empty()) return;
    // Events need the window's queue; without a window they wait.
    if (!detail::windowExists()) return;
    // Releases scheduled by earlier taps and clicks come first.
    std::vector<Pending> due;
    for (auto it = st.later.begin(); it != st.later.end();) {
        if (it->frame <= frame) {
            due.push_back(*it);
            it = st.later.erase(it);
        } else {
            ++it;
        }
    }
    for (const Pending& p : due) deliver(st, p.ev, frame);
    while (st.next < st.events.size() && st.events[st.next].frame <= frame) {
        deliver(st, st.events[st.next], frame);
        ++st.next;
    }
}

}  // namespace platform
