#include "app/delta_time.h"

#include <algorithm>

#include "platform/system.h"

int (*TDeltaTime::clock)() = platform::millisecs;

std::vector<TDeltaTime*>& TDeltaTime::allTimers() {
    static std::vector<TDeltaTime*> timers;
    return timers;
}

TDeltaTime::TDeltaTime() { allTimers().push_back(this); }

TDeltaTime::~TDeltaTime() { Destroy(); }

void TDeltaTime::Destroy() {
    auto& timers = allTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

TDeltaTime* TDeltaTime::Create(float fps) {
    auto* t = new TDeltaTime();
    t->SetFPS(fps);
    return t;
}

void TDeltaTime::Update() {
    CurrTime = clock();
    ElapsedTime = CurrTime - OldTime;
    OldTime = CurrTime;
    if (CurrTime > CheckTime) {
        CheckTime = CurrTime + 1000;
        CurrFps = FPSCounter;
        FPSCounter = 0;
    } else {
        ++FPSCounter;
    }
}

int TDeltaTime::FPS() { return CurrFps; }

float TDeltaTime::CurrDelta() {
    // A target of 0 is never set; without a target there is no frame to
    // measure against, so time stands still rather than dividing by zero.
    if (dDelta <= 0.0f) return 0.0f;
    return static_cast<float>(ElapsedTime) / dDelta;
}

void TDeltaTime::SetFPS(float fps) {
    dFps = fps;
    dDelta = fps > 0.0f ? 1000.0f / fps : 0.0f;
}
