#pragma once

#include <cairo.h>

#include <string>
#include <vector>

// A Cairo drawing surface that starts fully transparent and is written out
// in the game's picture form: every pixel under half coverage becomes pure
// red (the transparent colour), every other pixel its opaque colour, and a
// drawn pure red is nudged to (254, 0, 0) so that it stays visible. A lone
// clear pixel walled in by solid ones on all four sides is filled.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The thresholded picture as 24-bit rows, top row first, R G B order.
    std::vector<unsigned char> opaqueRgb() const;

    // Writes an uncompressed 24-bit BMP. disguised replaces the first four
    // bytes with "0000" as the game's .obx files have them. 0 on success.
    int writeBmp(const std::string& path, bool disguised) const;
    int writePng(const std::string& path) const;

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Writes rows of R G B bytes (top row first) as a BMP file.
int writeRgbBmp(const std::string& path, int width, int height,
                const std::vector<unsigned char>& rgb, bool disguised);
