#pragma once

#include <cstdlib>

// How many rand values were drawn since srand(seed): the next value is
// looked up in the sequence seed gives (-1 if not among the first 1000).
// Draws that value itself and leaves the sequence elsewhere.
inline int randCallsSince(unsigned seed) {
    const int next = std::rand();
    std::srand(seed);
    for (int calls = 0; calls < 1000; ++calls) {
        if (std::rand() == next) {
            return calls;
        }
    }
    return -1;
}

// Seeds rand() with 1 for the code under test; taken() tells how many values
// it has drawn since.
class SeededRand {
  public:
    SeededRand() { std::srand(1); }
    int taken() const { return randCallsSince(1); }
};
