// Keeps presented frames at most at a fixed rate without drift: each deadline
// is the previous one plus one frame period, so small delays are made up by
// the next frames; when the program falls more than a few frames behind (a
// stall, loading) the schedule starts afresh from now instead of racing.
#pragma once

namespace platform {

class FramePacer {
public:
    explicit FramePacer(double periodMs = 1000.0 / 60.0, double resyncFrames = 3.0)
        : period_(periodMs), resync_(resyncFrames) {}

    // Milliseconds to wait before presenting a frame at time `nowMs`; moves
    // the schedule on by one frame.
    double delayBeforePresent(double nowMs) {
        if (!started_) {
            started_ = true;
            next_ = nowMs + period_;
            return 0.0;
        }
        if (nowMs > next_ + resync_ * period_) {
            next_ = nowMs + period_;
            return 0.0;
        }
        double wait = next_ > nowMs ? next_ - nowMs : 0.0;
        next_ += period_;
        return wait;
    }

    void reset() { started_ = false; }

private:
    double period_;
    double resync_;
    double next_ = 0.0;
    bool started_ = false;
};

}  // namespace platform
