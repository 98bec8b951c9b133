#pragma once

#include <SDL.h>

#include <string>

// What every section of the benchmark shares: the display, the generated
// run folder to load the game from, whether this is the quick smoke run,
// and the reference costs the figures are measured against.
struct BenchContext {
    // The logic frame's budget: one frame every 34 ms or more.
    static constexpr double kFrameBudgetMs = 34.0;

    SDL_Surface* screen = nullptr;
    std::string runFolder;
    bool quick = false;
    // One full-screen blit of an 800 by 600 display-format picture, measured
    // by the first section.
    double blitMs = 0.0;
};
