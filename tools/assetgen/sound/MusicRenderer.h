#pragma once

#include <string>

#include "assetgen/sound/AudioBuffer.h"
#include "assetgen/sound/Score.h"

// Plays a score through FluidSynth, offline, into a stereo loop: the piece is
// rendered a few seconds past its end and that tail (releases, reverb) is
// mixed back over its start, so the last bar runs on into the first without
// a seam.
class MusicRenderer {
  public:
    static constexpr int kRate = 22050;
    static constexpr double kTailSeconds = 5.0;

    explicit MusicRenderer(const std::string& soundFont) : soundFont_(soundFont) {}

    // 0 on success; -1 with error() when the synthesizer cannot start.
    int render(const Score& score, AudioBuffer& loop);
    const std::string& error() const { return error_; }

  private:
    std::string soundFont_;
    std::string error_;
};
