#pragma once

#include <string>
#include <vector>

class BenchReport;
struct BenchContext;

// The update and render times of the logic frames of one part of a run,
// and the heap allocations made inside them.
class FrameTimings {
  public:
    explicit FrameTimings(const std::string& name) : name_(name) {}

    void addUpdate(double ms, long allocations);
    void addRender(double ms, long allocations);
    int frames() const { return static_cast<int>(update_.size()); }

    // The median and 99th percentile update, the median render, each also
    // as a share of the frame budget or in full-screen blits, the
    // allocations per frame, and whether the targets were met (renderBlits:
    // the most full-screen blits a render may cost).
    void report(const BenchContext& context, BenchReport& report, double renderBlits) const;

    // The value below which the given share (0 to 1) of the samples lie.
    static double percentile(std::vector<double> samples, double share);

  private:
    std::string name_;
    std::vector<double> update_;
    std::vector<double> render_;
    long updateAllocations_ = 0;
    long renderAllocations_ = 0;
    int allocatingUpdates_ = 0;
    int allocatingRenders_ = 0;
};
