#pragma once

#include <string>

#include "assetgen/sound/AudioBuffer.h"

// Reads and writes sound files through libsndfile. Every operation returns 0
// on success and -1 on failure.
class SoundFile {
  public:
    // Ogg Vorbis; quality from 0 (smallest) to 1 (best).
    static int writeOgg(const std::string& path, const AudioBuffer& audio, double quality);
    // 16-bit PCM WAV, rounded to the nearest step and kept inside full scale.
    static int writeWav16(const std::string& path, const AudioBuffer& audio);
    // Any file libsndfile decodes; format receives its SF_FORMAT_* word.
    static int read(const std::string& path, AudioBuffer& audio, int& format);
};
