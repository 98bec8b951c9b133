#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

// A picture as plain 8-bit red, green and blue, read from the screen, a
// screenshot file or one of the game's picture files, so that a test can
// look for a picture of the game on what was shown.
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
    // A binary PPM (P6, maxval 255), as "import" writes for a ".ppm" path.
    bool readPpm(const std::string& path);
    // A picture file of the game: a BMP, plain or disguised.
    bool readPicture(const std::string& path);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    Rgb at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    void set(int x, int y, Rgb c) { pixels_[static_cast<size_t>(y) * width_ + x] = c; }

    // Of the picture's visible (not pure red) pixels that fall inside this
    // image when the picture's corner is at (x, y), the share this image
    // shows exactly; 0 when none falls inside.
    double shownShare(const RgbImage& picture, int x, int y) const;
    // The place nearest (nearX, nearY), within radius, where the picture
    // shows best; false when it shows nowhere with at least minShare.
    bool find(const RgbImage& picture, int nearX, int nearY, int radius, double minShare,
              int& foundX, int& foundY) const;
    // Pixels that differ between two images of the same size inside a box.
    int differences(const RgbImage& other, int x, int y, int w, int h) const;

  private:
    static std::vector<int> samplePoints(const RgbImage& picture);

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};
