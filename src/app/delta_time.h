// Frame timer: turns the time between ticks into a factor of one target frame,
// so every animation can move by "speed per 60 Hz frame" times that factor and
// keep its real-time speed at any frame rate. Also counts ticks per second.
#pragma once

#include <vector>

class TDeltaTime {
public:
    TDeltaTime();
    virtual ~TDeltaTime();

    int OldTime = 0;       // clock (ms) at the previous tick
    int ElapsedTime = 0;   // ms between the previous tick and the latest one
    float dFps = 0.0f;     // target frames per second
    float dDelta = 0.0f;   // ms per target frame
    int CurrFps = 0;       // ticks counted in the last completed one-second window
    int FPSCounter = 0;    // ticks counted in the current window
    int CurrTime = 0;      // clock at the latest tick
    int CheckTime = 0;     // clock at which the current window ends

    virtual void Destroy();
    static TDeltaTime* Create(float fps);
    virtual void Update();
    virtual int FPS();
    virtual float CurrDelta();
    virtual void SetFPS(float fps);

    // Every live timer; nothing reads it but it is kept as the timers' registry.
    static std::vector<TDeltaTime*>& allTimers();

    // The clock the timer reads; tests may replace it.
    static int (*clock)();
};
