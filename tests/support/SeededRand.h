#pragma once

#include <cstdlib>
#include <vector>

#include "support/RandCalls.h"

// The first values of the sequence that srand(1) starts. Making one leaves
// rand() seeded with 1 again, so the code under test sees the same values,
// and taken() tells how many of them it used.
class SeededRand {
  public:
    explicit SeededRand(int count = 200) : values_(count) {
        std::srand(1);
        for (int& v : values_) {
            v = std::rand();
        }
        std::srand(1);
    }
    int operator[](int i) const { return values_[i]; }
    // The position of the next value in the sequence: how many were taken.
    int taken() const { return randCallsSince(1); }

  private:
    std::vector<int> values_;
};
