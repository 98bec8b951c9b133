#pragma once

#include "assetgen/sound/AudioBuffer.h"

// The game's effects, synthesized from oscillators, noise, envelopes and
// filters: mono, 22050 Hz, each brought to the same peak just under full
// scale. The same call gives the same samples every time.
class SoundEffects {
  public:
    static constexpr int kRate = 22050;
    static constexpr double kPeakDb = -1.5;

    // A crash: a noise burst with a low rumble, under a second.
    static AudioBuffer explosion();
    // A bright chime for a near pass of 5, 10 or 15 points; higher and with
    // more notes as the points rise.
    static AudioBuffer chime(int points);
    // A low buzz.
    static AudioBuffer pointsDenied();
    // The brain, rammed: a short, wet, distorted scream.
    static AudioBuffer brainHit();
    // The brain dying: a long falling scream that ends in a splat.
    static AudioBuffer brainKill();
};
