#include "assetgen/sound/Envelope.h"

#include <cstddef>

double Envelope::at(double seconds) const {
    if (points_.empty()) {
        return 0.0;
    }
    if (seconds <= points_.front().first) {
        return points_.front().second;
    }
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const auto& [t1, v1] = points_[i];
        if (seconds < t1) {
            const auto& [t0, v0] = points_[i - 1];
            return v0 + (v1 - v0) * (seconds - t0) / (t1 - t0);
        }
    }
    return points_.back().second;
}
