#include "MainLoopBench.h"

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <memory>
#include <string>

#include "BenchContext.h"
#include "BenchReport.h"
#include "BenchRunCopy.h"
#include "app/MainLoop.h"
#include "app/SoundBank.h"
#include "game/Game.h"
#include "support/WorkingDirectory.h"

namespace {

constexpr Uint32 kPlayMs = 10000;
constexpr Uint32 kQuickPlayMs = 500;
constexpr double kCpuTargetPercent = 3.0;
constexpr double kFrameRate = 1000.0 / 34.0;

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

// Ends the loop from SDL's timer thread, as closing the window would.
Uint32 closeWindow(Uint32, void*) {
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}

void playFor(Uint32 ms, const char* name, Game& game, SoundBank& sound, SDL_Surface* screen,
             BenchReport& report) {
    SDL_Event pending;
    while (SDL_PollEvent(&pending) == 1) {
    }
    MainLoop loop(game, sound, screen);
    const double cpuStart = processCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    SDL_TimerID timer = SDL_AddTimer(ms, &closeWindow, nullptr);
    loop.run();
    SDL_RemoveTimer(timer);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = 100.0 * (processCpuSeconds() - cpuStart) / seconds;
    const double rate = loop.logicFrames() / seconds;
    const double presents =
        loop.logicFrames() > 0 ? static_cast<double>(loop.presents()) / loop.logicFrames() : 0.0;
    const std::string section = std::string("loop: ") + name;
    report.add(section, "seconds played", seconds, "s");
    report.add(section, "CPU time per second of play", cpu, "% core");
    report.add(section, "logic frames per second", rate, "frames/s");
    report.add(section, "presents per logic frame", presents, "presents");
    report.add(section, "target: CPU at most 3 % of a core", cpu <= kCpuTargetPercent, "met");
    report.add(section, "target: 29.4 logic frames/s within 1 %",
               std::fabs(rate - kFrameRate) <= 0.01 * kFrameRate, "met");
    report.add(section, "target: one present per logic frame", std::fabs(presents - 1.0) <= 0.01,
               "met");
}

}  // namespace

int benchMainLoop(BenchContext& context, BenchReport& report) {
    BenchRunCopy copy(context.runFolder, true);
    WorkingDirectory inside(copy.path());
    if (copy.path().empty() || !inside.entered() || SDL_InitSubSystem(SDL_INIT_TIMER) != 0) {
        return -1;
    }
    // The game plays its music as it does for a player, into the dummy device.
    auto sound = std::make_unique<SoundBank>();
    sound->open();
    sound->loadAll();
    auto game = std::make_unique<Game>();
    game->loadAll(context.screen);
    const Uint32 ms = context.quick ? kQuickPlayMs : kPlayMs;
    playFor(ms, "menu", *game, *sound, context.screen, report);
    game->setMode(ModeCourse1);
    playFor(ms, "course 1", *game, *sound, context.screen, report);
    return 0;
}
