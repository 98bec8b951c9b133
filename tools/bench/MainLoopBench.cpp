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
#include "app/FramePacer.h"
#include "app/MainLoop.h"
#include "app/SoundBank.h"
#include "game/Game.h"
#include "support/WorkingDirectory.h"

namespace {

constexpr Uint32 kPlayMs = 10000;
constexpr Uint32 kQuickPlayMs = 500;
constexpr double kCpuTargetPercent = 3.0;
// A logic frame every 34 ticks: more than 33 must have passed.
constexpr Uint32 kFrameTicks = FramePacer::kFrameMs + 1;
constexpr double kFrameRate = 1000.0 / kFrameTicks;

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

// The least a loop that presents the whole screen every logic frame can cost
// under these drivers: one sleep, one event pump and one present a frame,
// with music playing, and nothing drawn. The loop's figures less this one are
// the game's own work.
double barePresentFor(Uint32 ms, SDL_Surface* screen, BenchReport& report) {
    const double cpuStart = processCpuSeconds();
    const Uint32 start = SDL_GetTicks();
    Uint32 presents = 0;
    for (Uint32 due = start + kFrameTicks; due - start <= ms; due += kFrameTicks, ++presents) {
        const Uint32 now = SDL_GetTicks();
        SDL_Delay(static_cast<Sint32>(due - now) > 0 ? due - now : 0);
        SDL_PumpEvents();
        SDL_UpdateRect(screen, 0, 0, 0, 0);
    }
    const double seconds = (SDL_GetTicks() - start) / 1000.0;
    const double cpu = 100.0 * (processCpuSeconds() - cpuStart) / seconds;
    report.add("loop: bare present", "CPU time per second", cpu, "% core");
    report.add("loop: bare present", "presents per second", presents / seconds, "presents/s");
    return cpu;
}

void playFor(Uint32 ms, const char* name, Game& game, SoundBank& sound, SDL_Surface* screen,
             double barePresentCpu, BenchReport& report) {
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
    report.add(section, "CPU above a bare present", cpu - barePresentCpu, "% core");
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
    sound->play(0);
    const double bare = barePresentFor(ms, context.screen, report);
    playFor(ms, "menu", *game, *sound, context.screen, bare, report);
    game->setMode(ModeCourse1);
    playFor(ms, "course 1", *game, *sound, context.screen, bare, report);
    return 0;
}
