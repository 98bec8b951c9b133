#include "FrameTimings.h"

#include <algorithm>
#include <cmath>

#include "AllocationCounter.h"
#include "BenchContext.h"
#include "BenchReport.h"

namespace {

constexpr double kUpdateP99TargetMs = 0.5;

}  // namespace

void FrameTimings::addUpdate(double ms, long allocations) {
    update_.push_back(ms);
    updateAllocations_ += allocations;
    allocatingUpdates_ += allocations > 0 ? 1 : 0;
}

void FrameTimings::addRender(double ms, long allocations) {
    render_.push_back(ms);
    renderAllocations_ += allocations;
    allocatingRenders_ += allocations > 0 ? 1 : 0;
}

double FrameTimings::percentile(std::vector<double> samples, double share) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    const size_t rank = static_cast<size_t>(std::ceil(share * samples.size()));
    return samples[rank == 0 ? 0 : rank - 1];
}

void FrameTimings::report(const BenchContext& context, BenchReport& report,
                          double renderBlits) const {
    if (update_.empty()) {
        report.add(name_, "frames measured", 0, "frames");
        return;
    }
    const double median = percentile(update_, 0.5);
    const double p99 = percentile(update_, 0.99);
    const double render = percentile(render_, 0.5);
    const double blits = context.blitMs > 0.0 ? render / context.blitMs : 0.0;
    report.add(name_, "frames measured", frames(), "frames");
    report.add(name_, "update median", 1000.0 * median, "us");
    report.add(name_, "update p99", 1000.0 * p99, "us");
    report.add(name_, "update p99 / frame budget", 100.0 * p99 / BenchContext::kFrameBudgetMs, "%");
    report.add(name_, "render median (no present)", render, "ms");
    report.add(name_, "render median / full-screen blit", blits, "blits");
    if (AllocationCounter::counting()) {
        report.add(name_, "allocations per logic frame",
                   static_cast<double>(updateAllocations_) / update_.size(), "allocs");
        report.add(name_, "allocations per render pass",
                   static_cast<double>(renderAllocations_) / render_.size(), "allocs");
        report.add(name_, "logic frames that allocate", 100.0 * allocatingUpdates_ / frames(), "%");
        report.add(name_, "render passes that allocate", 100.0 * allocatingRenders_ / frames(),
                   "%");
    }
    report.add(name_, "target: update p99 under 0.5 ms", p99 < kUpdateP99TargetMs, "met");
    report.add(name_,
               "target: render under " + std::to_string(static_cast<int>(renderBlits)) + " blits",
               blits < renderBlits, "met");
    if (AllocationCounter::counting()) {
        report.add(name_, "target: no allocation", updateAllocations_ + renderAllocations_ == 0,
                   "met");
    }
}
