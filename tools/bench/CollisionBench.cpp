#include "CollisionBench.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>

#include "BenchReport.h"
#include "assets/Collision.h"
#include "support/TempFolder.h"

namespace {

constexpr int kSide = 200;
constexpr int kPositions = 1024;  // a power of two: the loop wraps with a mask
constexpr int kProbesPerRun = 1 << 22;
constexpr int kRuns = 5;

struct Area {
    float left;
    float top;
    float width;
    float height;
};

// Craft positions spread over an area, the same on every run.
struct Positions {
    float x[kPositions];
    float y[kPositions];

    explicit Positions(Area a) {
        std::uint32_t state = 12345u;
        auto next = [&state] {
            state = state * 1664525u + 1013904223u;
            return static_cast<float>(state >> 8) / static_cast<float>(1u << 24);
        };
        for (int i = 0; i < kPositions; ++i) {
            x[i] = a.left + next() * a.width;
            y[i] = a.top + next() * a.height;
        }
    }
};

// A 200 by 200 picture: pure red, with a solid disc in the middle if asked.
std::string makePicture(const TempFolder& scratch, const char* name, bool disc) {
    SDL_Surface* s =
        SDL_CreateRGBSurface(SDL_SWSURFACE, kSide, kSide, 24, 0xff0000, 0x00ff00, 0x0000ff, 0);
    if (!s) {
        return "";
    }
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 255, 0, 0));
    if (disc) {
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const int dx = x - kSide / 2, dy = y - kSide / 2;
                if (dx * dx + dy * dy < 80 * 80) {
                    SDL_Rect pixel{static_cast<Sint16>(x), static_cast<Sint16>(y), 1, 1};
                    SDL_FillRect(s, &pixel, SDL_MapRGB(s->format, 90, 140, 60));
                }
            }
        }
    }
    const std::string path = scratch.file(name);
    const bool saved = SDL_SaveBMP(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return saved ? path : "";
}

// The best of several runs, in nanoseconds per six-point probe.
double nsPerProbe(const Positions& p, const Box& box, const ObxImage& image, int& hits) {
    double best = 1e300;
    volatile int sink = 0;
    for (int run = 0; run < kRuns; ++run) {
        int found = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kProbesPerRun; ++i) {
            const int k = i & (kPositions - 1);
            found += craftHitsImage(p.x[k], p.y[k], box, image) != 0;
        }
        const auto end = std::chrono::steady_clock::now();
        sink = sink + found;
        hits = found;
        const double ns = std::chrono::duration<double, std::nano>(end - start).count();
        best = std::min(best, ns / kProbesPerRun);
    }
    return best;
}

}  // namespace

int benchCollision(SDL_Surface* screen, BenchReport& report) {
    TempFolder scratch;
    ObxImage empty, disc;
    const std::string emptyPath = makePicture(scratch, "empty.obx", false);
    const std::string discPath = makePicture(scratch, "disc.obx", true);
    if (emptyPath.empty() || discPath.empty() || empty.load(emptyPath.c_str(), screen) != 0 ||
        disc.load(discPath.c_str(), screen) != 0) {
        return -1;
    }
    const Box box{300, 200, kSide, kSide};
    // Every point inside the box's inset: six box tests and six pixel reads.
    const Positions inside(Area{302.0f, 199.0f, 113.0f, 159.0f});
    // Across and around the box: some probes end at the first point.
    const Positions around(Area{200.0f, 150.0f, 320.0f, 270.0f});
    // Beside the box: six box tests, no pixel read.
    const Positions beside(Area{0.0f, 0.0f, 200.0f, 500.0f});

    int hits = 0;
    report.add("collision", "probe, six pixels read (miss)", nsPerProbe(inside, box, empty, hits),
               "ns/probe");
    const double mixed = nsPerProbe(around, box, disc, hits);
    report.add("collision", "probe over a disc picture", mixed, "ns/probe");
    report.add("collision", "probes over the disc that hit", 100.0 * hits / kProbesPerRun, "%");
    report.add("collision", "probe beside the box (no read)", nsPerProbe(beside, box, disc, hits),
               "ns/probe");
    return 0;
}
