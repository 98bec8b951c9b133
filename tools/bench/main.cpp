// kavrel-bench: measures the game's hot paths headless (SDL's dummy video
// driver) and prints a table; the same figures go to a JSON file.
//   kavrel-bench [OUTPUT.json]      default bench.json
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchReport.h"
#include "CollisionBench.h"

namespace {

// One part of the benchmark; each lives in its own file and adds its
// figures to the report. Returns 0, or -1 when it could not run.
struct BenchSection {
    const char* name;
    int (*run)(SDL_Surface* screen, BenchReport& report);
};

const BenchSection kSections[] = {
    {"collision", &benchCollision},
};

}  // namespace

int main(int argc, char** argv) {
    const std::string jsonPath = argc > 1 ? argv[1] : "bench.json";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "kavrel-bench: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    if (!screen) {
        std::fprintf(stderr, "kavrel-bench: no video mode: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    BenchReport report;
    int failed = 0;
    for (const BenchSection& section : kSections) {
        if (section.run(screen, report) != 0) {
            std::fprintf(stderr, "kavrel-bench: section %s could not run\n", section.name);
            ++failed;
        }
    }
    report.printTable();
    if (report.writeJson(jsonPath) != 0) {
        std::fprintf(stderr, "kavrel-bench: cannot write %s\n", jsonPath.c_str());
        ++failed;
    }
    SDL_Quit();
    return failed == 0 ? 0 : 1;
}
