#pragma once

#include <SDL.h>

// Brings SDL video up with the dummy driver and an 800 by 600 display surface
// of the given depth; shuts it down again when the object goes.
class HeadlessScreen {
  public:
    explicit HeadlessScreen(int bitsPerPixel = 32);
    ~HeadlessScreen();
    HeadlessScreen(const HeadlessScreen&) = delete;
    HeadlessScreen& operator=(const HeadlessScreen&) = delete;

    SDL_Surface* surface() const { return screen_; }
    // The colour of one screen pixel, read back through the pixel format.
    void rgbAt(int x, int y, Uint8& r, Uint8& g, Uint8& b) const;
    void fill(Uint8 r, Uint8 g, Uint8 b);

  private:
    SDL_Surface* screen_ = nullptr;
};
