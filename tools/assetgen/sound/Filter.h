#pragma once

// A state-variable filter (trapezoidal, so it stays stable when its cutoff
// sweeps fast): one input, low-, band- and high-pass outputs at once.
class Filter {
  public:
    struct Output {
        float low;
        float band;
        float high;
    };

    explicit Filter(double rate) : rate_(rate) {}

    // resonance: 0.5 is gentle, higher rings at the cutoff.
    Output next(float input, double cutoff, double resonance);

  private:
    double rate_;
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};
