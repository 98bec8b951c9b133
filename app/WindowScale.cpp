#include "app/WindowScale.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

bool withinNinetyPercent(double size, int desktopSize) {
    return 10.0 * size <= 9.0 * desktopSize;
}

}  // namespace

bool WindowScale::offered(double factor) {
    for (double offer : kFactors) {
        if (factor == offer) {
            return true;
        }
    }
    return false;
}

double WindowScale::fitting(int desktopWidth, int desktopHeight) {
    for (int i = kFactorCount - 1; i > 0; --i) {
        const double factor = kFactors[i];
        if (withinNinetyPercent(kPictureWidth * factor, desktopWidth) &&
            withinNinetyPercent(kPictureHeight * factor, desktopHeight)) {
            return factor;
        }
    }
    return kFactors[0];
}

void WindowScale::setUp(double forced, bool fullScreen) {
    double factor = forced;
    if (!offered(factor)) {
        int width = 0;
        int height = 0;
        if (std::getenv(kVariable) || !desktopSize(width, height)) {
            return;
        }
        factor = fitting(width, height);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%g", factor);
    setenv(kVariable, text, 1);
    // A whole factor is sharpest, and cheapest to present, sampled nearest;
    // a fractional stretch or full screen looks smoother blended.
    const bool whole = factor == static_cast<int>(factor);
    setenv(kMethodVariable, whole && !fullScreen ? "nearest" : "linear", 0);
}

// sdl12-compat takes its settings as SDL starts, so the desktop is looked at
// through a short start of its own first.
bool WindowScale::desktopSize(int& width, int& height) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info) {
        width = info->current_w;
        height = info->current_h;
    }
    SDL_Quit();
    return info != nullptr;
}
