#pragma once

#include <cstdlib>

#include "support/RandCalls.h"

// Seeds rand() with 1 for the code under test; taken() tells how many values
// it has drawn since.
class SeededRand {
  public:
    SeededRand() { std::srand(1); }
    int taken() const { return randCallsSince(1); }
};
