#pragma once

#include <SDL.h>

// Decides when a logic frame runs: only when more than kFrameMs milliseconds
// have passed since the last one began. The difference is taken in unsigned
// 32-bit arithmetic, so the tick counter's wrap after 49 days is harmless, and
// a late pass runs one frame, never a burst to catch up.
class FramePacer {
  public:
    static constexpr Uint32 kFrameMs = 33;
    // A wait is slept in one go to kWakeBeforeFrameMs before the frame, then
    // to its last millisecond, which is slept alone: few wake-ups, and one
    // that comes a little late on a busy machine still starts the frame on
    // its tick.
    static constexpr Uint32 kWakeBeforeFrameMs = 3;

    bool frameDue(Uint32 now) const { return now - lastFrameTicks_ > kFrameMs; }
    void frameStarted(Uint32 now) { lastFrameTicks_ = now; }
    // How long a pass with nothing to do at now (no frame due) sleeps.
    Uint32 idleMs(Uint32 now) const {
        const Uint32 untilDue = kFrameMs + 1 - (now - lastFrameTicks_);
        if (untilDue > kWakeBeforeFrameMs + 1) {
            return untilDue - kWakeBeforeFrameMs;
        }
        return untilDue > 1 ? untilDue - 1 : 1;
    }

  private:
    Uint32 lastFrameTicks_ = 0;
};
