#include "ReferenceBench.h"

#include <SDL.h>

#include <chrono>
#include <vector>

#include "BenchContext.h"
#include "BenchReport.h"
#include "FrameTimings.h"

int benchReference(BenchContext& context, BenchReport& report) {
    SDL_Surface* made =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 24, 0xff0000, 0x00ff00, 0x0000ff, 0);
    SDL_Surface* picture = made ? SDL_DisplayFormat(made) : nullptr;
    if (made) {
        SDL_FreeSurface(made);
    }
    if (!picture) {
        return -1;
    }
    // A gradient, so that nothing about the picture is special.
    for (int y = 0; y < 600; y += 4) {
        SDL_Rect band{0, static_cast<Sint16>(y), 800, 4};
        SDL_FillRect(picture, &band, SDL_MapRGB(picture->format, y % 256, 90, 255 - y % 256));
    }
    const int blits = context.quick ? 50 : 400;
    std::vector<double> ms;
    for (int i = 0; i < blits; ++i) {
        const auto start = std::chrono::steady_clock::now();
        SDL_BlitSurface(picture, nullptr, context.screen, nullptr);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    SDL_FreeSurface(picture);
    context.blitMs = FrameTimings::percentile(ms, 0.5);
    report.add("reference", "full-screen blit, 800x600 display format", context.blitMs, "ms");
    report.add("reference", "logic frame budget", BenchContext::kFrameBudgetMs, "ms");
    report.add("reference", "full-screen blits in a frame budget",
               BenchContext::kFrameBudgetMs / context.blitMs, "blits");
    return 0;
}
