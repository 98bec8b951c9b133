#include "assetgen/sound/PeakLimiter.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace {

// The gain each frame would need on its own to stay under the ceiling.
std::vector<double> neededGain(const AudioBuffer& loop, double ceiling) {
    std::vector<double> need(loop.frames(), 1.0);
    for (long f = 0; f < loop.frames(); ++f) {
        float peak = 0.0f;
        for (int c = 0; c < loop.channels(); ++c) {
            peak = std::max(peak, std::fabs(loop.at(f, c)));
        }
        if (peak > ceiling) {
            need[f] = ceiling / peak;
        }
    }
    return need;
}

// The smallest value in each window [f, f + width), wrapping round.
std::vector<double> windowMinimum(const std::vector<double>& values, long width) {
    const long n = static_cast<long>(values.size());
    std::vector<double> result(n, 1.0);
    std::deque<long> candidates;
    for (long i = 0; i < n + width; ++i) {
        while (!candidates.empty() && values[candidates.back() % n] >= values[i % n]) {
            candidates.pop_back();
        }
        candidates.push_back(i);
        const long start = i - width + 1;
        while (candidates.front() < start) {
            candidates.pop_front();
        }
        if (start >= 0 && start < n) {
            result[start] = values[candidates.front() % n];
        }
    }
    return result;
}

// Lets the gain rise back towards 1 no faster than the release allows. Two
// passes, so the start carries on from the end.
void slowRelease(std::vector<double>& gain, double perFrame) {
    double current = 1.0;
    for (int pass = 0; pass < 2; ++pass) {
        for (double& g : gain) {
            current = std::min(g, current + (1.0 - current) * perFrame);
            g = current;
        }
    }
}

// The mean of each window (f - width, f], wrapping round.
std::vector<double> boxAverage(const std::vector<double>& values, long width) {
    const long n = static_cast<long>(values.size());
    std::vector<double> result(n);
    double sum = 0.0;
    for (long i = 0; i < width; ++i) {
        sum += values[((-i) % n + n) % n];
    }
    for (long f = 0; f < n; ++f) {
        result[f] = sum / width;
        sum += values[(f + 1) % n] - values[((f + 1 - width) % n + n) % n];
    }
    return result;
}

}  // namespace

void PeakLimiter::apply(AudioBuffer& loop) const {
    const long n = loop.frames();
    const long width = std::max(1L, std::lround(lookahead_ * loop.rate()));
    if (n < 2 * width) {
        return;
    }
    std::vector<double> gain = windowMinimum(neededGain(loop, dbToGain(ceilingDb_)), width);
    slowRelease(gain, 1.0 - std::exp(-1.0 / (release_ * loop.rate())));
    gain = boxAverage(gain, width);
    for (long f = 0; f < n; ++f) {
        for (int c = 0; c < loop.channels(); ++c) {
            loop.at(f, c) = static_cast<float>(loop.at(f, c) * gain[f]);
        }
    }
}
