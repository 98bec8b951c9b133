#include "StartupBench.h"

#include <SDL.h>

#include <chrono>
#include <memory>
#include <string>

#include "BenchContext.h"
#include "BenchReport.h"
#include "BenchRunCopy.h"
#include "app/SoundBank.h"
#include "game/Game.h"
#include "support/WorkingDirectory.h"

namespace {

constexpr double kTargetMs = 250.0;

using Clock = std::chrono::steady_clock;

// Milliseconds since mark, which moves on to now.
double lap(Clock::time_point& mark) {
    const Clock::time_point now = Clock::now();
    const double ms = std::chrono::duration<double, std::milli>(now - mark).count();
    mark = now;
    return ms;
}

int soundsLoaded(const SoundBank& sound) {
    int loaded = 0;
    for (int track = 0; track < SoundBank::kMusicTracks; ++track) {
        loaded += sound.hasMusic(track) ? 1 : 0;
    }
    for (int code = SoundBank::kFirstEffect; code < SoundBank::kFirstEffect + SoundBank::kEffects;
         ++code) {
        loaded += sound.hasEffect(code) ? 1 : 0;
    }
    return loaded;
}

// The parts in the program's order: SDL and the window, the sound, the
// pictures, the first menu frame.
struct StartupFigures {
    double parts[4] = {};
    double totalMs = 0.0;
    int sounds = 0;
};

// Brings SDL up afresh as the program does and loads everything from the
// working folder; the new display, or null.
SDL_Surface* startAfresh(StartupFigures& figures) {
    SDL_Quit();
    Clock::time_point mark = Clock::now();
    const Clock::time_point start = mark;
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 0, 0);
    figures.parts[0] = lap(mark);
    auto sound = std::make_unique<SoundBank>();
    sound->open();
    sound->loadAll();
    figures.parts[1] = lap(mark);
    auto game = std::make_unique<Game>();
    if (screen) {
        game->loadAll(screen);
        figures.parts[2] = lap(mark);
        game->render();
        SDL_UpdateRect(screen, 0, 0, 0, 0);
        figures.parts[3] = lap(mark);
    }
    figures.totalMs = std::chrono::duration<double, std::milli>(mark - start).count();
    figures.sounds = soundsLoaded(*sound);
    return screen;
}

}  // namespace

int benchStartup(BenchContext& context, BenchReport& report) {
    BenchRunCopy copy(context.runFolder, true);
    StartupFigures figures;
    {
        WorkingDirectory inside(copy.path());
        if (copy.path().empty() || !inside.entered()) {
            return -1;
        }
        context.screen = startAfresh(figures);
    }
    if (!context.screen) {
        return -1;
    }
    const double ms = figures.totalMs;
    const double* parts = figures.parts;
    const int sounds = figures.sounds;
    report.add("start-up", "to the first menu frame", ms, "ms");
    report.add("start-up", "  SDL video, audio and the window", parts[0], "ms");
    report.add("start-up", "  mixer, 9 music tracks, 7 effects", parts[1], "ms");
    report.add("start-up", "  every picture (Game::loadAll)", parts[2], "ms");
    report.add("start-up", "  first menu frame drawn and shown", parts[3], "ms");
    report.add("start-up", "share of the 250 ms target", 100.0 * ms / kTargetMs, "%");
    report.add("start-up", "in logic frame budgets", ms / BenchContext::kFrameBudgetMs, "frames");
    report.add("start-up", "in full-screen blits", context.blitMs > 0 ? ms / context.blitMs : 0,
               "blits");
    report.add("start-up", "sounds loaded (of 16)", sounds, "files");
    report.add("start-up", "target: under 250 ms", ms < kTargetMs, "met");
    return 0;
}
