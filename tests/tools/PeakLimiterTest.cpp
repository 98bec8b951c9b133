#include "assetgen/sound/PeakLimiter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A quiet tone with a loud burst in its first 10 ms: the peaks are held under
// the ceiling, the rest is left alone, and as the burst sits at the start the
// gain must already be falling at the end of the loop, which plays right
// before it.
TEST(PeakLimiterTest, HoldsPeaksUnderTheCeilingLooksAheadAcrossTheSeamAndLeavesTheRestAlone) {
    AudioBuffer original(2, 22050, 22050);
    for (long f = 0; f < original.frames(); ++f) {
        const double level = f < 220 ? 0.99 : 0.1;
        for (int c = 0; c < 2; ++c) {
            original.at(f, c) =
                static_cast<float>(level * std::sin(2.0 * M_PI * 441.0 * f / 22050.0));
        }
    }
    AudioBuffer limited = original;
    PeakLimiter(-6.0, 0.004, 0.05).apply(limited);
    EXPECT_LE(limited.peakDb(), -6.0 + 1e-6);
    // Half a second after the burst the gain has long recovered.
    for (long f = 11025; f < 11125; ++f) {
        EXPECT_NEAR(original.at(f, 0), limited.at(f, 0), 1e-3) << f;
    }
    const long last = limited.frames() - 1;
    double before = 0.0;
    double after = 0.0;
    for (long f = last - 20; f <= last; ++f) {
        before += std::fabs(original.at(f, 0));
        after += std::fabs(limited.at(f, 0));
    }
    EXPECT_LT(after, 0.95 * before);
    EXPECT_LE(limited.seamStep(), limited.largestStep());
}

}  // namespace
