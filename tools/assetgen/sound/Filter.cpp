#include "assetgen/sound/Filter.h"

#include <algorithm>
#include <cmath>

Filter::Output Filter::next(float input, double cutoff, double resonance) {
    cutoff = std::clamp(cutoff, 10.0, rate_ * 0.45);
    const double g = std::tan(M_PI * cutoff / rate_);
    const double k = 1.0 / std::max(resonance, 0.1);
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = input - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    const double low = v2;
    const double band = v1;
    const double high = input - k * v1 - v2;
    return {static_cast<float>(low), static_cast<float>(band), static_cast<float>(high)};
}
