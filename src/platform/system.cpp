// System services: clock, random generator, notifications, diagnostics and
// the one exit path.
#include "platform/system.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>

#include "platform/audio.h"
#include "platform/render.h"
#include "platform/testhooks.h"
#include "platform/window.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;
const Clock::time_point startTime = Clock::now();

std::mt19937& generator() {
    static std::mt19937 gen(testHooks().hasSeed ? testHooks().seed : 12345u);
    return gen;
}

bool diagnosticsQuiet = false;
bool manualClock = false;
int manualClockMs = 0;

void (*exitHook)() = nullptr;
bool exitHookRegistered = false;
bool exitHookRan = false;

void runExitHookOnce() {
    if (exitHookRan) return;
    exitHookRan = true;
    if (exitHook) exitHook();
}

}  // namespace

void setManualClock(int ms) {
    manualClock = true;
    manualClockMs = ms;
}

void advanceManualClock(int ms) { manualClockMs += ms; }

void clearManualClock() { manualClock = false; }

int millisecs() {
    if (manualClock) return manualClockMs;
    if (testHooks().virtualClock) {
        return static_cast<int>((presentedFrames() * 1000) / 60);
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - startTime).count();
    return static_cast<int>(ms);
}

void seedRandom(uint32_t seed) {
    generator().seed(testHooks().hasSeed ? testHooks().seed : seed);
}

int randomInt(int lo, int hi) {
    if (lo > hi) std::swap(lo, hi);
    std::uniform_int_distribution<int> dist(lo, hi);
    return dist(generator());
}

float randomUnit() {
    // 24 random bits give every float of [0, 1) a fair chance and never 1.
    uint32_t bits = generator()() >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

float randomFloat(float lo, float hi) {
    if (lo == hi) return lo;
    float r = lo + (hi - lo) * randomUnit();
    // Rounding may land on the open end; keep the range half-open.
    if (r == hi) r = lo;
    return r;
}

void notify(const std::string& text, bool serious) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    // A message box only when someone can answer it: an interactive run with a
    // display and no test hooks driving it.
    const TestHooks& hooks = testHooks();
    bool scripted = hooks.virtualClock || !hooks.scriptPath.empty();
    if (serious && !scripted && std::getenv("DISPLAY") != nullptr) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Fieldstack", text.c_str(), nullptr);
    }
}

void setDiagnosticsQuiet(bool quiet) { diagnosticsQuiet = quiet; }

void printLine(const std::string& text) {
    if (diagnosticsQuiet) return;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void setExitHook(void (*hook)()) {
    exitHook = hook;
    if (!exitHookRegistered) {
        exitHookRegistered = true;
        std::atexit(runExitHookOnce);
    }
}

void exitProcess(int status) {
    std::fflush(stdout);
    // exit() runs the registered hook (files only) before anything else is
    // torn down; the singletons are never destroyed, so the hook may use them.
    std::exit(status);
}

}  // namespace platform
