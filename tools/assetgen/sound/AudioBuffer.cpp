#include "assetgen/sound/AudioBuffer.h"

#include <algorithm>
#include <cmath>

AudioBuffer::AudioBuffer(int channels, int rate, long frames)
    : channels_(channels), rate_(rate), samples_(static_cast<size_t>(frames * channels), 0.0f) {}

double dbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}

double gainToDb(double gain) {
    return gain > 1e-10 ? 20.0 * std::log10(gain) : -200.0;
}

double AudioBuffer::rmsDb() const {
    if (samples_.empty()) {
        return -200.0;
    }
    double sum = 0.0;
    for (float s : samples_) {
        sum += static_cast<double>(s) * s;
    }
    return gainToDb(std::sqrt(sum / samples_.size()));
}

double AudioBuffer::peakDb() const {
    float peak = 0.0f;
    for (float s : samples_) {
        peak = std::max(peak, std::fabs(s));
    }
    return gainToDb(peak);
}

void AudioBuffer::scale(double gain) {
    for (float& s : samples_) {
        s = static_cast<float>(s * gain);
    }
}

float AudioBuffer::largestStep() const {
    float largest = 0.0f;
    for (long f = 1; f < frames(); ++f) {
        for (int c = 0; c < channels_; ++c) {
            largest = std::max(largest, std::fabs(at(f, c) - at(f - 1, c)));
        }
    }
    return largest;
}

float AudioBuffer::seamStep() const {
    float step = 0.0f;
    if (frames() > 0) {
        for (int c = 0; c < channels_; ++c) {
            step = std::max(step, std::fabs(at(0, c) - at(frames() - 1, c)));
        }
    }
    return step;
}
