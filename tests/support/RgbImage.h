#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

// A picture as plain 8-bit red, green and blue, read from the screen or one
// of the game's picture files, so that a test can look for a picture of the
// game on what was shown.
class RgbImage {
  public:
    struct Rgb {
        std::uint8_t r;
        std::uint8_t g;
        std::uint8_t b;
        bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
        bool operator!=(const Rgb& o) const { return !(*this == o); }
    };

    RgbImage() = default;
    RgbImage(int width, int height);

    // Each returns false (and leaves an empty image) when it cannot read.
    bool readSurface(SDL_Surface* surface);
    // A picture file of the game: a BMP, plain or disguised.
    bool readPicture(const std::string& path);
    // The same from the file's bytes.
    bool readPictureBytes(std::string bytes);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    Rgb at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    void set(int x, int y, Rgb c) { pixels_[static_cast<size_t>(y) * width_ + x] = c; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};
