// Deterministic test hooks, read once from the environment.
//
//   FIELDSTACK_SEED=<n>         fixed seed for the random generator
//   FIELDSTACK_VIRTUAL_CLOCK=1  the clock advances exactly 1000/60 ms per
//                               presented frame; presenting never sleeps
//   FIELDSTACK_SCRIPT=<file>    input events keyed by frame number (format at
//                               the top of testhooks.cpp), fed through the
//                               window's event queue
//   FIELDSTACK_SCREENSHOT_DIR=<folder>  where "shot" script lines write PNGs
//                               (default: the working folder)
//   FIELDSTACK_NO_WINDOW_FOR_TESTS=1  openGraphics always fails (tests the
//                               no-window path)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct TestHooks {
    bool hasSeed = false;
    uint32_t seed = 0;
    bool virtualClock = false;
    std::string scriptPath;
    std::string screenshotDir;
    bool failWindow = false;
};

// The hooks of this run (read from the environment on first use).
const TestHooks& testHooks();

// Runs the script lines bound to the frame about to be drawn, after `frame`
// frames have been presented. Called by the renderer at each present.
void runScriptForFrame(long long frame);

// One line of an input script.
struct ScriptEvent {
    enum class Kind {
        KEY_TAP,   // press now, release after the next frame
        KEY_DOWN,
        KEY_UP,
        TEXT,
        MOUSE_MOVE,
        PRESS,
        RELEASE,
        CLICK,     // press now, release after the next frame
        WHEEL,
        FOCUS_LOST,
        FOCUS_GAINED,
        CLOSE,
        SHOT,
    };
    long long frame = 0;
    Kind kind = Kind::KEY_TAP;
    int key = 0;     // game key code (key lines)
    int button = 0;  // 1..3 (press, release, click)
    float x = 0, y = 0;  // picture units (mouse)
    int amount = 0;      // wheel steps
    std::string text;    // typed text (text) or file name (shot)
    int line = 0;        // line number in the script, from 1
};

// Parses a script. Lines that cannot be read are skipped with a message
// ("line N: why") in `errors`. The events come out sorted by frame, in file
// order within a frame.
std::vector<ScriptEvent> parseInputScript(const std::string& text, std::vector<std::string>* errors);

}  // namespace platform
