#pragma once

// A band-limited oscillator whose frequency may change on every sample.
// Saw and square have their corners rounded (polyBLEP) so that high notes do
// not fold back into the audible range.
class Oscillator {
  public:
    enum Shape { kSine, kSaw, kSquare };

    explicit Oscillator(double rate) : rate_(rate) {}

    float next(double frequency, Shape shape);
    void setPhase(double phase) { phase_ = phase; }

  private:
    double rate_;
    double phase_ = 0.0;  // 0..1
};
