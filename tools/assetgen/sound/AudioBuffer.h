#pragma once

#include <vector>

// Interleaved float samples, full scale at ±1. The unit every sound of the
// generator is made in before it is written out.
class AudioBuffer {
  public:
    AudioBuffer() = default;
    AudioBuffer(int channels, int rate, long frames);

    int channels() const { return channels_; }
    int rate() const { return rate_; }
    long frames() const {
        return channels_ > 0 ? static_cast<long>(samples_.size()) / channels_ : 0;
    }
    double seconds() const { return rate_ > 0 ? static_cast<double>(frames()) / rate_ : 0.0; }

    float& at(long frame, int channel) { return samples_[frame * channels_ + channel]; }
    float at(long frame, int channel) const { return samples_[frame * channels_ + channel]; }
    std::vector<float>& samples() { return samples_; }
    const std::vector<float>& samples() const { return samples_; }

    // Levels over every sample of every channel, in dB relative to full
    // scale; silence reads as -200 dB.
    double rmsDb() const;
    double peakDb() const;
    void scale(double gain);
    // The largest difference between neighbouring frames on any channel,
    // and the one across the seam from the last frame back to the first.
    float largestStep() const;
    float seamStep() const;

  private:
    int channels_ = 0;
    int rate_ = 0;
    std::vector<float> samples_;
};

// Decibels to and from linear gain.
double dbToGain(double db);
double gainToDb(double gain);
