#pragma once

#include <SDL.h>

// Decides when a logic frame runs: only when more than kFrameMs milliseconds
// have passed since the last one began. The difference is taken in unsigned
// 32-bit arithmetic, so the tick counter's wrap after 49 days is harmless, and
// a late pass runs one frame, never a burst to catch up.
class FramePacer {
  public:
    static constexpr Uint32 kFrameMs = 33;

    bool frameDue(Uint32 now) const { return now - lastFrameTicks_ > kFrameMs; }
    void frameStarted(Uint32 now) { lastFrameTicks_ = now; }

  private:
    Uint32 lastFrameTicks_ = 0;
};
