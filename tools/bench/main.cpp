// kavrel-bench: measures the game's hot paths headless (SDL's dummy video
// driver) and prints a table; the same figures go to a JSON file.
//   kavrel-bench [--quick] [--run FOLDER] [OUTPUT.json]
// --quick runs every section briefly, as a smoke check; --run names the
// generated run folder (with data/ and sound/) to load the game from,
// "run" beside the working directory by default.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "BenchContext.h"
#include "BenchReport.h"
#include "CollisionBench.h"
#include "CourseBench.h"
#include "MainLoopBench.h"
#include "MemoryBench.h"
#include "ReferenceBench.h"
#include "StartupBench.h"

namespace {

// One part of the benchmark; each lives in its own file and adds its
// figures to the report. Returns 0, or -1 when it could not run.
struct BenchSection {
    const char* name;
    int (*run)(BenchContext& context, BenchReport& report);
    bool inQuickRun;
};

int collision(BenchContext& context, BenchReport& report) {
    return benchCollision(context.screen, report);
}

// The reference comes first, the figures of the others are measured against
// it; start-up brings SDL up afresh and so runs after the sections that use
// the first display; memory is the peak of everything before it.
const BenchSection kSections[] = {
    {"reference", &benchReference, true}, {"collision", &collision, false},
    {"courses", &benchCourses, true},     {"main loop", &benchMainLoop, true},
    {"start-up", &benchStartup, true},    {"memory", &benchMemory, true},
};

struct Arguments {
    bool quick = false;
    std::string runFolder = "run";
    std::string jsonPath = "bench.json";
};

bool parse(int argc, char** argv, Arguments& arguments) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            arguments.quick = true;
        } else if (std::strcmp(argv[i], "--run") == 0 && i + 1 < argc) {
            arguments.runFolder = argv[++i];
        } else if (argv[i][0] == '-') {
            std::fprintf(stderr, "usage: kavrel-bench [--quick] [--run FOLDER] [OUTPUT.json]\n");
            return false;
        } else {
            arguments.jsonPath = argv[i];
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!parse(argc, argv, arguments)) {
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "kavrel-bench: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    BenchContext context;
    context.quick = arguments.quick;
    context.runFolder = arguments.runFolder;
    context.screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    if (!context.screen) {
        std::fprintf(stderr, "kavrel-bench: no video mode: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    BenchReport report;
    int failed = 0;
    for (const BenchSection& section : kSections) {
        if (context.quick && !section.inQuickRun) {
            continue;
        }
        if (!context.screen || section.run(context, report) != 0) {
            std::fprintf(stderr, "kavrel-bench: section %s could not run\n", section.name);
            ++failed;
        }
    }
    report.printTable();
    if (report.writeJson(arguments.jsonPath) != 0) {
        std::fprintf(stderr, "kavrel-bench: cannot write %s\n", arguments.jsonPath.c_str());
        ++failed;
    }
    SDL_Quit();
    return failed == 0 ? 0 : 1;
}
