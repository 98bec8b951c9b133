#pragma once

#include <SDL.h>

// Decides when a logic frame runs: only when more than kFrameMs milliseconds
// have passed since the last one began. The difference is taken in unsigned
// 32-bit arithmetic, so the tick counter's wrap after 49 days is harmless, and
// a late pass runs one frame, never a burst to catch up.
class FramePacer {
  public:
    static constexpr Uint32 kFrameMs = 33;
    static constexpr Uint32 kLongestIdleMs = 4;

    bool frameDue(Uint32 now) const { return now - lastFrameTicks_ > kFrameMs; }
    void frameStarted(Uint32 now) { lastFrameTicks_ = now; }
    // How long a pass with nothing to do at now (no frame due) sleeps. Short
    // sleeps wake on time even on a busy machine, and the millisecond before
    // the frame is slept alone, so the frame starts on its tick.
    Uint32 idleMs(Uint32 now) const {
        const Uint32 untilDue = kFrameMs + 1 - (now - lastFrameTicks_);
        return untilDue > kLongestIdleMs ? kLongestIdleMs : untilDue > 1 ? untilDue - 1 : 1;
    }

  private:
    Uint32 lastFrameTicks_ = 0;
};
