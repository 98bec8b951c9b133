#include "assetgen/sound/Oscillator.h"

#include <cmath>

namespace {

// The correction that smooths a unit step at phase 0 for a phase advancing
// by dt per sample.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

float Oscillator::next(double frequency, Shape shape) {
    const double dt = frequency / rate_;
    double value = 0.0;
    switch (shape) {
        case kSine:
            value = std::sin(2.0 * M_PI * phase_);
            break;
        case kSaw:
            value = 2.0 * phase_ - 1.0 - polyBlep(phase_, dt);
            break;
        case kSquare: {
            const double half = std::fmod(phase_ + 0.5, 1.0);
            value = (phase_ < 0.5 ? 1.0 : -1.0) + polyBlep(phase_, dt) - polyBlep(half, dt);
            break;
        }
    }
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return static_cast<float>(value);
}
