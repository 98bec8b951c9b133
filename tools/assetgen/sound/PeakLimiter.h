#pragma once

#include "assetgen/sound/AudioBuffer.h"

// Holds a loop's peaks under a ceiling by turning it down briefly around
// them: the gain falls over a few milliseconds before a peak and recovers
// slowly after it. The loop is treated as a circle, so the gain runs on from
// its end into its start without a jump.
class PeakLimiter {
  public:
    PeakLimiter(double ceilingDb, double lookaheadSeconds, double releaseSeconds)
        : ceilingDb_(ceilingDb), lookahead_(lookaheadSeconds), release_(releaseSeconds) {}

    void apply(AudioBuffer& loop) const;

  private:
    double ceilingDb_;
    double lookahead_;
    double release_;
};
