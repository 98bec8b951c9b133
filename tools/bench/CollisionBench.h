#pragma once

#include <SDL.h>

class BenchReport;

// Six-point craft probes (craftHitsImage) against a 200 by 200 picture.
// Returns 0, or -1 when the test pictures could not be made.
int benchCollision(SDL_Surface* screen, BenchReport& report);
