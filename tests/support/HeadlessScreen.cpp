#include "support/HeadlessScreen.h"

#include <cstdlib>
#include <cstring>

HeadlessScreen::HeadlessScreen(int bitsPerPixel) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    screen_ = SDL_SetVideoMode(800, 600, bitsPerPixel, SDL_SWSURFACE);
}

HeadlessScreen::~HeadlessScreen() {
    SDL_Quit();
}

void HeadlessScreen::rgbAt(int x, int y, Uint8& r, Uint8& g, Uint8& b) const {
    SDL_LockSurface(screen_);
    const int bpp = screen_->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(screen_->pixels) + y * screen_->pitch + x * bpp;
    Uint32 value = 0;
    std::memcpy(&value, p, bpp);  // lowest byte first, as on the machines we test on
    SDL_UnlockSurface(screen_);
    SDL_GetRGB(value, screen_->format, &r, &g, &b);
}

void HeadlessScreen::fill(Uint8 r, Uint8 g, Uint8 b) {
    SDL_FillRect(screen_, nullptr, SDL_MapRGB(screen_->format, r, g, b));
}
