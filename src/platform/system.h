// System services of the platform layer: the millisecond clock, the one
// random generator, notifications, standard-output diagnostics and the single
// way of ending the process.
//
// The clock is either the real monotonic clock or, when the test hooks ask for
// it, a virtual clock that advances exactly one 60 Hz frame per presented
// frame (see testhooks.h).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Milliseconds since the program started (monotonic; virtual under the test
// hooks).
int millisecs();

// A clock set by hand, for running the game's model without frames being
// presented (the automatic player, unit tests). While it is on, millisecs()
// answers the value set here.
void setManualClock(int ms);
void advanceManualClock(int ms);
void clearManualClock();

// Seeds the generator. The test hook's fixed seed, when set, wins over the
// value given here, so a run is reproducible.
void seedRandom(uint32_t seed);
// Uniform integer in [lo, hi]; the bounds are swapped when lo > hi.
int randomInt(int lo, int hi);
// Uniform float in [lo, hi) (or (hi, lo] when hi < lo); lo when they are equal.
float randomFloat(float lo, float hi);
// Uniform float in [0, 1).
float randomUnit();

// A notification for the player. Always written as one line to standard error
// with its exact text. A message box is shown only for serious notifications of
// an interactive run; nothing ever blocks a run without anyone to answer.
void notify(const std::string& text, bool serious = false);

// One diagnostic line on standard output, flushed at once.
void printLine(const std::string& text);
// Tools that print reports of their own silence the game's diagnostic lines.
void setDiagnosticsQuiet(bool quiet);

// Registers the function run once when the process exits, however it exits
// (normal return or exitProcess).
void setExitHook(void (*hook)());

// The single path that ends the process at once with the given status. The
// exit hook runs; audio and window are shut down afterwards.
[[noreturn]] void exitProcess(int status);

}  // namespace platform
