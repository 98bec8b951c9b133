#pragma once

#include <cstdint>

// White noise from a fixed seed, so every build makes the same effects.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}

    // Uniform in [-1, 1).
    float next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
    }

  private:
    std::uint32_t state_;
};
