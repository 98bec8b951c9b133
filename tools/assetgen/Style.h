#pragma once

#include <cairo.h>

#include <cstdint>

// The shared look: colours, the dark outline and light from the upper left.
struct Rgb {
    double r;
    double g;
    double b;
};

constexpr Rgb kOutline{0.06, 0.05, 0.10};
constexpr double kOutlineWidth = 2.0;

// Player 1 is cyan and white, player 2 amber and white.
constexpr Rgb kPlayer1{0.10, 0.80, 0.95};
constexpr Rgb kPlayer2{1.00, 0.65, 0.10};
constexpr Rgb kWhite{0.97, 0.98, 1.00};

Rgb lighten(Rgb c, double amount);
Rgb darken(Rgb c, double amount);
Rgb mix(Rgb a, Rgb b, double t);
void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);

// Fills the current path with a gradient lit from the upper left (light at
// the top-left of the box x, y, w, h, shade at the bottom-right) and strokes
// it with the dark outline. The path is consumed.
void shadeAndOutline(cairo_t* cr, Rgb base, double x, double y, double w, double h,
                     double outline = kOutlineWidth);
// The same fill with no outline (scenery).
void shadeOnly(cairo_t* cr, Rgb base, double x, double y, double w, double h);
// Strokes the current path with the dark outline, joins rounded.
void strokeOutline(cairo_t* cr, double width = kOutlineWidth);

// An irregular closed blob around (cx, cy) with radii rx, ry; roughness 0..1.
void blobPath(cairo_t* cr, double cx, double cy, double rx, double ry, double roughness,
              std::uint32_t seed, int points = 14);

// A small deterministic random source, so that every build draws the same art.
class ArtRandom {
  public:
    explicit ArtRandom(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [lo, hi).
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() % 1000000) / 1e6; }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

  private:
    std::uint32_t state_;
};
