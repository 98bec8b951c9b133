#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

// One picture of the game: a display-format surface with pure red as its
// transparent colour, plus the solid/transparent mask that collision reads.
// The mask is taken from the file's own pixels before conversion, so the
// collision answer does not depend on the display's depth and a pixel read
// never has to decode the run-length-encoded surface.
//
// An absent picture (missing, unreadable or not a BMP) draws nothing, has
// size 0 and is never solid.
class ObxImage {
  public:
    ObxImage() = default;
    ~ObxImage();
    ObxImage(const ObxImage&) = delete;
    ObxImage& operator=(const ObxImage&) = delete;
    ObxImage(ObxImage&& other) noexcept;
    ObxImage& operator=(ObxImage&& other) noexcept;

    // Loads a disguised BMP file (see loadObxImage). Returns 0 when the
    // picture is present afterwards, -1 when it is absent.
    int load(const char* path, SDL_Surface* screen);
    void release();

    bool present() const { return surface_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    SDL_Surface* surface() const { return surface_; }

    // Blits the whole picture with its top-left corner at (x, y).
    void draw(SDL_Surface* target, int x, int y) const;
    // Per-surface alpha (SDL_SRCALPHA); 255 is opaque.
    void setAlpha(int alpha) const;
    // For a picture drawn now opaque, now faded within one frame: keeps a
    // translucent twin so that neither surface switches between opaque and
    // faded, which would make SDL rebuild (and allocate) its blit map.
    void prepareFading(SDL_Surface* screen);
    // 1 when the pixel at column x, row y is not pure red, else 0. The caller
    // keeps 0 <= x < width and 0 <= y < height; outside the picture,
    // and for an absent picture, the answer is 0.
    int isSolidPixel(int x, int y) const;

  private:
    void takeMask(SDL_Surface* source);
    void settleKeyColour(Uint32 key);
    void makeTransparent(SDL_Surface* surface) const;
    bool hasTransparentPixel() const;
    static void buildBlitMap(SDL_Surface* picture, SDL_Surface* screen);

    SDL_Surface* surface_ = nullptr;
    SDL_Surface* faded_ = nullptr;  // only after prepareFading
    mutable int alpha_ = 255;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> solid_;  // one bit per pixel, row-major
};

// Loads one picture file into image (the loader of every Part that draws).
int loadObxImage(ObxImage& image, const char* path, SDL_Surface* screen);
// Loads a numbered series: images[i] from the path that pattern (a printf
// format with one int) gives for first + i, in order.
void loadNumberedObxImages(ObxImage* images, int count, const char* pattern, int first,
                           SDL_Surface* screen);

// The two file routines of the loader. Each opens the existing file for update
// without truncating it and writes at its start; a file that cannot be opened
// prints "null" on standard output and writes nothing. Return 0 or -1.
int writeObxHeader(const char* path, const char* bytes, int count);
int disguiseObxHeader(const char* path, int count);
